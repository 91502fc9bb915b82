#include "EditorFixture.h"

#include "area/ObjectRecord.h"
#include "editors/CObjectEditDlg.h"

#include <QAbstractButton>

namespace {

// The object editor over the example area with the "gadget" type.
class ObjectEditDlg : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        AddGadgetType(tables);
    }

    CObjData Object(const char* type) const { return Thing(tables, type); }
    // Opens the editor on `obj` as object `ownIndex` of the area, active.
    void Open(const CObjData& obj, int ownIndex = 0) { OpenDialog(dialog, true, doc, obj, ownIndex); }
    const CObjData& Edited() const { return dialog->State().obj; }

    void ToggleFlag(const char* list, const char* name) const { ClickFlag(list, name, true); }
    // The names a flag list shows set, in its order.
    std::string SetFlags(const char* list) const
    {
        auto* flags = W<CFlagList>(list);
        QStringList set;
        for (int i = 0; i < flags->count(); ++i)
            if (flags->IsShownSet(flags->item(i)->data(Qt::UserRole).toUInt()))
                set << flags->item(i)->text();
        return set.join(QLatin1Char(' ')).toStdString();
    }
    // What the shown slot's enabled controls show.
    std::string ShownSlot() const
    {
        QStringList parts;
        if (W<QComboBox>("valueChoiceCombo")->isEnabled())
            parts << QStringLiteral("choice[%1]").arg(W<QComboBox>("valueChoiceCombo")->currentText());
        for (const char* box : { "valueNumberBox", "valueSecondBox" })
            if (W<CNumberBox>(box)->isEnabled())
                parts << W<CNumberBox>(box)->text();
        if (W<QLineEdit>("valueTextEdit")->isEnabled())
            parts << QStringLiteral("text[%1]").arg(W<QLineEdit>("valueTextEdit")->text());
        if (W<CFlagList>("valueFlagList")->isEnabled())
            parts << QStringLiteral("flags[%1]").arg(QString::fromStdString(SetFlags("valueFlagList")));
        return parts.join(QLatin1Char(' ')).toStdString();
    }
    std::string Captions() const
    {
        QStringList captions;
        for (int slot = 1; slot <= 5; ++slot) {
            auto* button = W<QAbstractButton>(("value" + std::to_string(slot) + "Button").c_str());
            captions << button->text() + (button->isChecked() ? QStringLiteral("*") : QString());
        }
        return captions.join(QLatin1Char('|')).toStdString();
    }

    std::unique_ptr<CObjectEditDlg> dialog;
};

} // namespace

// The value rules are checked in tests/rules/ObjectRulesTest.cpp; here one
// row per control. Showing another slot and coming back keeps what was typed.
TEST_F(ObjectEditDlg, EachValueKindShowsItsSlotAndCommitsOnlyWhatTheBuilderChanged)
{
    using Act = std::function<void()>;
    const Act none = [] {};
    // type, slot, number and text stored, what the slot shows, the builder's act, what OK commits
    const std::tuple<const char*, int, int32_t, const char*, const char*, Act, int32_t, const char*> cases[] = {
        { "weapon", 0, 0, "sword", "choice[sword]", [this] { Choose("valueChoiceCombo", "dagger"); }, 0, "dagger" },
        { "weapon", 4, int32_t(0x80000001u), "", "flags[flaming]", [this] { ToggleFlag("valueFlagList", "frost"); ToggleFlag("valueFlagList", "flaming"); }, int32_t(0x80000002u), "" },
        { "drink", 3, 3, "", "choice[Yes]", none, 3, "" },
        // D and I: any 32-bit number (limbo 22's fountain holds 100000); the spins keep to 16 bits.
        { "fountain", 0, 100000, "", "100000", none, 100000, "" },
        { "light", 2, -1, "", "-1", [this] { Type("valueNumberBox", "-70000"); }, -70000, "" },
        { "gadget", 1, 0, "Old Runes", "text[Old Runes]", [this] { Type("valueTextEdit", "New"); }, 0, "New" },
        { "gadget", 0, int32_t(0x81000000u | (5 << 12) | 7), "", "7 5", [this] { Type("valueSecondBox", "9"); }, int32_t(0x81000000u | (9 << 12) | 7), "" },
    };
    for (const auto& [type, slot, number, text, showing, act, committed, committedText] : cases) {
        const std::string where = std::string(type) + " slot " + std::to_string(slot) + " " + showing;
        const size_t at = static_cast<size_t>(slot);
        CObjData obj = Object(type);
        obj.values[at] = number, obj.valueTexts[at] = text;
        Open(obj);
        const std::string button = "value" + std::to_string(slot + 1) + "Button";
        Press(button.c_str());
        EXPECT_EQ(dialog->ShownSlot(), slot) << where;
        EXPECT_EQ(ShownSlot(), showing) << where;
        act();
        Press(slot == 0 ? "value2Button" : "value1Button");
        Press(button.c_str());
        Press("okButton");
        ASSERT_EQ(dialog->result(), QDialog::Accepted) << where;
        EXPECT_EQ(Edited().values[at], committed) << where;
        EXPECT_EQ(Edited().valueTexts[at], committedText) << where;
        CObjData others = Edited();
        others.values[at] = number, others.valueTexts[at] = text;
        EXPECT_EQ(WriteObjectRecord(others), WriteObjectRecord(obj)) << where << ": nothing else may change";
    }
}

TEST_F(ObjectEditDlg, ValueButtonsFollowTheTypeAndTrainDataIsQuendarsOnly)
{
    Open(Object("weapon"));
    EXPECT_EQ(Captions(), "Weapon class*|Number of dice|Sides per die|Attack type|Weapon flags");
    EXPECT_TRUE(W<QPushButton>("trainDataButton")->isEnabled());
    Choose("typeCombo", "treasure");
    EXPECT_TRUE(W<QAbstractButton>("value1Button")->text() == QStringLiteral("No Use") && !W<QAbstractButton>("value1Button")->isEnabled());
    tables.mudType = MudType::RomOlc;
    Open(Object("light"));
    EXPECT_FALSE(W<QPushButton>("trainDataButton")->isEnabled());
}

// What an affect keeps is checked in tests/rules/ObjectRulesTest.cpp.
TEST_F(ObjectEditDlg, AffectsAreShownAddedAndDeleted)
{
    CObjData obj = Object("armor");
    obj.affects = { { 1, 0, 0, 0x2 | 0x40000000 }, { 9, 99, -3, 0x1 } };
    Open(obj);
    EXPECT_EQ(SetFlags("affectFlagList"), "invisible") << "opening shows affect 0 with its flags";
    EXPECT_EQ(W<QComboBox>("affectKindCombo")->currentText(), QStringLiteral("affects"));
    Choose("affectNumberCombo", "1");
    EXPECT_EQ(W<QComboBox>("affectKindCombo")->currentIndex(), -1) << "a kind beyond the table shows nothing";
    Type("affectModifierBox", "100000");
    Press("affectAddButton");
    EXPECT_EQ(W<QComboBox>("affectNumberCombo")->currentText(), QStringLiteral("2"));
    Choose("affectKindCombo", "immune");
    ToggleFlag("affectFlagList", "charm");
    Choose("affectLocationCombo", "dexterity");
    Choose("affectNumberCombo", "0");
    Press("affectDeleteButton");
    Press("okButton");
    std::string affects;
    for (const CAffectData& a : Edited().affects)
        affects += Format("%i %i %i %i|", { a.where, a.location, a.modifier, static_cast<int>(a.bits) });
    EXPECT_EQ(affects, "9 99 100000 1|2 2 0 2|");
}

// The order of the refusals is checked in tests/rules/ObjectRulesTest.cpp.
TEST_F(ObjectEditDlg, OkShowsTheRefusalAndFocusesTheFieldRefused)
{
    CObjData untyped = Object("light");
    untyped.itemType = 77;
    const std::tuple<std::function<void()>, CObjData, const char*, const char*> cases[] = {
        { [this] { Type("vnumBox", "-1"); }, Object("light"), "Please enter an integer between 0 and 2147483647.", "vnumBox" },
        { [this] { Type("levelBox", "40000"); }, Object("light"), "Please enter an integer between -32768 and 32767.", "levelBox" },
        { [this] { Press("value1Button"); Type("valueNumberBox", "5000"); }, Object("gadget"), "Please enter an integer between 0 and 4095.", "valueNumberBox" },
        { [] {}, untyped, "You must select a type\nfor this object!", "typeCombo" },
        { [this] { W<QLineEdit>("nameEdit")->clear(); }, Object("light"), "You must give this object a name!", "nameEdit" },
    };
    for (const auto& [act, obj, message, focus] : cases) {
        Open(obj);
        act();
        ExpectOkRefused(message, focus);
    }
}

// Typed letters of the material turn lower case; the file's text and the
// other boxes keep their capitals. What a paste brings is checked in
// tests/rules/ObjectRulesTest.cpp.
TEST_F(ObjectEditDlg, CopyTakesWhatTheBuilderSeesAndTypedAndPasteKeepsTheVnumOrTellsOfAnIncompleteRecord)
{
    CObjData obj = Object("weapon");
    obj.name = "Grey Stone";
    obj.material = "A oldstyle"; // tohell 10442
    obj.affects = { { 0, 1, 2, 0 } };
    obj.trainStops = { { 3001, 0, 5, "in", "out" } };
    Open(obj);
    EXPECT_EQ(W<QLineEdit>("materialEdit")->text(), QStringLiteral("A oldstyle"));
    TypeAtEnd(W<QLineEdit>("materialEdit"), QStringLiteral(" IRON"));
    TypeAtEnd(W<QLineEdit>("shortDescEdit"), QStringLiteral(" X"));
    Press("value2Button");
    Type("valueNumberBox", "6");
    Type("affectModifierBox", "-4");
    RecordKey("nameEdit", Qt::Key_C);
    CObjData expected = obj;
    expected.material = "A oldstyle iron", expected.shortDesc = " X", expected.values[1] = 6;
    expected.affects[0].modifier = -4;
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->formats(), QStringList { QStringLiteral("TOLVEX_OBJ") });
    EXPECT_EQ(OnClipboard(ObjectRecordFormat), WriteObjectRecord(expected)) << "the shown slot and affect travel as shown";

    Open(Object("light"), 1);
    Type("vnumBox", "3050");
    RecordKey("typeCombo", Qt::Key_V);
    EXPECT_EQ(W<QComboBox>("typeCombo")->currentText(), QStringLiteral("weapon"));
    EXPECT_EQ(ShownSlot(), "choice[]") << "the pasted type's first slot is shown";
    Press("okButton");
    expected.vnum = 3050; // the vnum never travels
    EXPECT_EQ(WriteObjectRecord(Edited()), WriteObjectRecord(expected));

    const std::vector<uint8_t> whole = WriteObjectRecord(Object("drink"));
    PutOnClipboard(ObjectRecordFormat, std::vector<uint8_t>(whole.begin(), whole.end() - 3));
    Open(Object("light"));
    Trigger("pasteObjectAction");
    EXPECT_EQ(prompt.Told(), QStringLiteral("The clipboard does not hold a complete object."));
    EXPECT_EQ(W<QComboBox>("typeCombo")->currentText(), QStringLiteral("light"));
}

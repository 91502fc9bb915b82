#include "ObjectEditFixture.h"

#include <functional>

namespace {

class ObjectEditDlg : public ObjectEditFixture {
protected:
    // What the shown slot's enabled controls show.
    std::string ShownSlot() const
    {
        QStringList parts;
        if (W<QComboBox>("valueChoiceCombo")->isEnabled())
            parts << QStringLiteral("choice[%1]").arg(W<QComboBox>("valueChoiceCombo")->currentText());
        if (W<CNumberBox>("valueNumberBox")->isEnabled())
            parts << W<CNumberBox>("valueNumberBox")->text();
        if (W<CNumberBox>("valueSecondBox")->isEnabled())
            parts << W<CNumberBox>("valueSecondBox")->text();
        if (W<QLineEdit>("valueTextEdit")->isEnabled())
            parts << QStringLiteral("text[%1]").arg(W<QLineEdit>("valueTextEdit")->text());
        if (W<CFlagList>("valueFlagList")->isEnabled())
            parts << QStringLiteral("flags[%1]").arg(QString::fromStdString(SetFlags("valueFlagList")));
        return parts.join(QLatin1Char(' ')).toStdString();
    }
};

} // namespace

TEST_F(ObjectEditDlg, EachValueKindShowsItsSlotAndCommitsOnlyWhatTheBuilderChanged)
{
    using Action = std::function<void()>;
    const Action none = [] {};
    const struct {
        const char* type;
        int slot;
        int32_t number;
        const char* text;
        const char* shown;
        Action act;
        int32_t committed;
        const char* committedText;
    } cases[] = {
        // The value rules are checked in tests/rules/ObjectRulesTest.cpp; here one row per control.
        { "weapon", 0, 0, "sword", "choice[sword]", [this] { Choose("valueChoiceCombo", "dagger"); }, 0, "dagger" },
        { "weapon", 4, int32_t(0x80000001u), "", "flags[flaming]", [this] { ToggleFlag("valueFlagList", "frost"); ToggleFlag("valueFlagList", "flaming"); }, int32_t(0x80000002u), "" },
        { "drink", 3, 3, "", "choice[Yes]", none, 3, "" },
        // D and I: any 32-bit number (limbo 22's fountain holds 100000); the spins keep to 16 bits.
        { "fountain", 0, 100000, "", "100000", none, 100000, "" },
        { "light", 2, -1, "", "-1", [this] { Type("valueNumberBox", "-70000"); }, -70000, "" },
        { "gadget", 1, 0, "Old Runes", "text[Old Runes]", [this] { Type("valueTextEdit", "New"); }, 0, "New" },
        { "gadget", 0, int32_t(0x81000000u | (5 << 12) | 7), "", "7 5", [this] { Type("valueSecondBox", "9"); }, int32_t(0x81000000u | (9 << 12) | 7), "" },
    };
    for (const auto& c : cases) {
        const std::string where = std::string(c.type) + " slot " + std::to_string(c.slot) + " " + c.shown;
        CObjData obj = Object(c.type);
        obj.values[static_cast<size_t>(c.slot)] = c.number;
        obj.valueTexts[static_cast<size_t>(c.slot)] = c.text;
        Open(obj);
        Press(("value" + std::to_string(c.slot + 1) + "Button").c_str());
        EXPECT_EQ(dialog->ShownSlot(), c.slot) << where;
        EXPECT_EQ(ShownSlot(), c.shown) << where;
        c.act();
        Press("okButton");
        ASSERT_EQ(dialog->result(), QDialog::Accepted) << where;
        EXPECT_EQ(Edited().values[static_cast<size_t>(c.slot)], c.committed) << where;
        EXPECT_EQ(Edited().valueTexts[static_cast<size_t>(c.slot)], c.committedText) << where;
        CObjData others = Edited();
        others.values[static_cast<size_t>(c.slot)] = c.number;
        others.valueTexts[static_cast<size_t>(c.slot)] = c.text;
        EXPECT_EQ(WriteObjectRecord(others), WriteObjectRecord(obj)) << where << ": nothing else may change";
    }
}

TEST_F(ObjectEditDlg, ValueButtonsFollowTheTypeAndKeepWhatWasTypedInTheSlotLeft)
{
    CObjData obj = Object("weapon");
    obj.valueTexts[0] = "sword";
    obj.values[1] = 2;
    Open(obj);
    QStringList captions;
    for (int slot = 1; slot <= 5; ++slot) {
        auto* button = W<QAbstractButton>(("value" + std::to_string(slot) + "Button").c_str());
        captions << button->text() + (button->isChecked() ? QStringLiteral("*") : QString());
    }
    EXPECT_EQ(captions.join(QLatin1Char('|')), QStringLiteral("Weapon class*|Number of dice|Sides per die|Attack type|Weapon flags"));

    Press("value2Button");
    Type("valueNumberBox", "4");
    Press("value3Button");
    Press("value2Button");
    EXPECT_EQ(ShownSlot(), "4") << "switching slots keeps what was typed";

    Choose("typeCombo", "treasure");
    EXPECT_FALSE(W<QAbstractButton>("value1Button")->isEnabled());
    EXPECT_EQ(W<QAbstractButton>("value1Button")->text(), QStringLiteral("No Use"));
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
    ASSERT_EQ(Edited().affects.size(), 2u);
    const auto text = [](const CAffectData& a) {
        return std::to_string(a.where) + " " + std::to_string(a.location) + " " + std::to_string(a.modifier) + " " + std::to_string(a.bits);
    };
    EXPECT_EQ(text(Edited().affects[0]), "9 99 100000 1");
    EXPECT_EQ(text(Edited().affects[1]), "2 2 0 2");
}

// The order of the refusals is checked in tests/rules/ObjectRulesTest.cpp.
TEST_F(ObjectEditDlg, OkShowsTheRefusalAndFocusesTheFieldRefused)
{
    CObjData untyped = Object("light");
    untyped.itemType = 77;
    const struct {
        std::function<void()> act;
        CObjData obj;
        const char* message;
        const char* focus;
    } cases[] = {
        { [this] { Type("vnumBox", "40000"); }, Object("light"), "Please enter an integer between 0 and 32767.", "vnumBox" },
        { [this] { Type("levelBox", "40000"); }, Object("light"), "Please enter an integer between -32768 and 32767.", "levelBox" },
        { [this] { Press("value1Button"); Type("valueNumberBox", "5000"); }, Object("gadget"), "Please enter an integer between 0 and 4095.", "valueNumberBox" },
        { [] {}, untyped, "You must select a type\nfor this object!", "typeCombo" },
        { [this] { W<QLineEdit>("nameEdit")->clear(); }, Object("light"), "You must give this object a name!", "nameEdit" },
    };
    for (const auto& c : cases) {
        prompt.shown.clear();
        Open(c.obj);
        c.act();
        Press("okButton");
        EXPECT_EQ(prompt.Told(true), QStringLiteral("Error! ") + QString::fromLatin1(c.message));
        EXPECT_TRUE(dialog->isVisible()) << c.message << ": the dialog stays open";
        EXPECT_EQ(dialog->focusWidget(), W<QWidget>(c.focus)) << c.message;
    }
}

// Typed letters of the material turn lower case; the file's text and the
// other boxes keep their capitals.
TEST_F(ObjectEditDlg, CopyTakesWhatTheBuilderSeesAndTypedAndPasteKeepsTheVnum)
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
    expected.material = "A oldstyle iron";
    expected.shortDesc = " X";
    expected.values[1] = 6;
    expected.affects[0].modifier = -4;
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->formats(), QStringList { QStringLiteral("TOLVEX_OBJ") });
    EXPECT_EQ(OnClipboard(ObjectRecordFormat), WriteObjectRecord(expected)) << "the shown slot and affect travel as shown";

    Open(Object("light"), 1);
    Type("vnumBox", "3050");
    RecordKey("typeCombo", Qt::Key_V);
    EXPECT_EQ(W<QComboBox>("typeCombo")->currentText(), QStringLiteral("weapon"));
    EXPECT_EQ(ShownSlot(), "choice[]") << "the pasted type's first slot is shown";
    Press("okButton");
    EXPECT_EQ(Edited().vnum, 3050) << "the vnum never travels";
    expected.vnum = 3050;
    EXPECT_EQ(WriteObjectRecord(Edited()), WriteObjectRecord(expected));
}

// What a paste brings is checked in tests/rules/ObjectRulesTest.cpp.
TEST_F(ObjectEditDlg, AnIncompletePasteIsToldAndTrainDataIsQuendarsOnly)
{
    const std::vector<uint8_t> whole = WriteObjectRecord(Object("drink"));
    PutOnClipboard(ObjectRecordFormat, std::vector<uint8_t>(whole.begin(), whole.end() - 3));
    Open(Object("light"));
    Trigger("pasteObjectAction");
    EXPECT_EQ(prompt.Told(), QStringLiteral("The clipboard does not hold a complete object."));
    EXPECT_TRUE(W<QPushButton>("trainDataButton")->isEnabled());
    tables.mudType = MudType::RomOlc;
    Open(Object("light"));
    EXPECT_FALSE(W<QPushButton>("trainDataButton")->isEnabled());
}

#include "MobEditorFixture.h"

#include "area/MobRecord.h"

#include <QLineEdit>
#include <QTreeWidget>

namespace {

using MobEditDlg = MobEditorFixture;

} // namespace

TEST_F(MobEditDlg, OnlyTheBuildersRaceChoiceReplacesTheEightFlagSets)
{
    OpenBaker();
    EXPECT_EQ(W<QComboBox>("raceCombo")->currentText(), QStringLiteral("human")) << "the race is selected";
    EXPECT_TRUE(Edited().act == doc.mobs[0].act && Edited().aff == 0u) << "selecting the race at opening keeps the mob's own sets";
    Choose("raceCombo", "dwarf"); // what the race sets: tests/rules/RecordRulesTest.cpp
    EXPECT_EQ(Edited().act, tables.mobFlags[FindByName(tables.mobFlags, "dwarf")].act);
    EXPECT_EQ(Edited().race, "dwarf");
}

TEST_F(MobEditDlg, EachFlagButtonShowsAndTogglesItsOwnSetFromItsTable)
{
    CMobData& mob = doc.mobs[0];
    mob.aff = 0x200, mob.off = 0x1, mob.imm = 0x2, mob.res = 0x4, mob.vuln = 0x8, mob.form = 0x1, mob.parts = 0x1;
    OpenBaker();
    const struct {
        const char* button;
        const CEntryTable<CTableEntry>& table;
        const char* flag;
        uint32_t CMobData::*set;
    } cases[] = {
        { "actionFlagsButton", tables.actFlags, "sentinel", &CMobData::act },
        { "affectFlagsButton", tables.affectFlags, nullptr, &CMobData::aff },
        { "offenseFlagsButton", tables.offFlags, nullptr, &CMobData::off },
        { "immuneFlagsButton", tables.immFlags, nullptr, &CMobData::imm },
        { "resistentFlagsButton", tables.immFlags, nullptr, &CMobData::res },
        { "vulnerableFlagsButton", tables.immFlags, nullptr, &CMobData::vuln },
        { "formFlagsButton", tables.form, nullptr, &CMobData::form },
        { "partsFlagsButton", tables.parts, nullptr, &CMobData::parts },
    };
    auto* list = W<CFlagList>("mobFlagList");
    for (const auto& c : cases) {
        Press(c.button);
        EXPECT_TRUE(W<QPushButton>(c.button)->isChecked());
        ASSERT_EQ(list->count(), c.table.Count()) << c.button;
        EXPECT_GT(list->item(0)->text(), list->item(list->count() - 1)->text()) << c.button << ": names run downward";
        for (const auto& entry : c.table)
            EXPECT_EQ(list->IsShownSet(static_cast<uint32_t>(entry->value)), (Edited().*c.set & static_cast<uint32_t>(entry->value)) != 0)
                << c.button << " " << entry->name;
        const uint32_t before = Edited().*c.set;
        const std::string flag = c.flag ? c.flag : c.table[0].name;
        ClickFlag("mobFlagList", flag.c_str());
        EXPECT_EQ(Edited().*c.set, before ^ static_cast<uint32_t>(c.table[FindByName(c.table, flag)].value)) << c.button;
    }
    Press("partsFlagsButton");
    EXPECT_TRUE(W<QPushButton>("partsFlagsButton")->isChecked()) << "pressing the pressed button keeps it pressed";
    EXPECT_EQ(Edited().act, doc.mobs[0].act ^ 0x2u) << "a toggle reaches only its own set";
}

// The stats of each level and the order of OK's refusals are checked in
// tests/rules/RecordRulesTest.cpp.
TEST_F(MobEditDlg, DefaultStatsFillTheBoxesOfTheTypedLevel)
{
    OpenBaker();
    TypeNumber(W<CNumberBox>("levelBox"), QStringLiteral("30"));
    Press("defaultStatsButton");
    const auto box = [this](const char* name) { return std::to_string(W<CNumberBox>(name)->value()); };
    EXPECT_EQ(box("hitNumberBox") + "d" + box("hitSizeBox") + "+" + box("hitBonusBox") + " " + box("acExoticBox") + " "
            + box("damNumberBox") + "d" + box("damSizeBox") + "+" + box("damBonusBox"),
        "6d12+853 -90 4d6+8");
}

TEST_F(MobEditDlg, OkShowsTheRefusalAndFocusesItsField)
{
    const struct {
        std::function<void(CMobData&)> set;
        const char* message;
        const char* focus;
    } cases[] = {
        { [](CMobData& m) { m.vnum = 3006; }, "That vnum is in use!", "vnumBox" },
        { [](CMobData& m) { m.race.clear(); }, "You must select a race\nfor this mob!", "raceCombo" },
        { [](CMobData& m) { m.sex.clear(); }, "You must select a sex\nfor this mob!", "sexCombo" },
        { [](CMobData& m) { m.material.clear(); }, "You must give a material to this mob!", "materialEdit" },
        { [](CMobData& m) { m.group = 40000; }, "Please enter an integer between -1 and 32767.", "groupBox" },
    };
    for (const auto& c : cases) {
        CMobData mob = doc.mobs[0];
        c.set(mob);
        Open(mob, 0);
        dialog->activateWindow();
        Press("okButton");
        EXPECT_EQ(prompt.Told(true), QStringLiteral("Error! ") + QString::fromLatin1(c.message));
        EXPECT_TRUE(dialog->isVisible()) << c.message;
        EXPECT_EQ(dialog->focusWidget(), W<QWidget>(c.focus)) << c.message;
        prompt.Clear();
    }
}

TEST_F(MobEditDlg, TypedNameLettersTurnLowerGivenTextsKeepTheirCaseAndNumbersTakeWhatRomStores)
{
    CMobData mob = doc.mobs[0];
    mob.name = "Hassan";
    mob.shortDesc = "Hassan";
    mob.material = "A oldstyle";
    Open(mob, 0);
    TypeAtEnd(W<QLineEdit>("nameEdit"), QStringLiteral(" Guard"));
    TypeAtEnd(W<QLineEdit>("shortDescEdit"), QStringLiteral(" The Great"));
    Type("hitrollBox", "-5");
    Type("moneyBox", "58000");
    TypeAtEnd(W<QLineEdit>("specialEdit"), QStringLiteral("Spec Fido"));
    QTest::keyClick(W<QLineEdit>("specialEdit"), Qt::Key_Return);
    ASSERT_EQ(dialog->result(), QDialog::Accepted) << "Enter in a one-line box is OK";
    const CMobData done = dialog->Result();
    EXPECT_EQ(done.name, "Hassan guard");
    EXPECT_EQ(done.shortDesc, "Hassan The Great") << "players see the short description as typed";
    EXPECT_EQ(done.material, "A oldstyle");
    EXPECT_EQ(done.special, "specfido") << "the special function box takes no blanks";
    EXPECT_EQ(done.hitroll, -5) << "ROM's hitroll may be negative";
    EXPECT_EQ(done.wealth, 58000);
    EXPECT_EQ(done.act & 0x1u, 0x1u) << "the result is the finished mob";
}

// Words are selected ignoring case; without mobprogs the trigger list is
// empty and disabled. OK keeps what the builder did not choose.
TEST_F(MobEditDlg, OkKeepsTheStoredWordsAndTheTriggersTheDialogCannotShow)
{
    tables.mobprog = 0;
    CMobData mob = doc.mobs[0];
    mob.startPos = "STAND", mob.defaultPos = "sleep", mob.sex = "Female", mob.size = "LARGE", mob.damType = "bite2";
    mob.triggers = { { "greet", 3000, "100" } };
    Open(mob, 0);
    EXPECT_EQ(W<QComboBox>("startPosCombo")->currentText() + W<QComboBox>("defaultPosCombo")->currentText()
            + W<QComboBox>("sexCombo")->currentText() + W<QComboBox>("sizeCombo")->currentText(),
        QStringLiteral("standingsleepingfemalelarge"));
    EXPECT_EQ(W<QComboBox>("damTypeCombo")->currentIndex(), -1) << "a damage type the table lacks shows none";
    EXPECT_FALSE(W<QTreeWidget>("triggerList")->isEnabled());
    EXPECT_EQ(W<QTreeWidget>("triggerList")->topLevelItemCount(), 0);
    Choose("defaultPosCombo", "resting");
    Press("okButton");
    const CMobData done = dialog->Result();
    EXPECT_EQ(done.startPos + " " + done.defaultPos + " " + done.sex + " " + done.size + " " + done.damType,
        "STAND rest Female LARGE bite2");
    EXPECT_EQ(done.triggers.size(), 1u);
}

TEST_F(MobEditDlg, TriggerListAddsEditsDeletesAndMovesTriggers)
{
    CMobData mob = doc.mobs[0];
    mob.triggers = { { "greet", 3000, "100" }, { "speech", 3001, "hello" }, { "GREET", 3002, "50" } };
    Open(mob, 0);
    auto* list = W<QTreeWidget>("triggerList");
    auto* up = W<QPushButton>("triggerUpButton");
    auto* down = W<QPushButton>("triggerDownButton");
    const auto select = [&](int row) { list->setCurrentItem(list->topLevelItem(row)); };
    EXPECT_FALSE(up->isEnabled() || down->isEnabled()) << "nothing selected";
    select(0);
    EXPECT_TRUE(!up->isEnabled() && down->isEnabled()) << "the first trigger moves only down";
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_TRUE(up->isEnabled() && !down->isEnabled()) << "the moved trigger stays selected, now last";
    EXPECT_EQ(TreeRows(list), "speech 3001 hello / GREET 3002 50 / greet 3000 100");

    OnNextModal([](QWidget* modal) {
        ChooseText(Find<QComboBox>(modal, "typeCombo"), "random");
        TypeNumber(Find<CNumberBox>(modal, "vnumBox"), QStringLiteral("3005"));
        Find<QLineEdit>(modal, "phraseEdit")->setText(QStringLiteral("10"));
    },
        "okButton");
    Trigger("triggerAddAction");
    select(1);
    OnNextModal([](QWidget* modal) {
        EXPECT_EQ(Find<QComboBox>(modal, "typeCombo")->currentText(), QStringLiteral("greet")) << "a type in capitals still selects its entry";
        Find<QLineEdit>(modal, "phraseEdit")->setText(QStringLiteral("75"));
    },
        "okButton");
    Trigger("triggerEditAction");
    select(0);
    Trigger("triggerDeleteAction");
    EXPECT_EQ(TreeRows(list), "GREET 3002 75 / greet 3000 100 / random 3005 10");
    Press("okButton");
    ASSERT_EQ(dialog->Result().triggers.size(), 3u);
    EXPECT_EQ(dialog->Result().triggers[0].trigger, "GREET") << "the stored word stays unless another type is chosen";
}

namespace {

class MobClipboard : public MobEditorFixture {
protected:
    // A mob with every field of its own and, when asked, a shop.
    CMobData Source(bool withShop) const
    {
        CMobData mob(tables);
        mob.vnum = 3011, mob.name = "Hassan", mob.shortDesc = "Hassan", mob.longDesc = "Hassan is here.";
        mob.description = "A tall man.", mob.race = "human", mob.act = 0x1 | 0x2 | 0x80000 | 0x200000, mob.aff = 0;
        mob.alignment = 1000, mob.group = 3000, mob.level = 60, mob.hitroll = -1;
        mob.hitDice = { 50, 10, 9500 }, mob.manaDice = { 1, 1, 999 }, mob.damDice = { 8, 6, 28 };
        mob.damType = "pound", mob.ac = { -300, -310, -320, -330 }, mob.off = 0x4, mob.imm = 0x8;
        mob.startPos = "stand", mob.defaultPos = "sit", mob.sex = "male", mob.wealth = 58000;
        mob.size = "large", mob.material = "soft leather", mob.clan = "rats", mob.rank = 3;
        mob.mercMessages[0] = "Hail.", mob.mercSkills = { { 50, "dodge" } };
        mob.triggers = { { "greet", 3000, "100" } }, mob.special = "spec_fido";
        if (withShop)
            mob.shop = CShopData { { 2, 3, 4, 10, 0 }, 105, 15, 0, 23 };
        return mob;
    }
};

} // namespace

TEST_F(MobClipboard, CopyAndPasteBetweenTwoAreasWithAndWithoutAShop)
{
    for (const bool withShop : { true, false }) {
        SCOPED_TRACE(withShop ? "with a shop" : "without a shop");
        Open(Source(withShop), 0, true);
        RecordKey("nameEdit", Qt::Key_C);
        ASSERT_EQ(QGuiApplication::clipboard()->mimeData()->formats(), QStringList { QStringLiteral("TOLVEX_MOB") });
        const std::vector<uint8_t> copied = OnClipboard(MobRecordFormat);

        CMobData target = doc.mobs[1];
        target.race = "dwarf";
        target.trainerClass = "mage";
        target.shop = withShop ? std::nullopt : std::optional<CShopData>(CShopData());
        Open(target, 1, true);
        RecordKey("descriptionEdit", Qt::Key_V);
        EXPECT_EQ(W<QPushButton>("storeEditButton")->text(), withShop ? QStringLiteral("Edit") : QStringLiteral("Nuevo"));
        EXPECT_EQ(W<QPushButton>("storeDeleteButton")->isEnabled(), withShop);
        EXPECT_EQ(W<QComboBox>("raceCombo")->currentText(), QStringLiteral("human"));
        EXPECT_EQ(Edited().act, Source(withShop).act) << "selecting the pasted race keeps the pasted sets";
        EXPECT_EQ(Edited().vnum, 3006) << "the vnum never travels";
        EXPECT_EQ(Edited().trainerClass, "mage") << "trainer data never travels";
        EXPECT_EQ(WriteMobRecord(Edited()), copied) << "every other field travels";
        Press("okButton");
        EXPECT_EQ(dialog->result(), QDialog::Accepted)
            << (prompt.shown.empty() ? std::string() : prompt.shown.back().text.toStdString());
    }
}

TEST_F(MobClipboard, ATruncatedRecordIsRefusedWhole)
{
    std::vector<uint8_t> record = WriteMobRecord(Source(true));
    record.resize(record.size() - 3);
    PutOnClipboard(MobRecordFormat, record);
    Open(doc.mobs[0], 0, true);
    RecordKey("descriptionEdit", Qt::Key_V);
    EXPECT_EQ(prompt.Told(), QStringLiteral("The clipboard does not hold a complete mob."));
    EXPECT_EQ(W<QLineEdit>("nameEdit")->text(), QStringLiteral("baker"));
}

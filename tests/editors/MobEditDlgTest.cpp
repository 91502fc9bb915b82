#include "MobEditorFixture.h"

#include "editors/CTriggerListPanel.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace {

class MobEditDlg : public MobEditorFixture {
};

} // namespace

TEST_F(MobEditDlg, OnlyTheBuildersRaceChoiceReplacesTheEightFlagSets)
{
    OpenBaker();
    const uint32_t act = doc.mobs[0].act;
    EXPECT_EQ(W<QComboBox>("raceCombo")->currentText(), QStringLiteral("human")) << "the race is selected";
    EXPECT_EQ(Edited().act, act) << "selecting the race at opening keeps the mob's own sets";
    EXPECT_EQ(Edited().aff, 0u);

    Choose("raceCombo", "dwarf"); // what the race sets: tests/rules/RecordRulesTest.cpp
    EXPECT_EQ(Edited().act, act | tables.mobFlags[FindByName(tables.mobFlags, "dwarf")].act) << "the baker's own flags stay";
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
        prompt.shown.clear();
    }
}

TEST_F(MobEditDlg, NumbersTakeWhatRomStores)
{
    Open(doc.mobs[0], 0);
    TypeNumber(W<CNumberBox>("hitrollBox"), QStringLiteral("-5"));
    TypeNumber(W<CNumberBox>("moneyBox"), QStringLiteral("58000"));
    Press("okButton");
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Result().hitroll, -5) << "ROM's hitroll may be negative";
    EXPECT_EQ(dialog->Result().wealth, 58000);
    EXPECT_EQ(dialog->Result().act & 0x1u, 0x1u) << "the result is the finished mob";
}

TEST_F(MobEditDlg, TypedNameLettersTurnLowerWhileGivenTextsKeepTheirCase)
{
    CMobData mob = doc.mobs[0];
    mob.name = "Hassan";
    mob.shortDesc = "Hassan";
    mob.material = "A oldstyle";
    Open(mob, 0);
    auto* name = W<QLineEdit>("nameEdit");
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, QStringLiteral(" Guard"));
    auto* shortDesc = W<QLineEdit>("shortDescEdit");
    shortDesc->setFocus();
    shortDesc->end(false);
    QTest::keyClicks(shortDesc, QStringLiteral(" The Great"));
    auto* special = W<QLineEdit>("specialEdit");
    special->setFocus();
    QTest::keyClicks(special, QStringLiteral("Spec Fido"));
    QTest::keyClick(special, Qt::Key_Return);
    ASSERT_EQ(dialog->result(), QDialog::Accepted) << "Enter in a one-line box is OK";
    const CMobData done = dialog->Result();
    EXPECT_EQ(done.name, "Hassan guard");
    EXPECT_EQ(done.shortDesc, "Hassan The Great") << "players see the short description as typed";
    EXPECT_EQ(done.material, "A oldstyle");
    EXPECT_EQ(done.special, "specfido") << "the special function box takes no blanks";
}

TEST_F(MobEditDlg, WordsAreSelectedIgnoringCaseAndKeptUntilTheBuilderChooses)
{
    CMobData mob = doc.mobs[0];
    mob.startPos = "STAND", mob.defaultPos = "sleep", mob.sex = "Female", mob.size = "LARGE", mob.damType = "bite2";
    Open(mob, 0);
    EXPECT_EQ(W<QComboBox>("startPosCombo")->currentText(), QStringLiteral("standing"));
    EXPECT_EQ(W<QComboBox>("defaultPosCombo")->currentText(), QStringLiteral("sleeping"));
    EXPECT_EQ(W<QComboBox>("sexCombo")->currentText(), QStringLiteral("female"));
    EXPECT_EQ(W<QComboBox>("sizeCombo")->currentText(), QStringLiteral("large"));
    EXPECT_EQ(W<QComboBox>("damTypeCombo")->currentIndex(), -1) << "a damage type the table lacks shows none";
    Choose("defaultPosCombo", "resting");
    Press("okButton");
    const CMobData done = dialog->Result();
    EXPECT_EQ(done.startPos + " " + done.defaultPos + " " + done.sex + " " + done.size + " " + done.damType,
        "STAND rest Female LARGE bite2");
}

TEST_F(MobEditDlg, TriggerListAddsEditsDeletesAndMovesTriggers)
{
    CMobData mob = doc.mobs[0];
    mob.triggers = { { "greet", 3000, "100" }, { "speech", 3001, "hello" }, { "GREET", 3002, "50" } };
    Open(mob, 0);
    auto* list = W<QTreeWidget>("triggerList");
    auto* up = W<QPushButton>("triggerUpButton");
    auto* down = W<QPushButton>("triggerDownButton");
    const auto rows = [&] {
        QStringList out;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            out << list->topLevelItem(i)->text(0) + QLatin1Char(' ') + list->topLevelItem(i)->text(1) + QLatin1Char(' ')
                    + list->topLevelItem(i)->text(2);
        return out.join(QStringLiteral(" / ")).toStdString();
    };
    const auto select = [&](int row) { list->setCurrentItem(list->topLevelItem(row)); };
    EXPECT_FALSE(up->isEnabled() || down->isEnabled()) << "nothing selected";
    select(0);
    EXPECT_TRUE(!up->isEnabled() && down->isEnabled()) << "the first trigger moves only down";
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_TRUE(up->isEnabled() && !down->isEnabled()) << "the moved trigger stays selected, now last";
    EXPECT_EQ(rows(), "speech 3001 hello / GREET 3002 50 / greet 3000 100");

    OnNextModal([](QWidget* modal) {
        ChooseText(Find<QComboBox>(modal, "typeCombo"), "random");
        TypeNumber(Find<CNumberBox>(modal, "vnumBox"), QStringLiteral("3005"));
        Find<QLineEdit>(modal, "phraseEdit")->setText(QStringLiteral("10"));
    },
        "okButton");
    Find<QAction>(dialog.get(), "triggerAddAction")->trigger();
    select(1);
    OnNextModal([](QWidget* modal) {
        EXPECT_EQ(Find<QComboBox>(modal, "typeCombo")->currentText(), QStringLiteral("greet"))
            << "a type in capitals still selects its entry";
        Find<QLineEdit>(modal, "phraseEdit")->setText(QStringLiteral("75"));
    },
        "okButton");
    Find<QAction>(dialog.get(), "triggerEditAction")->trigger();
    select(0);
    Find<QAction>(dialog.get(), "triggerDeleteAction")->trigger();
    EXPECT_EQ(rows(), "GREET 3002 75 / greet 3000 100 / random 3005 10");
    Press("okButton");
    ASSERT_EQ(dialog->Result().triggers.size(), 3u);
    EXPECT_EQ(dialog->Result().triggers[0].trigger, "GREET") << "the stored word stays unless another type is chosen";
}

TEST_F(MobEditDlg, WithoutMobprogsTheTriggerListIsEmptyAndDisabledButTheTriggersStay)
{
    tables.mobprog = 0;
    CMobData mob = doc.mobs[0];
    mob.triggers = { { "greet", 3000, "100" } };
    Open(mob, 0);
    EXPECT_FALSE(W<QTreeWidget>("triggerList")->isEnabled());
    EXPECT_EQ(W<QTreeWidget>("triggerList")->topLevelItemCount(), 0);
    Press("okButton");
    EXPECT_EQ(dialog->Result().triggers.size(), 1u);
}

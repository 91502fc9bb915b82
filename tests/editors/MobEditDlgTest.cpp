#include "EditorFixture.h"

#include "area/MobRecord.h"
#include "editors/CMobEditDlg.h"
#include "editors/CShopEditDlg.h"

namespace {

// The mob editor and the dialogs it opens, over the area with mob 3005 made a full human baker.
class MobEditDlg : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        CMobData& baker = doc.mobs[0];
        baker.name = "baker", baker.race = "human", baker.aff = 0, baker.material = "flesh";
        baker.act = 0x1 | 0x2 | 0x80000 | 0x200000; // A B T V
    }

    void Open(const CMobData& mob, int ownIndex = 0, bool active = false) { OpenDialog(dialog, active, doc, mob, ownIndex); }
    void OpenBaker() { Open(doc.mobs[0]); }
    const CMobData& Edited() const { return dialog->State().mob; }

    std::unique_ptr<CMobEditDlg> dialog;
};
using MobParts = MobEditDlg;
using MobClipboard = MobEditDlg;

std::string Shop(const std::optional<CShopData>& s)
{
    return s ? Format("%i %i %i %i %i %i %i %i-%i", { s->buyTypes[0], s->buyTypes[1], s->buyTypes[2], s->buyTypes[3], s->buyTypes[4], s->profitBuy, s->profitSell, s->openHour, s->closeHour }) : "none";
}

} // namespace

// What the race sets is checked in tests/rules/RecordRulesTest.cpp.
TEST_F(MobEditDlg, EachFlagButtonShowsAndTogglesItsOwnSetFromItsTable)
{
    CMobData& mob = doc.mobs[0];
    mob.aff = 0x200, mob.off = 0x1, mob.imm = 0x2, mob.res = 0x4, mob.vuln = 0x8, mob.form = 0x1, mob.parts = 0x1;
    OpenBaker();
    using Set = uint32_t CMobData::*;
    const std::tuple<const char*, const CEntryTable<CTableEntry>&, const char*, Set> cases[] = {
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
    for (const auto& [button, table, flag, set] : cases) {
        Press(button);
        EXPECT_TRUE(W<QPushButton>(button)->isChecked());
        ASSERT_EQ(list->count(), table.Count()) << button;
        EXPECT_GT(list->item(0)->text(), list->item(list->count() - 1)->text()) << button << ": names run downward";
        for (const auto& entry : table)
            EXPECT_EQ(list->IsShownSet(static_cast<uint32_t>(entry->value)), (Edited().*set & static_cast<uint32_t>(entry->value)) != 0) << button << " " << entry->name;
        const uint32_t before = Edited().*set;
        const std::string clicked = flag ? flag : table[0].name;
        ClickFlag("mobFlagList", clicked.c_str());
        EXPECT_EQ(Edited().*set, before ^ static_cast<uint32_t>(table[FindByName(table, clicked)].value)) << button;
    }
    Press("partsFlagsButton");
    EXPECT_TRUE(W<QPushButton>("partsFlagsButton")->isChecked()) << "pressing the pressed button keeps it pressed";
    EXPECT_EQ(Edited().act, doc.mobs[0].act ^ 0x2u) << "a toggle reaches only its own set";
}

// The stats of each level and the order of OK's refusals are checked in
// tests/rules/RecordRulesTest.cpp.
TEST_F(MobEditDlg, OkShowsTheRefusalAndFocusesItsFieldAndDefaultStatsFillTheBoxesOfTheTypedLevel)
{
    const std::tuple<std::function<void(CMobData&)>, const char*, const char*> cases[] = {
        { [](CMobData& m) { m.vnum = 3006; }, "That vnum is in use!", "vnumBox" },
        { [](CMobData& m) { m.race.clear(); }, "You must select a race\nfor this mob!", "raceCombo" },
        { [](CMobData& m) { m.sex.clear(); }, "You must select a sex\nfor this mob!", "sexCombo" },
        { [](CMobData& m) { m.material.clear(); }, "You must give a material to this mob!", "materialEdit" },
        { [](CMobData& m) { m.group = 40000; }, "Please enter an integer between -1 and 32767.", "groupBox" },
    };
    for (const auto& [set, message, focus] : cases) {
        CMobData mob = doc.mobs[0];
        set(mob);
        Open(mob);
        dialog->activateWindow();
        ExpectOkRefused(message, focus);
    }
    OpenBaker();
    Type("levelBox", "30");
    Press("defaultStatsButton");
    const auto box = [this](const char* name) { return W<CNumberBox>(name)->value(); };
    EXPECT_EQ(Format("%id%i+%i %i %id%i+%i", { box("hitNumberBox"), box("hitSizeBox"), box("hitBonusBox"), box("acExoticBox"), box("damNumberBox"), box("damSizeBox"), box("damBonusBox") }), "6d12+853 -90 4d6+8");
}

// Typed name letters turn lower while given texts keep their case. Words are
// selected ignoring case, and without mobprogs the trigger list is empty and
// disabled: OK keeps what the builder did not choose.
TEST_F(MobEditDlg, OkTakesWhatIsTypedAsRomStoresItAndKeepsTheWordsAndTriggersTheDialogCannotShow)
{
    tables.mobprog = 0;
    CMobData mob = doc.mobs[0];
    mob.name = "Hassan", mob.shortDesc = "Hassan", mob.material = "A oldstyle";
    mob.startPos = "STAND", mob.defaultPos = "sleep", mob.sex = "Female", mob.size = "LARGE", mob.damType = "bite2";
    mob.triggers = { { "greet", 3000, "100" } };
    Open(mob);
    EXPECT_EQ(W<QComboBox>("startPosCombo")->currentText() + W<QComboBox>("defaultPosCombo")->currentText() + W<QComboBox>("sexCombo")->currentText() + W<QComboBox>("sizeCombo")->currentText(),
        QStringLiteral("standingsleepingfemalelarge"));
    EXPECT_EQ(W<QComboBox>("damTypeCombo")->currentIndex(), -1) << "a damage type the table lacks shows none";
    EXPECT_TRUE(!W<QTreeWidget>("triggerList")->isEnabled() && W<QTreeWidget>("triggerList")->topLevelItemCount() == 0);
    Choose("defaultPosCombo", "resting");
    TypeAtEnd(W<QLineEdit>("nameEdit"), QStringLiteral(" Guard"));
    TypeAtEnd(W<QLineEdit>("shortDescEdit"), QStringLiteral(" The Great"));
    Type("hitrollBox", "-5"); // ROM's hitroll may be negative
    Type("moneyBox", "58000");
    TypeAtEnd(W<QLineEdit>("specialEdit"), QStringLiteral("Spec Fido"));
    QTest::keyClick(W<QLineEdit>("specialEdit"), Qt::Key_Return);
    ASSERT_EQ(dialog->result(), QDialog::Accepted) << "Enter in a one-line box is OK";
    const CMobData done = dialog->Result();
    EXPECT_EQ(Format("%s|%s|%s|%s|%d|%d", { done.name, done.shortDesc, done.material, done.special, done.hitroll, done.wealth }), "Hassan guard|Hassan The Great|A oldstyle|specfido|-5|58000")
        << "players see the short description as typed; the special function box takes no blanks";
    EXPECT_EQ(done.startPos + " " + done.defaultPos + " " + done.sex + " " + done.size + " " + done.damType, "STAND rest Female LARGE bite2");
    EXPECT_EQ(done.triggers.size(), 1u);
    EXPECT_EQ(done.act & 0x1u, 0x1u) << "the result is the finished mob";
}

TEST_F(MobEditDlg, TriggerListAddsEditsDeletesAndMovesTriggers)
{
    CMobData mob = doc.mobs[0];
    mob.triggers = { { "greet", 3000, "100" }, { "speech", 3001, "hello" }, { "GREET", 3002, "50" } };
    Open(mob);
    // When Up and Down are offered is the reset list's test: the same list
    // widget. Two clicks move the first trigger to the end: the selection
    // follows it.
    auto* list = W<QTreeWidget>("triggerList");
    const auto select = [&](int row) { list->setCurrentItem(list->topLevelItem(row)); };
    select(0);
    QTest::mouseClick(W<QPushButton>("triggerDownButton"), Qt::LeftButton);
    QTest::mouseClick(W<QPushButton>("triggerDownButton"), Qt::LeftButton);
    EXPECT_EQ(TreeRows(list), "speech 3001 hello / GREET 3002 50 / greet 3000 100");

    OnNextModal("okButton", [](QWidget* modal) {
        ChooseText(Find<QComboBox>(modal, "typeCombo"), "random");
        TypeNumber(Find<CNumberBox>(modal, "vnumBox"), QStringLiteral("3005"));
        Find<QLineEdit>(modal, "phraseEdit")->setText(QStringLiteral("10"));
    });
    Trigger("triggerAddAction");
    select(1);
    OnNextModal("okButton", [](QWidget* modal) {
        EXPECT_EQ(Find<QComboBox>(modal, "typeCombo")->currentText(), QStringLiteral("greet")) << "a type in capitals still selects its entry";
        Find<QLineEdit>(modal, "phraseEdit")->setText(QStringLiteral("75"));
    });
    Trigger("triggerEditAction");
    select(0);
    Trigger("triggerDeleteAction");
    EXPECT_EQ(TreeRows(list), "GREET 3002 75 / greet 3000 100 / random 3005 10");
    Press("okButton");
    ASSERT_EQ(dialog->Result().triggers.size(), 3u);
    EXPECT_EQ(dialog->Result().triggers[0].trigger, "GREET") << "the stored word stays unless another type is chosen";
}

TEST_F(MobClipboard, CopyAndPasteBetweenTwoAreasWithAndWithoutAShopAndATruncatedRecordIsRefusedWhole)
{
    for (const bool withShop : { true, false }) {
        SCOPED_TRACE(withShop ? "with a shop" : "without a shop");
        CMobData source = FullMob(tables);
        if (!withShop)
            source.shop.reset();
        Open(source, 0, true);
        RecordKey("nameEdit", Qt::Key_C);
        ASSERT_EQ(QGuiApplication::clipboard()->mimeData()->formats(), QStringList { QStringLiteral("TOLVEX_MOB") });
        const std::vector<uint8_t> copied = OnClipboard(MobRecordFormat);

        CMobData target = doc.mobs[1];
        target.race = "dwarf", target.trainerClass = "thief";
        target.shop = withShop ? std::nullopt : std::optional<CShopData>(CShopData());
        Open(target, 1, true);
        RecordKey("descriptionEdit", Qt::Key_V);
        EXPECT_EQ(W<QPushButton>("storeEditButton")->text(), withShop ? QStringLiteral("Edit") : QStringLiteral("Nuevo"));
        EXPECT_EQ(W<QPushButton>("storeDeleteButton")->isEnabled(), withShop);
        EXPECT_EQ(W<QComboBox>("raceCombo")->currentText(), QStringLiteral("human"));
        EXPECT_EQ(Edited().act, source.act) << "selecting the pasted race keeps the pasted sets";
        EXPECT_EQ(Edited().vnum, 3006) << "the vnum never travels";
        EXPECT_EQ(Edited().trainerClass, "thief") << "trainer data never travels";
        EXPECT_EQ(WriteMobRecord(Edited()), copied) << "every other field travels";
        Press("okButton");
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << prompt.Told().toStdString();
    }
    std::vector<uint8_t> record = WriteMobRecord(FullMob(tables));
    record.resize(record.size() - 3);
    PutOnClipboard(MobRecordFormat, record);
    OpenBaker();
    Trigger("pasteMobAction");
    EXPECT_EQ(prompt.Told(), QStringLiteral("The clipboard does not hold a complete mob."));
    EXPECT_EQ(W<QLineEdit>("nameEdit")->text(), QStringLiteral("baker"));
}

TEST_F(MobParts, StoreNewEditAndDeleteWithTheirCaptionsAndTheShopEditorKeepsABuyTypeTheConfigurationLacks)
{
    OpenBaker();
    const auto store = [this] { return W<QPushButton>("storeEditButton")->text() + (W<QPushButton>("storeDeleteButton")->isEnabled() ? QStringLiteral(" Delete") : QString()); };
    EXPECT_EQ(store(), QStringLiteral("New"));
    OnNextModal("cancelButton", [](QWidget* modal) {
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(Find<QComboBox>(modal, ("buyTypeCombo" + std::to_string(i)).c_str())->currentText(), QStringLiteral("nothing"));
        EXPECT_EQ(Format("%i-%i", { Find<CNumberBox>(modal, "openHourBox")->value(), Find<CNumberBox>(modal, "closeHourBox")->value() }), "0-23");
    });
    Press("storeEditButton");
    EXPECT_EQ(Shop(Edited().shop), "0 0 0 0 0 100 100 0-23") << "cancelling the Shop Editor keeps the new shop";
    EXPECT_EQ(store(), QStringLiteral("Edit Delete"));

    OnNextModal("okButton", [](QWidget* modal) {
        ChooseText(Find<QComboBox>(modal, "buyTypeCombo1"), "weapon");
        TypeNumber(Find<CNumberBox>(modal, "profitBuyBox"), QStringLiteral("105"));
        TypeNumber(Find<CNumberBox>(modal, "closeHourBox"), QStringLiteral("24"));
        Click(modal, "okButton");
        TypeNumber(Find<CNumberBox>(modal, "closeHourBox"), QStringLiteral("22"));
    });
    Press("storeEditButton");
    EXPECT_EQ(prompt.shown.size(), 1u) << "hour 24 is refused";
    EXPECT_EQ(Shop(Edited().shop), "0 5 0 0 0 105 100 0-22");
    Press("storeDeleteButton");
    EXPECT_EQ(Shop(Edited().shop), "none");
    EXPECT_EQ(store(), QStringLiteral("New"));

    CShopData shop;
    shop.buyTypes = { 99, 5, 0, 0, 0 };
    CShopEditDlg shopDialog(tables, shop);
    EXPECT_EQ(Find<QComboBox>(&shopDialog, "buyTypeCombo0")->currentIndex(), -1);
    EXPECT_EQ(Find<QComboBox>(&shopDialog, "buyTypeCombo1")->currentText(), QStringLiteral("weapon"));
    Click(&shopDialog, "okButton");
    EXPECT_EQ(shopDialog.Shop().buyTypes[0], 99);
}

TEST_F(MobParts, MercenaryDataEditsClanRankSkillValuesAndOneMessagePerKindInTheQuendarDialectOnly)
{
    CMobData mob = doc.mobs[0];
    mob.clan = "rats", mob.rank = 40000; // the game keeps any rank
    mob.mercSkills = { { 60, "kick" } };
    mob.mercMessages[1] = "Deal.";
    Open(mob);
    EXPECT_EQ(Edited().mercSkills.size(), static_cast<size_t>(tables.skills.Count())) << "every skill is offered";
    OnNextModal("okButton", [](QWidget* modal) {
        auto* skills = Find<QListWidget>(modal, "skillList");
        EXPECT_EQ(skills->item(0)->text(), QStringLiteral("acid blast")) << "skills are sorted";
        ChooseLine(skills, "kick");
        EXPECT_EQ(Find<CNumberBox>(modal, "skillValueBox")->value(), 60);
        TypeNumber(Find<CNumberBox>(modal, "skillValueBox"), QStringLiteral("0"));
        ChooseLine(skills, "dodge");
        TypeNumber(Find<CNumberBox>(modal, "skillValueBox"), QStringLiteral("75"));
        auto* kind = Find<QComboBox>(modal, "messageCombo");
        kind->setCurrentIndex(kind->findText(QStringLiteral("contrato")));
        EXPECT_EQ(Find<QLineEdit>(modal, "messageEdit")->text(), QStringLiteral("Deal."));
        kind->setCurrentIndex(kind->findText(QStringLiteral("saludo")));
        TypeAtEnd(Find<QLineEdit>(modal, "messageEdit"), QStringLiteral("Hail!"));
        Find<QLineEdit>(modal, "clanEdit")->setText(QStringLiteral("wolves"));
    });
    Press("mercDataButton");
    Press("okButton");
    const CMobData done = dialog->Result();
    EXPECT_EQ(done.clan + " " + std::to_string(done.rank), "wolves 40000");
    ASSERT_EQ(done.mercSkills.size(), 1u) << "kick, set to 0, is dropped; dodge is kept";
    EXPECT_EQ(done.mercSkills[0].skill + " " + std::to_string(done.mercSkills[0].value), "dodge 75");
    EXPECT_EQ(done.mercMessages, (std::vector<std::string> { "Hail!", "Deal.", "", "", "", "" }));

    tables.mudType = MudType::RomOlc;
    OpenBaker();
    EXPECT_FALSE(W<QPushButton>("mercDataButton")->isEnabled() || W<QPushButton>("trainerButton")->isEnabled());
}

TEST_F(MobParts, TrainersAddDeleteChooseAndDropEntriesWithoutASkill)
{
    CMobData mob = doc.mobs[0];
    mob.trainerClass = "bard"; // not a class of the configuration
    mob.trainerSkills = { { "kick", 10, 100, 5, 1 } };
    Open(mob);
    OnNextModal("okButton", [](QWidget* modal) {
        EXPECT_EQ(Find<QComboBox>(modal, "classCombo")->currentIndex(), -1) << "an unknown class shows none";
        auto* list = Find<QListWidget>(modal, "trainerSkillList");
        list->setCurrentRow(0);
        EXPECT_EQ(Find<CNumberBox>(modal, "goldBox")->value(), 10);
        EXPECT_EQ(Find<QComboBox>(modal, "initiateCombo")->currentText(), QStringLiteral("Yes"));
        Click(modal, "trainerAddButton");
        Click(modal, "trainerAddButton");
        // Delete the first new entry: the other one moves up and its item must follow.
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->data(Qt::UserRole).toInt() == 1)
                list->setCurrentRow(row);
        Click(modal, "trainerDeleteButton");
        ASSERT_EQ(list->count(), 2);
        list->setCurrentItem(list->findItems(QString(), Qt::MatchExactly).value(0));
        ChooseText(Find<QComboBox>(modal, "trainerSkillCombo"), "dodge");
        TypeNumber(Find<CNumberBox>(modal, "multBox"), QStringLiteral("40000"));
        Click(modal, "trainerAddButton"); // left without a skill
    });
    Press("trainerButton");
    const CMobData& edited = Edited();
    EXPECT_EQ(edited.trainerClass, "bard") << "the class stays unless another is chosen";
    ASSERT_EQ(edited.trainerSkills.size(), 2u) << "the entry without a skill is dropped";
    EXPECT_EQ(edited.trainerSkills[0].skill, "kick");
    EXPECT_EQ(edited.trainerSkills[1].skill + " " + std::to_string(edited.trainerSkills[1].mult), "dodge 40000");
}

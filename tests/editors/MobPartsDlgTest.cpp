#include "MobEditorFixture.h"

#include "editors/CMercDataDlg.h"
#include "editors/CShopEditDlg.h"
#include "editors/CTrainersDlg.h"

#include <QLineEdit>
#include <QListWidget>

namespace {

using MobParts = MobEditorFixture;

std::string Shop(const std::optional<CShopData>& shop)
{
    if (!shop)
        return "none";
    std::string out;
    for (int type : shop->buyTypes)
        out += std::to_string(type) + " ";
    return out + std::to_string(shop->profitBuy) + " " + std::to_string(shop->profitSell) + " "
        + std::to_string(shop->openHour) + "-" + std::to_string(shop->closeHour);
}

} // namespace

TEST_F(MobParts, StoreNewEditAndDeleteWithTheirCaptions)
{
    OpenBaker();
    auto* store = W<QPushButton>("storeEditButton");
    auto* remove = W<QPushButton>("storeDeleteButton");
    EXPECT_EQ(store->text(), QStringLiteral("New"));
    EXPECT_FALSE(remove->isEnabled());

    OnNextModal([](QWidget* modal) {
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(Find<QComboBox>(modal, ("buyTypeCombo" + std::to_string(i)).c_str())->currentText(), QStringLiteral("nothing"));
        EXPECT_EQ(Find<CNumberBox>(modal, "openHourBox")->value(), 0);
        EXPECT_EQ(Find<CNumberBox>(modal, "closeHourBox")->value(), 23);
    },
        "cancelButton");
    Press("storeEditButton");
    EXPECT_EQ(Shop(Edited().shop), "0 0 0 0 0 100 100 0-23") << "cancelling the Shop Editor keeps the new shop";
    EXPECT_EQ(store->text(), QStringLiteral("Edit"));
    EXPECT_TRUE(remove->isEnabled());

    OnNextModal([](QWidget* modal) {
        ChooseText(Find<QComboBox>(modal, "buyTypeCombo1"), "weapon");
        TypeNumber(Find<CNumberBox>(modal, "profitBuyBox"), QStringLiteral("105"));
        TypeNumber(Find<CNumberBox>(modal, "closeHourBox"), QStringLiteral("24"));
        Click(modal, "okButton");
        TypeNumber(Find<CNumberBox>(modal, "closeHourBox"), QStringLiteral("22"));
    },
        "okButton");
    Press("storeEditButton");
    EXPECT_EQ(prompt.shown.size(), 1u) << "hour 24 is refused";
    EXPECT_EQ(Shop(Edited().shop), "0 5 0 0 0 105 100 0-22");

    Press("storeDeleteButton");
    EXPECT_EQ(Shop(Edited().shop), "none");
    EXPECT_EQ(store->text(), QStringLiteral("New"));
    EXPECT_FALSE(remove->isEnabled());
}

TEST_F(MobParts, ShopEditorKeepsABuyTypeTheConfigurationLacks)
{
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
    mob.clan = "rats";
    mob.rank = 40000; // the game keeps any rank
    mob.mercSkills = { { 60, "kick" } };
    mob.mercMessages[1] = "Deal.";
    Open(mob, 0);
    EXPECT_EQ(Edited().mercSkills.size(), static_cast<size_t>(tables.skills.Count())) << "every skill is offered";
    OnNextModal([](QWidget* modal) {
        auto* skills = Find<QListWidget>(modal, "skillList");
        EXPECT_EQ(skills->item(0)->text(), QStringLiteral("acid blast")) << "skills are sorted";
        skills->setCurrentItem(skills->findItems(QStringLiteral("kick"), Qt::MatchExactly).value(0));
        EXPECT_EQ(Find<CNumberBox>(modal, "skillValueBox")->value(), 60);
        TypeNumber(Find<CNumberBox>(modal, "skillValueBox"), QStringLiteral("0"));
        skills->setCurrentItem(skills->findItems(QStringLiteral("dodge"), Qt::MatchExactly).value(0));
        TypeNumber(Find<CNumberBox>(modal, "skillValueBox"), QStringLiteral("75"));
        auto* kind = Find<QComboBox>(modal, "messageCombo");
        kind->setCurrentIndex(kind->findText(QStringLiteral("contrato")));
        auto* text = Find<QLineEdit>(modal, "messageEdit");
        EXPECT_EQ(text->text(), QStringLiteral("Deal."));
        kind->setCurrentIndex(kind->findText(QStringLiteral("saludo")));
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("Hail!"));
        Find<QLineEdit>(modal, "clanEdit")->setText(QStringLiteral("wolves"));
    },
        "okButton");
    Press("mercDataButton");
    Press("okButton");
    const CMobData done = dialog->Result();
    EXPECT_EQ(done.clan, "wolves");
    EXPECT_EQ(done.rank, 40000);
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
    Open(mob, 0);
    OnNextModal([](QWidget* modal) {
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
    },
        "okButton");
    Press("trainerButton");
    const CMobData& edited = Edited();
    EXPECT_EQ(edited.trainerClass, "bard") << "the class stays unless another is chosen";
    ASSERT_EQ(edited.trainerSkills.size(), 2u) << "the entry without a skill is dropped";
    EXPECT_EQ(edited.trainerSkills[0].skill, "kick");
    EXPECT_EQ(edited.trainerSkills[1].skill + " " + std::to_string(edited.trainerSkills[1].mult), "dodge 40000");
}

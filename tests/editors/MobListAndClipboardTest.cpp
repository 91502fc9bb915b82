#include "MobEditorFixture.h"

#include "editors/CMobListDlg.h"
#include "gui/CAreaDocument.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

class MobList : public MobEditorFixture {
protected:
    void SetUp() override
    {
        MobEditorFixture::SetUp();
        area = std::make_unique<CAreaDocument>(tables);
        area->OnNewDocument(QStringLiteral("Test"));
        CAreaHeader header = area->Doc().Header();
        header.lowerVnum = 0;
        header.upperVnum = 10100;
        area->Editor().ReplaceHeader(header);
        for (const auto& [vnum, name] : { std::pair { 9000, "guard" }, std::pair { 10012, "king" }, std::pair { 1, "rat" },
                 std::pair { 1, "second rat" } }) {
            CMobData mob(tables);
            mob.vnum = vnum;
            mob.name = name;
            area->Editor().AddMob(mob);
        }
        area->Editor().Clear();
    }

    void OpenList()
    {
        list = std::make_unique<CMobListDlg>(area->Editor());
        ShowActive(list.get());
        shown = list.get();
    }
    QListWidget* Lines() const { return W<QListWidget>("mobList"); }

    std::unique_ptr<CAreaDocument> area;
    std::unique_ptr<CMobListDlg> list;
};

} // namespace

TEST_F(MobList, OpensOnTheListWithNothingChosenAndLinesSortAsText)
{
    OpenList();
    EXPECT_EQ(ListLines(Lines()), "1\trat|1\tsecond rat|10012\tking|9000\tguard");
    EXPECT_TRUE(Lines()->hasFocus());
    EXPECT_TRUE(Lines()->selectedItems().isEmpty());
    Press("editButton");
    Press("deleteButton");
    EXPECT_TRUE(prompt.asked.empty()) << "Edit and Delete with nothing chosen do nothing";
    EXPECT_FALSE(area->Editor().CanUndo());
    QTest::keyClick(Lines(), Qt::Key_Down);
    EXPECT_EQ(Lines()->row(Lines()->selectedItems().value(0)), 0) << "the first arrow chooses the first line";
}

TEST_F(MobList, DeleteEditAndNewAreEachOneStepOnTheLinesRecord)
{
    OpenList();
    ChooseLine(Lines(), "1\tsecond");
    prompt.answers = { QMessageBox::No, QMessageBox::Yes };
    Press("deleteButton");
    EXPECT_EQ(area->Doc().mobs.size(), 4u) << "No keeps the mob";
    ChooseLine(Lines(), "1\tsecond");
    Press("deleteButton");
    ASSERT_EQ(area->Doc().mobs.size(), 3u);
    EXPECT_EQ(area->Doc().mobs[2].name, "rat") << "the line's own mob goes, not the first with its vnum";
    EXPECT_EQ(prompt.asked.back().title + QLatin1Char(' ') + prompt.asked.back().text,
        QStringLiteral("Attention! Attention! You are about to delete a mob.\nThis action is irreversable! Do you wish to continue?"));
    EXPECT_EQ(prompt.defaults.back(), QMessageBox::No);

    ChooseLine(Lines(), "1\trat");
    OnNextModal([](QWidget* modal) {
        Find<QLineEdit>(modal, "nameEdit")->setText(QStringLiteral("big rat"));
    },
        "okButton");
    QTest::keyClick(Lines(), Qt::Key_Return);
    EXPECT_EQ(area->Doc().mobs[2].name, "big rat");

    OnNextModal([](QWidget* modal) {
        EXPECT_EQ(Find<CNumberBox>(modal, "vnumBox")->value(), 2) << "vnum 0 is never proposed";
        Find<QLineEdit>(modal, "nameEdit")->setText(QStringLiteral("cat"));
    },
        "okButton");
    Press("newButton");
    ASSERT_EQ(area->Doc().mobs.size(), 4u);
    EXPECT_EQ(area->Doc().mobs[3].vnum, 2);
    OnNextModal(nullptr, "cancelButton");
    Press("newButton");
    EXPECT_EQ(area->Doc().mobs.size(), 4u) << "a cancelled new mob is not added";
    EXPECT_EQ(ListLines(Lines()), "1\tbig rat|10012\tking|2\tcat|9000\tguard");

    for (int step = 0; step < 3; ++step)
        EXPECT_TRUE(area->Editor().Undo());
    EXPECT_FALSE(area->Editor().CanUndo()) << "delete, edit and new were one step each";
    EXPECT_EQ(area->Doc().mobs[3].name, "second rat");
}

TEST_F(MobList, EnterAndADoubleClickOpenTheChosenMobOnce)
{
    OpenList();
    int opened = 0;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&opened] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal && modal->objectName() == QStringLiteral("mobEditDialog")) {
            ++opened;
            modal->reject();
        }
    });
    closer.start();
    auto* lines = Lines();
    ChooseLine(lines, "9000");
    QTest::keyClick(lines, Qt::Key_Return);
    QTest::qWait(60);
    EXPECT_EQ(opened, 1) << "Enter";
    const QPoint row = lines->visualItemRect(lines->currentItem()).center();
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(lines->viewport(), Qt::LeftButton, {}, row);
    QTest::qWait(60);
    EXPECT_EQ(opened, 2) << "double click";
}

TEST_F(MobList, NewWithoutAFreeVnumSaysSo)
{
    CAreaHeader header = area->Doc().Header();
    header.lowerVnum = 1;
    header.upperVnum = 1;
    area->Editor().ReplaceHeader(header);
    OpenList();
    Press("newButton");
    EXPECT_EQ(prompt.Told(true), QStringLiteral("Error No hay vnums disponibles!"));
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

    void OpenActive(const CMobData& mob, int ownIndex = 0)
    {
        Open(mob, ownIndex);
        ShowActive(dialog.get());
    }

    void PasteByKey() const
    {
        auto* box = W<QPlainTextEdit>("descriptionEdit");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    }
};

} // namespace

TEST_F(MobClipboard, CopyAndPasteBetweenTwoAreasWithAndWithoutAShop)
{
    for (const bool withShop : { true, false }) {
        SCOPED_TRACE(withShop ? "with a shop" : "without a shop");
        OpenActive(Source(withShop));
        auto* name = W<QLineEdit>("nameEdit");
        name->setFocus();
        QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        ASSERT_EQ(QGuiApplication::clipboard()->mimeData()->formats(), QStringList { QStringLiteral("TOLVEX_MOB") });
        const std::vector<uint8_t> copied = OnClipboard(MobRecordFormat);

        CMobData target = doc.mobs[1];
        target.race = "dwarf";
        target.trainerClass = "mage";
        target.shop = withShop ? std::nullopt : std::optional<CShopData>(CShopData());
        OpenActive(target, 1);
        PasteByKey();
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
    OpenActive(doc.mobs[0]);
    PasteByKey();
    EXPECT_EQ(prompt.Told(), QStringLiteral("The clipboard does not hold a complete mob."));
    EXPECT_EQ(W<QLineEdit>("nameEdit")->text(), QStringLiteral("baker"));
}

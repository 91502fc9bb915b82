#include "EditorFixture.h"

#include "editors/CFlagList.h"
#include "editors/CNumberBox.h"
#include "editors/CResetEditDlg.h"
#include "editors/CRoomEditDlg.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

class RoomEditDlg : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        CRoomData& room = doc.rooms[0];
        room.description = "A plain room.";
        room.sector = 2;
        room.roomFlags = 0x1 | 0x8; // dark, indoors
        room.manaRate = 90;
        room.healRate = 110;
        room.owner = "ana";
        room.clan = "red";
        room.exits[DirNorth] = { "A dark corridor.", "", 0, 3002, 0 };
        room.exits[DirEast] = { "An old door.", "door", 3010, 3003, 0x1 | 0x2 };
        room.extraDescs = { { "Plaque", "Gold letters." }, { "altar", "Stone." } };
        room.resets = {
            { 'M', 3005, 1, 3001, 1 },
            { 'E', 3010, 1, 16, 1 },
            { 'D', 3001, 1, 1, 0 },
            { 'P', 3011, 1, 3001, 1 },
        };
    }

    void Open(int index = 0)
    {
        dialog = std::make_unique<CRoomEditDlg>(doc, doc.rooms[static_cast<size_t>(index)], index);
        dialog->show();
    }

    template <typename T>
    T* W(const char* name) const { return Find<T>(dialog.get(), name); }

    static void TypeNumber(CNumberBox* box, const QString& digits)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, digits);
    }

    static void ClickFlag(CFlagList* list, const char* name)
    {
        const QList<QListWidgetItem*> items = list->findItems(QString::fromLatin1(name), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << "no flag " << name;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
    }

    QStringList ResetRow(int row) const
    {
        QTreeWidgetItem* item = W<QTreeWidget>("resetList")->topLevelItem(row);
        QStringList texts;
        for (int column = 0; item && column < 5; ++column)
            texts << item->text(column);
        return texts;
    }

    void SelectResetRow(int row) const
    {
        auto* list = W<QTreeWidget>("resetList");
        list->clearSelection();
        list->topLevelItem(row)->setSelected(true);
    }

    void ClickOk() { QTest::mouseClick(W<QPushButton>("okButton"), Qt::LeftButton); }

    std::unique_ptr<CRoomEditDlg> dialog;
};

QStringList Row(std::initializer_list<const char*> texts)
{
    QStringList row;
    for (const char* t : texts)
        row << QString::fromLatin1(t);
    return row;
}

} // namespace

TEST_F(RoomEditDlg, OkWithoutChangesKeepsEveryField)
{
    const CRoomData before = doc.rooms[0];
    OnNextModal([](QWidget* modal) { QTest::mouseClick(Find<QPushButton>(modal, "okButton"), Qt::LeftButton); });
    ASSERT_TRUE(CRoomEditDlg::EditRoom(nullptr, doc, doc.rooms[0]));
    const CRoomData& after = doc.rooms[0];
    EXPECT_EQ(after.sector, before.sector) << "opening must not choose a sector";
    EXPECT_EQ(after.roomFlags, before.roomFlags);
    EXPECT_EQ(after.manaRate, 90);
    EXPECT_EQ(after.healRate, 110);
    EXPECT_EQ(after.owner, "ana");
    EXPECT_EQ(after.description, "A plain room.");
    EXPECT_EQ(after.exits[DirEast].keyword, "door");
    EXPECT_EQ(after.exits[DirEast].exitFlags, 3u);
    EXPECT_EQ(after.exits[DirEast].key, 3010);
    ASSERT_EQ(after.extraDescs.size(), 2u);
    EXPECT_EQ(after.extraDescs[0].keyword, "Plaque") << "keywords keep their letters";
    ASSERT_EQ(after.resets.size(), 4u);
    EXPECT_EQ(after.resets[3].arg3, 3001);
}

TEST_F(RoomEditDlg, CancelLeavesTheRoomAlone)
{
    OnNextModal([](QWidget* modal) {
        Find<QLineEdit>(modal, "nameEdit")->setText(QStringLiteral("Changed"));
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_FALSE(CRoomEditDlg::EditRoom(nullptr, doc, doc.rooms[0]));
    EXPECT_EQ(doc.rooms[0].name, "Room 3001");
}

TEST_F(RoomEditDlg, EachExitKeepsItsEditsWhenAnotherIsShown)
{
    Open();
    auto* description = W<QPlainTextEdit>("exitDescriptionEdit");
    auto* keyword = W<QLineEdit>("exitKeywordEdit");
    EXPECT_TRUE(W<QPushButton>("exitNorthButton")->isChecked());
    EXPECT_EQ(description->toPlainText(), QStringLiteral("A dark corridor."));

    description->setPlainText(QStringLiteral("A lit corridor."));
    keyword->setText(QStringLiteral("arch"));
    TypeNumber(W<CNumberBox>("exitKeyBox"), QStringLiteral("-1"));
    QTest::mouseClick(W<QPushButton>("exitEastButton"), Qt::LeftButton);

    EXPECT_TRUE(W<QPushButton>("exitEastButton")->isChecked());
    EXPECT_FALSE(W<QPushButton>("exitNorthButton")->isChecked()) << "one exit button at a time";
    EXPECT_EQ(description->toPlainText(), QStringLiteral("An old door."));
    EXPECT_EQ(W<CNumberBox>("exitVnumBox")->value(), 3003);
    EXPECT_EQ(W<CNumberBox>("exitKeyBox")->value(), 3010);
    EXPECT_TRUE(W<CFlagList>("exitFlagList")->IsShownSet(0x2)) << "the east exit's flags are shown";

    QTest::mouseClick(W<QPushButton>("exitNorthButton"), Qt::LeftButton);
    EXPECT_EQ(description->toPlainText(), QStringLiteral("A lit corridor."));
    EXPECT_EQ(keyword->text(), QStringLiteral("arch"));
    EXPECT_FALSE(W<CFlagList>("exitFlagList")->IsShownSet(0x2));

    // Typed into the shown exit and never switched away: OK keeps it too.
    keyword->setText(QStringLiteral("archway"));
    ClickOk();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    const CExitData& north = dialog->State().room.exits[DirNorth];
    EXPECT_EQ(north.description, "A lit corridor.");
    EXPECT_EQ(north.keyword, "archway");
    EXPECT_EQ(north.key, -1);
    EXPECT_EQ(north.toVnum, 3002);
}

TEST_F(RoomEditDlg, ClickingAFlagTogglesItAndItsImage)
{
    Open();
    auto* roomFlags = W<CFlagList>("roomFlagList");
    ASSERT_TRUE(roomFlags->IsShownSet(0x1));
    ClickFlag(roomFlags, "dark");
    EXPECT_FALSE(roomFlags->IsShownSet(0x1));
    EXPECT_EQ(dialog->State().room.roomFlags, 0x8u);
    ClickFlag(roomFlags, "safe");
    EXPECT_TRUE(roomFlags->IsShownSet(0x400));
    EXPECT_EQ(dialog->State().room.roomFlags, 0x408u);

    // Exit flags belong to the shown exit only.
    auto* exitFlags = W<CFlagList>("exitFlagList");
    QTest::mouseClick(W<QPushButton>("exitEastButton"), Qt::LeftButton);
    ClickFlag(exitFlags, "closed");
    EXPECT_FALSE(exitFlags->IsShownSet(0x2));
    ClickFlag(exitFlags, "pickproof");
    EXPECT_EQ(dialog->State().room.exits[DirEast].exitFlags, 0x1u | 0x20u);
    EXPECT_EQ(dialog->State().room.exits[DirNorth].exitFlags, 0u);
}

TEST_F(RoomEditDlg, TypedVnumRewritesTheResetsThatNameTheRoom)
{
    Open();
    TypeNumber(W<CNumberBox>("vnumBox"), QStringLiteral("3050"));
    EXPECT_EQ(ResetRow(0), Row({ "M", "3005", "1", "3050", "1" }));
    EXPECT_EQ(ResetRow(1), Row({ "E", "3010", "1", "16", "1" })) << "E resets do not name the room";
    EXPECT_EQ(ResetRow(2), Row({ "D", "3050", "1", "1", "0" }));
    EXPECT_EQ(ResetRow(3), Row({ "P", "3011", "1", "3001", "1" })) << "a P reset keeps its arg3";
    ClickOk();
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->State().room.vnum, 3050);
    EXPECT_EQ(dialog->State().room.resets[0].arg3, 3050);
}

TEST_F(RoomEditDlg, MoveButtonsFollowTheSelectedReset)
{
    Open();
    auto* up = W<QPushButton>("resetUpButton");
    auto* down = W<QPushButton>("resetDownButton");
    EXPECT_FALSE(up->isEnabled());
    EXPECT_FALSE(down->isEnabled());

    const struct { int row; bool up; bool down; } cases[] = { { 0, false, true }, { 1, true, true }, { 3, true, false } };
    for (const auto& c : cases) {
        SelectResetRow(c.row);
        EXPECT_EQ(up->isEnabled(), c.up) << "row " << c.row;
        EXPECT_EQ(down->isEnabled(), c.down) << "row " << c.row;
    }

    SelectResetRow(0);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(ResetRow(0), Row({ "E", "3010", "1", "16", "1" }));
    EXPECT_EQ(ResetRow(1), Row({ "M", "3005", "1", "3001", "1" }));
    EXPECT_TRUE(W<QTreeWidget>("resetList")->topLevelItem(1)->isSelected()) << "the moved reset stays selected";
    EXPECT_TRUE(up->isEnabled());
    QTest::mouseClick(up, Qt::LeftButton);
    QTest::mouseClick(up, Qt::LeftButton); // already first: nothing
    EXPECT_EQ(dialog->State().room.resets[0].command, 'M');
    EXPECT_EQ(dialog->State().room.resets[1].command, 'E');
    EXPECT_FALSE(up->isEnabled());
}

TEST_F(RoomEditDlg, ResetMenuNeedsARowToDeleteOrEdit)
{
    Open();
    auto* remove = Find<QAction>(dialog.get(), "resetDeleteAction");
    auto* edit = Find<QAction>(dialog.get(), "resetEditAction");
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_TRUE(Find<QAction>(dialog.get(), "resetAddAction")->isEnabled());

    SelectResetRow(2);
    EXPECT_TRUE(remove->isEnabled());
    remove->trigger();
    ASSERT_EQ(dialog->State().room.resets.size(), 3u);
    EXPECT_EQ(dialog->State().room.resets[2].command, 'P');
    EXPECT_EQ(W<QTreeWidget>("resetList")->topLevelItemCount(), 3);
}

TEST_F(RoomEditDlg, AddedResetTakesTheVnumTheBoxShows)
{
    Open();
    TypeNumber(W<CNumberBox>("vnumBox"), QStringLiteral("3040"));
    OnNextModal([](QWidget* modal) {
        auto* type = Find<QComboBox>(modal, "typeCombo");
        EXPECT_EQ(type->currentIndex(), -1) << "a new reset has no kind yet";
        type->setCurrentIndex(type->findText(QStringLiteral("Mob to room")));
        auto* mobs = Find<QComboBox>(modal, "firstList");
        mobs->setCurrentIndex(mobs->findText(QStringLiteral("a guard (3006)")));
        emit mobs->activated(mobs->currentIndex());
        QTest::mouseClick(Find<QPushButton>(modal, "okButton"), Qt::LeftButton);
    });
    Find<QAction>(dialog.get(), "resetAddAction")->trigger();
    ASSERT_EQ(dialog->State().room.resets.size(), 5u);
    EXPECT_EQ(ResetRow(4), Row({ "M", "3006", "1", "3040", "1" }));

    // A double click edits the row; Cancel changes nothing.
    OnNextModal([](QWidget* modal) {
        Find<CNumberBox>(modal, "maxBox")->setValue(9);
        QTest::mouseClick(Find<QPushButton>(modal, "cancelButton"), Qt::LeftButton);
    });
    auto* list = W<QTreeWidget>("resetList");
    QTreeWidgetItem* row = list->topLevelItem(4);
    list->scrollToItem(row);
    const int answeredBefore = modalsAnswered;
    const QPoint onRow = list->visualItemRect(row).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, onRow); // the first click of the double click
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, onRow);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onRow);
    EXPECT_EQ(modalsAnswered, answeredBefore + 1) << "a double click opens the reset";
    EXPECT_EQ(ResetRow(4), Row({ "M", "3006", "1", "3040", "1" }));
}

TEST_F(RoomEditDlg, OkRefusesAVnumOutOfRangeThenOneInUse)
{
    Open();
    auto* vnum = W<CNumberBox>("vnumBox");
    const struct { const char* typed; const char* message; } cases[] = {
        { "2999", "VNum out or range! (3000 to 3099)" },
        { "3100", "VNum out or range! (3000 to 3099)" },
        { "3002", "That vnum is in use!" },
    };
    for (const auto& c : cases) {
        prompt.shown.clear();
        TypeNumber(vnum, QString::fromLatin1(c.typed));
        W<QLineEdit>("nameEdit")->setFocus();
        ClickOk();
        ASSERT_EQ(prompt.shown.size(), 1u) << c.typed;
        EXPECT_EQ(prompt.shown[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(prompt.shown[0].title, QStringLiteral("Error!"));
        EXPECT_EQ(prompt.shown[0].icon, QMessageBox::Critical);
        EXPECT_TRUE(dialog->isVisible()) << c.typed << ": the dialog stays open";
        EXPECT_EQ(dialog->focusWidget(), vnum) << c.typed << ": the focus goes back to the vnum";
    }
    prompt.shown.clear();
    TypeNumber(vnum, QStringLiteral("3001"));
    ClickOk();
    EXPECT_TRUE(prompt.shown.empty()) << "the room's own vnum is not in use";
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(RoomEditDlg, NumberOutsideItsBoxRangeIsRefusedWithAMessage)
{
    Open();
    TypeNumber(W<CNumberBox>("manaRateBox"), QStringLiteral("40000"));
    ClickOk();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("Please enter an integer between 0 and 32767."));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->focusWidget(), W<CNumberBox>("manaRateBox"));

    // The arrows stop at the ends of the range.
    auto* key = W<CNumberBox>("exitKeyBox");
    key->setValue(0);
    key->stepBy(-5);
    EXPECT_EQ(key->value(), -1);
}

TEST_F(RoomEditDlg, ExtraDescriptionsAddFindAndDeleteLetterCaseAside)
{
    Open();
    auto* keyword = W<QComboBox>("extraKeywordCombo");
    auto* text = W<QPlainTextEdit>("extraDescriptionEdit");
    EXPECT_EQ(keyword->count(), 2);
    EXPECT_EQ(keyword->itemText(0), QStringLiteral("altar")) << "sorted, in lower case";
    EXPECT_EQ(keyword->itemText(1), QStringLiteral("plaque"));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Gold letters.")) << "the first extra description is shown";

    // A keyword already there is only chosen.
    keyword->setEditText(QStringLiteral("altar"));
    QTest::mouseClick(W<QPushButton>("extraAddButton"), Qt::LeftButton);
    EXPECT_EQ(dialog->State().room.extraDescs.size(), 2u);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Stone."));

    // Editing the box edits the chosen description.
    text->setPlainText(QStringLiteral("Cold stone."));
    EXPECT_EQ(dialog->State().room.extraDescs[1].description, "Cold stone.");

    keyword->setEditText(QStringLiteral("window"));
    QTest::mouseClick(W<QPushButton>("extraAddButton"), Qt::LeftButton);
    ASSERT_EQ(dialog->State().room.extraDescs.size(), 3u);
    EXPECT_EQ(dialog->State().room.extraDescs[2].keyword, "window");
    EXPECT_EQ(keyword->currentText(), QStringLiteral("window"));

    // "Plaque" was read with a capital: deleting "plaque" still removes it.
    keyword->setCurrentIndex(keyword->findText(QStringLiteral("plaque")));
    emit keyword->activated(keyword->currentIndex());
    QTest::mouseClick(W<QPushButton>("extraDeleteButton"), Qt::LeftButton);
    ASSERT_EQ(dialog->State().room.extraDescs.size(), 2u);
    for (const CExtraDescData& extra : dialog->State().room.extraDescs)
        EXPECT_NE(extra.keyword, "Plaque");
    EXPECT_EQ(keyword->count(), 2);
    EXPECT_EQ(keyword->currentText(), QStringLiteral("altar")) << "the top of the list is shown next";
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Cold stone."));

    // An empty keyword adds nothing.
    keyword->setEditText(QString());
    QTest::mouseClick(W<QPushButton>("extraAddButton"), Qt::LeftButton);
    EXPECT_EQ(dialog->State().room.extraDescs.size(), 2u);
}

#include "app/AppFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// The map's room commands driven through the real dialogs.
class MapRoomEditing : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ASSERT_TRUE(Start({ TowerArea() }));
        view = ActiveView();
        ASSERT_NE(view, nullptr);
        doc = &view->GetDocument();
        doc->SetModified(false);
    }

    int RoomIndex(int vnum) const { return doc->FindRoomIndex(vnum); }
    const CRoomData& Room(int vnum) const { return doc->rooms[static_cast<size_t>(RoomIndex(vnum))]; }

    // Answers the next modal dialog: `edit` runs on it, then OK or Cancel.
    // The timer belongs to the test, so it cannot fire in a later one.
    void Answer(bool ok, std::function<void(QWidget*)> edit = {})
    {
        auto* timer = new QTimer(&timers);
        timer->setSingleShot(true);
        timer->start(0);
        QObject::connect(timer, &QTimer::timeout, [ok, edit] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr) << "no dialog opened";
            if (edit)
                edit(modal);
            const char* button = ok ? "okButton" : "cancelButton";
            QPushButton* press = modal->findChild<QPushButton*>(QString::fromLatin1(button));
            if (!press) // the room list names its buttons after their captions
                press = modal->findChild<QPushButton*>(QString::fromLatin1(ok ? "editButton" : "closeButton"));
            ASSERT_NE(press, nullptr) << button;
            QTest::mouseClick(press, Qt::LeftButton);
        });
    }

    CTolvexView* view = nullptr;
    CTolvexDoc* doc = nullptr;
    QObject timers;
};

} // namespace

TEST_F(MapRoomEditing, RoomCommandsAreEnabledByTheSelection)
{
    const Command withSelection[] = { Command::RoomsEdit, Command::RoomsDelete, Command::RoomsCreateNorth,
        Command::RoomsCreateSouth, Command::RoomsCreateEast, Command::RoomsCreateWest, Command::RoomsCreateUp,
        Command::RoomsCreateDown };
    view->SetSelection(-1);
    for (Command c : withSelection)
        EXPECT_FALSE(view->IsCommandEnabled(c)) << static_cast<int>(c);
    for (Command c : { Command::RoomsNew, Command::RoomsList, Command::AreaGeneral })
        EXPECT_TRUE(view->IsCommandEnabled(c)) << static_cast<int>(c);
    view->SetSelection(0);
    for (Command c : withSelection)
        EXPECT_TRUE(view->IsCommandEnabled(c)) << static_cast<int>(c);
}

TEST_F(MapRoomEditing, NewRoomTakesTheLowestFreeVnumAndIsSelected)
{
    Answer(true, [](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("The Shed"));
    });
    view->OnRoomsNew();
    ASSERT_EQ(doc->rooms.size(), 9u);
    EXPECT_EQ(doc->rooms.back().vnum, 108);
    EXPECT_EQ(doc->rooms.back().name, "The Shed");
    EXPECT_TRUE(doc->rooms.back().unplaced) << "a room without exits stays off the map";
    EXPECT_EQ(view->Selection(), 8);
    EXPECT_TRUE(doc->IsModified());

    doc->SetModified(false);
    Answer(false);
    view->OnRoomsNew();
    EXPECT_EQ(doc->rooms.size(), 9u) << "a cancelled room is discarded";
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(MapRoomEditing, CreateWestLinksBothWaysAndPlacesTheRoom)
{
    view->SetSelection(RoomIndex(100));
    Answer(true, [](QWidget* dialog) {
        EXPECT_EQ(dialog->findChild<QPushButton*>(QStringLiteral("exitNorthButton"))->isChecked(), true);
    });
    view->OnRoomsCreate(DirWest);
    ASSERT_EQ(doc->rooms.size(), 9u);
    const CRoomData& created = doc->rooms.back();
    EXPECT_EQ(created.exits[DirEast].toVnum, 100);
    EXPECT_EQ(Room(100).exits[DirWest].toVnum, 108);
    EXPECT_FALSE(created.unplaced);
    EXPECT_EQ(created.level, Room(100).level);
    EXPECT_EQ(created.y, Room(100).y);
    EXPECT_EQ(Room(100).x - created.x, 4 * doc->cellSize);
    EXPECT_EQ(view->Selection(), 8);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(MapRoomEditing, CreateTowardAnExitIsRefused)
{
    view->SetSelection(RoomIndex(100));
    view->OnRoomsCreate(DirNorth);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("That room has an exit in that direction!"));
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("Error!"));
    EXPECT_EQ(doc->rooms.size(), 8u);

    prompt.shown.clear();
    doc->upperVnum = 107;
    view->OnRoomsNew();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("No vnums available!"));
    EXPECT_EQ(doc->rooms.size(), 8u);
}

TEST_F(MapRoomEditing, DeleteAsksFirstAndOtherWindowsKeepTheirRoom)
{
    Action(Command::WindowNew)->trigger();
    CTolvexView* second = ActiveView();
    ASSERT_NE(second, view);
    second->SetSelection(RoomIndex(105));
    view->SetSelection(RoomIndex(103));

    view->OnRoomsDelete(); // the scripted prompt answers No
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text,
        QStringLiteral("Warning! You are about to delete a room.\nThis action is irreversible! Do you wish to continue?"));
    EXPECT_EQ(prompt.defaults[0], QMessageBox::No);
    EXPECT_EQ(doc->rooms.size(), 8u);

    prompt.answers.push_back(QMessageBox::Yes);
    view->OnRoomsDelete();
    ASSERT_EQ(doc->rooms.size(), 7u);
    EXPECT_EQ(RoomIndex(103), -1);
    EXPECT_EQ(Room(100).exits[DirEast].toVnum, 0) << "the exit to the deleted room is gone";
    EXPECT_EQ(view->Selection(), -1);
    EXPECT_EQ(second->Selection(), RoomIndex(105)) << "the other window still shows its room";
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(MapRoomEditing, EditFromTheRoomListLaysTheAreaOutAgain)
{
    view->SetSelection(RoomIndex(101));
    // The list: choose the Vault and press Edit; then the editor: rename, OK.
    Answer(true, [this](QWidget* list) {
        auto* rooms = list->findChild<QListWidget*>(QStringLiteral("roomList"));
        const QList<QListWidgetItem*> vault = rooms->findItems(QStringLiteral(" 102\tThe Vault"), Qt::MatchExactly);
        ASSERT_EQ(vault.size(), 1);
        rooms->setCurrentItem(vault[0]);
        Answer(true, [](QWidget* editor) {
            editor->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("The Treasury"));
        });
    });
    view->OnRoomsList();
    EXPECT_EQ(Room(102).name, "The Treasury");
    EXPECT_EQ(view->Selection(), RoomIndex(101)) << "the list does not change the selection";
    EXPECT_TRUE(doc->IsModified());
}

#include "gui_support/DialogDriver.h"
#include "gui_support/TowerViewFixture.h"

#include "commands/CAreaCommands.h"
#include "editors/RecordClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace {

// The map's room commands driven through the real view and dialogs.
class MapRoomEditing : public TowerViewFixture {
protected:
    QObject timers; // of the dialogs' answers
};

} // namespace

TEST_F(MapRoomEditing, RoomCommandsAreEnabledByTheSelectionAndCreateTowardAnExitIsRefused)
{
    for (int selection : { -1, 0 }) {
        view->SetSelection(selection);
        for (Command c : { Command::RoomsEdit, Command::RoomsDelete, Command::RoomsCreateNorth, Command::RoomsCreateDown,
                 Command::EditCopy })
            EXPECT_EQ(Action(c)->isEnabled(), selection >= 0) << static_cast<int>(c);
        EXPECT_TRUE(Action(Command::RoomsNew)->isEnabled() && Action(Command::RoomsList)->isEnabled());
    }
    view->SetSelection(RoomIndex(100));
    CAreaCommands(*view).RoomsCreate(DirNorth); // no dialog: the test would hang on it
    EXPECT_EQ(prompt.Told(true), QStringLiteral("Error! That room has an exit in that direction!"));
    EXPECT_EQ(doc->rooms.size(), 8u);
}

TEST_F(MapRoomEditing, NewRoomTakesTheLowestFreeVnumUnlessCancelledOrNoneIsFree)
{
    OnNextModal(timers, {}, "cancelButton");
    CAreaCommands(*view).RoomsNew();
    EXPECT_EQ(doc->rooms.size(), 8u) << "a cancelled room is discarded";
    EXPECT_FALSE(view->Document().IsModified());
    OnNextModal(
        timers, [](QWidget* dialog) { Find<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("The Shed")); }, "okButton");
    CAreaCommands(*view).RoomsNew();
    ASSERT_EQ(doc->rooms.size(), 9u);
    EXPECT_EQ(doc->rooms.back().vnum, 108);
    EXPECT_EQ(doc->rooms.back().name, "The Shed");
    EXPECT_TRUE(doc->rooms.back().unplaced) << "a room without exits stays off the map";
    EXPECT_EQ(view->Selection(), 8);
    EXPECT_TRUE(view->Document().IsModified());

    CAreaHeader header = doc->Header();
    header.upperVnum = 108;
    view->Document().Editor().ReplaceHeader(header);
    CAreaCommands(*view).RoomsNew(); // no dialog: the test would hang on it
    EXPECT_EQ(prompt.Told(), QStringLiteral("No vnums available!"));
}

TEST_F(MapRoomEditing, DeleteAsksFirstAndOtherWindowsKeepTheirRoom)
{
    Action(Command::WindowNew)->trigger();
    CTolvexView* second = ActiveView();
    second->SetSelection(RoomIndex(105));
    view->SetSelection(RoomIndex(103));
    CAreaCommands(*view).RoomsDelete(); // the scripted prompt answers No
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text,
        QStringLiteral("Warning! You are about to delete a room.\nThis action is irreversible! Do you wish to continue?"));
    EXPECT_EQ(prompt.defaults[0], QMessageBox::No);
    EXPECT_EQ(doc->rooms.size(), 8u);

    prompt.answers.push_back(QMessageBox::Yes);
    CAreaCommands(*view).RoomsDelete();
    ASSERT_EQ(doc->rooms.size(), 7u);
    EXPECT_EQ(view->Selection(), -1);
    ASSERT_NE(second, view);
    EXPECT_EQ(second->Selection(), RoomIndex(105)) << "the other window still shows its room";
}

// Ctrl+C and Ctrl+V on the map: the selected room travels as a room record
// and comes back as a new room on the lowest free vnum, one step.
TEST_F(MapRoomEditing, CopyAndPasteMakeANewRoomOfTheSelectedOne)
{
    QApplication::clipboard()->clear();
    Action(Command::EditPaste)->trigger();
    EXPECT_EQ(prompt.Told(true), QStringLiteral("Error! The clipboard holds no room to paste."));
    EXPECT_FALSE(view->Document().IsModified());

    view->SetSelection(RoomIndex(103));
    Frame()->UpdateActions();
    Action(Command::EditCopy)->trigger();
    QByteArray bytes;
    EXPECT_TRUE(RecordOnClipboard("TOLVEX_ROOM", bytes));
    Action(Command::EditPaste)->trigger();
    ASSERT_EQ(doc->rooms.size(), 9u);
    EXPECT_EQ(doc->rooms.back().vnum, 108);
    EXPECT_EQ(doc->rooms.back().name, Room(103).name);
    EXPECT_EQ(doc->rooms.back().description, Room(103).description);
    EXPECT_EQ(view->Selection(), 8);
    EXPECT_EQ(Action(Command::EditUndo)->text(), QStringLiteral("&Undo Create Room 108"));
    Action(Command::EditUndo)->trigger();
    EXPECT_EQ(doc->rooms.size(), 8u);
}

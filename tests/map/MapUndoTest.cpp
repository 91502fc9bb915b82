#include "gui_support/DialogDriver.h"
#include "gui_support/TowerViewFixture.h"

#include "app/CMainFrame.h"

#include <QAction>
#include <QKeySequence>

namespace {

// Undo and redo of the map's room commands, through the Edit menu's items.
using MapUndo = TowerViewFixture;

} // namespace

// What each step changes is checked in tests/edit/CAreaEditorTest.cpp.
TEST_F(MapUndo, UndoAndRedoNameEachStepAndTheModifiedMarkFollowsTheSavedState)
{
    EXPECT_TRUE(Action(Command::EditRedo)->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
    EXPECT_TRUE(Action(Command::EditRedo)->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
    EXPECT_FALSE(Action(Command::EditUndo)->isEnabled()) << "nothing to undo after opening";
    view->SetSelection(RoomIndex(102));
    QObject timers;
    for (int i = 0; i < 2; ++i) {
        OnNextModal(timers, {}, "okButton");
        Action(Command::RoomsCreateEast)->trigger();
    }
    ASSERT_EQ(doc->rooms.size(), 10u);
    const int first = doc->rooms[8].vnum, second = doc->rooms[9].vnum;
    EXPECT_EQ(Action(Command::EditUndo)->text(), QStringLiteral("&Undo Create Room %1").arg(second));
    EXPECT_TRUE(Frame()->isWindowModified());

    Action(Command::EditUndo)->trigger();
    ASSERT_EQ(doc->rooms.size(), 9u);
    EXPECT_EQ(view->Selection(), -1) << "the selected room is gone";
    EXPECT_EQ(Action(Command::EditRedo)->text(), QStringLiteral("&Redo Create Room %1").arg(second));
    EXPECT_TRUE(app->SaveDocument(view->Document(), false));
    EXPECT_FALSE(Frame()->isWindowModified());
    const std::string saved = ReadAll(view->Document().PathName().toStdString());
    EXPECT_TRUE(saved.find("#" + std::to_string(first) + "\n") != std::string::npos && saved.find("#" + std::to_string(second) + "\n") == std::string::npos);

    Action(Command::EditRedo)->trigger();
    EXPECT_EQ(Room(first).exits[DirEast].toVnum, second);
    EXPECT_FALSE(Room(second).unplaced) << "laid out again";
    EXPECT_TRUE(Frame()->isWindowModified());
    Action(Command::EditUndo)->trigger();
    EXPECT_FALSE(Frame()->isWindowModified()) << "back at the saved state";
}

TEST_F(MapUndo, UndoingADeleteBringsTheRoomBackAndSelectionGoesWithARemovedRoom)
{
    view->SetSelection(RoomIndex(103));
    prompt.answers = { QMessageBox::Yes };
    Action(Command::RoomsDelete)->trigger();
    ASSERT_EQ(RoomIndex(103), -1);
    EXPECT_EQ(view->Selection(), -1);
    EXPECT_EQ(Action(Command::EditUndo)->text(), QStringLiteral("&Undo Delete Room 103"));
    Action(Command::EditUndo)->trigger();
    ASSERT_NE(RoomIndex(103), -1);

    view->SetSelection(RoomIndex(103));
    Action(Command::EditRedo)->trigger();
    EXPECT_EQ(view->Selection(), -1) << "a window whose room is gone has no selection";
    EXPECT_EQ(ActiveChild()->MapStatusText(), QStringLiteral("Level 0"));
    EXPECT_FALSE(view->viewport()->grab().isNull());
}

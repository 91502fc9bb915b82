#include "gui_support/DialogDriver.h"
#include "gui_support/TowerViewFixture.h"

#include "app/CMainFrame.h"

#include <QAction>
#include <QKeySequence>

namespace {

// Undo and redo of the map's room commands, through the Edit menu's items.
class MapUndo : public TowerViewFixture {
protected:
    void CreateEast()
    {
        OnNextModal(timers, {}, "okButton");
        Action(Command::RoomsCreateEast)->trigger();
    }
    bool AnyExitTo(int vnum) const
    {
        for (const CRoomData& r : doc->rooms)
            for (const CExitData& e : r.exits)
                if (e.toVnum == vnum)
                    return true;
        return false;
    }
    QObject timers;
};

} // namespace

TEST_F(MapUndo, CreateThreeUndoTwoRedoOneNamesEachStepAndFollowsTheSavedState)
{
    EXPECT_TRUE(Action(Command::EditRedo)->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
    EXPECT_TRUE(Action(Command::EditRedo)->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
    EXPECT_FALSE(Action(Command::EditUndo)->isEnabled()) << "nothing to undo after opening";

    view->SetSelection(RoomIndex(102));
    for (int i = 0; i < 3; ++i)
        CreateEast();
    ASSERT_EQ(doc->rooms.size(), 11u);
    const int first = doc->rooms[8].vnum, second = doc->rooms[9].vnum, third = doc->rooms[10].vnum;
    EXPECT_EQ(Action(Command::EditUndo)->text(), QStringLiteral("&Undo Create Room %1").arg(third));
    EXPECT_TRUE(Frame()->isWindowModified());

    Action(Command::EditUndo)->trigger();
    Action(Command::EditUndo)->trigger();
    ASSERT_EQ(doc->rooms.size(), 9u);
    EXPECT_FALSE(AnyExitTo(second) || AnyExitTo(third)) << "no exit to the undone rooms";
    EXPECT_EQ(view->Selection(), -1) << "the selected room is gone";
    EXPECT_EQ(Action(Command::EditRedo)->text(), QStringLiteral("&Redo Create Room %1").arg(second));

    Action(Command::EditRedo)->trigger();
    ASSERT_EQ(doc->rooms.size(), 10u);
    EXPECT_EQ(Room(first).exits[DirEast].toVnum, second);
    EXPECT_EQ(Room(second).exits[DirWest].toVnum, first);
    EXPECT_FALSE(Room(second).unplaced) << "laid out again";

    // Saving marks the clean state; undoing back past it marks the area modified.
    EXPECT_TRUE(app->SaveDocument(view->Document(), false));
    EXPECT_FALSE(Frame()->isWindowModified());
    Action(Command::EditUndo)->trigger();
    EXPECT_TRUE(Frame()->isWindowModified());
    Action(Command::EditRedo)->trigger();
    EXPECT_FALSE(Frame()->isWindowModified()) << "back at the saved state";
    const std::string saved = ReadAll(view->Document().PathName().toStdString());
    EXPECT_NE(saved.find("#" + std::to_string(second) + "\n"), std::string::npos);
    EXPECT_EQ(saved.find("#" + std::to_string(third) + "\n"), std::string::npos);
}

TEST_F(MapUndo, UndoingADeleteBringsTheRoomBackWithItsExitsAndSelectionGoesWithARemovedRoom)
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
}

#include "gui_support/DialogDriver.h"
#include "gui_support/TowerViewFixture.h"

#include "gui/CNumberBox.h"

#include <QAction>
#include <QInputDialog>

namespace {

// The map as a builder drives it from the keyboard, and the room editor's
// changes as the map sees them.
class MapKeys : public TowerViewFixture {
protected:
    void Press(int key) { QTest::keyClick(view, static_cast<Qt::Key>(key)); }
    int SelectedVnum() const { return view->Selection() < 0 ? -1 : doc->rooms[static_cast<size_t>(view->Selection())].vnum; }
    QObject timers;
};

} // namespace

TEST_F(MapKeys, ArrowsAndPagesWalkTheExitsAndEnterOpensTheRoom)
{
    view->SetSelection(RoomIndex(100));
    const std::pair<int, int> walk[] = { { Qt::Key_Up, 101 }, { Qt::Key_Right, 102 }, { Qt::Key_Right, 102 },
        { Qt::Key_Left, 101 }, { Qt::Key_PageDown, 106 }, { Qt::Key_PageUp, 101 }, { Qt::Key_Down, 100 },
        { Qt::Key_PageUp, 104 } };
    for (const auto& [key, vnum] : walk) {
        Press(key);
        EXPECT_EQ(SelectedVnum(), vnum) << "key " << key;
        EXPECT_EQ(view->ShownLevel(), Room(vnum).level) << "the window follows the room's level";
    }
    bool opened = false;
    OnNextModal(
        timers, [&](QWidget* modal) { opened = modal->objectName() == QStringLiteral("roomEditDialog"); }, "cancelButton");
    Press(Qt::Key_Return);
    EXPECT_TRUE(opened);
}

TEST_F(MapKeys, RenumberingARoomTakesTheExitsThatLedToItInOneStep)
{
    view->SetSelection(RoomIndex(101));
    OnNextModal(
        timers, [](QWidget* modal) { TypeNumber(Find<CNumberBox>(modal, "vnumBox"), QStringLiteral("150")); }, "okButton");
    Frame()->UpdateActions();
    Action(Command::RoomsEdit)->trigger();
    ASSERT_NE(RoomIndex(150), -1);
    EXPECT_EQ(Room(100).exits[DirNorth].toVnum, 150);
    EXPECT_EQ(Room(102).exits[DirWest].toVnum, 150);
    EXPECT_EQ(Room(106).exits[DirUp].toVnum, 150);
    EXPECT_FALSE(Room(150).unplaced) << "the renumbered room stays on the map";
    Action(Command::EditUndo)->trigger();
    EXPECT_EQ(Room(100).exits[DirNorth].toVnum, 101) << "undone with the edit";
    EXPECT_EQ(Room(102).exits[DirWest].toVnum, 101);
}

TEST_F(MapKeys, CreatingUpOrDownShowsTheNewRoomsLevel)
{
    for (const auto& [command, level] : { std::pair { Command::RoomsCreateUp, 1 }, { Command::RoomsCreateDown, -1 } }) {
        view->SetShownLevel(0);
        view->SetSelection(RoomIndex(102));
        OnNextModal(timers, {}, "okButton");
        Action(command)->trigger();
        EXPECT_EQ(view->ShownLevel(), level);
        EXPECT_EQ(view->Selection(), static_cast<int>(doc->rooms.size()) - 1);
    }
}

TEST_F(MapKeys, GoToRoomFindsByVnumOrNameAndSaysWhenTheRoomIsOffTheMap)
{
    const struct {
        const char* typed;
        int vnum;
        size_t messages;
    } cases[] = {
        { "105", 105, 0 }, { "garden", 103, 0 }, { "nowhere", 103, 1 }
    };
    for (const auto& c : cases) {
        OnNextModal(timers, [&](QWidget* modal) {
            auto* input = qobject_cast<QInputDialog*>(modal);
            ASSERT_NE(input, nullptr);
            input->setTextValue(QString::fromLatin1(c.typed));
            input->accept();
        });
        Action(Command::EditGoToRoom)->trigger();
        EXPECT_EQ(SelectedVnum(), c.vnum) << c.typed;
        EXPECT_EQ(view->ShownLevel(), Room(c.vnum).level) << c.typed;
        EXPECT_EQ(prompt.shown.size(), c.messages) << c.typed;
    }
}

TEST_F(MapKeys, AllRoomsPutsTheRoomsNoExitReachesOnTheMapAndIsRemembered)
{
    CRoomData lonely;
    lonely.vnum = 150;
    view->Document().Editor().AddRoom(lonely);
    ASSERT_TRUE(Room(150).unplaced);
    Action(Command::ViewAllRooms)->trigger();
    EXPECT_TRUE(Action(Command::ViewAllRooms)->isChecked());
    EXPECT_FALSE(Room(150).unplaced);
    int widest = 0;
    for (const CRoomData& r : doc->rooms)
        if (r.vnum != 150)
            widest = std::max(widest, r.gridX);
    EXPECT_EQ(Room(150).gridX, widest + 2) << "one empty column apart";
    EXPECT_FALSE(view->Document().IsModified() && view->Document().Editor().UndoName() != "Create Room 150")
        << "showing more rooms is no change to the area";
    Action(Command::ViewAllRooms)->trigger();
    EXPECT_TRUE(Room(150).unplaced);
}

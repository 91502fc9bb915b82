#include "area/CTolvexDoc.h"
#include "map/RoomCommands.h"

#include <gtest/gtest.h>

using namespace RoomCommands;

namespace {

// An area of vnums 100..109 on tables of its own.
class RoomCommandsTest : public ::testing::Test {
protected:
    RoomCommandsTest()
        : doc(tables)
    {
        doc.lowerVnum = 100;
        doc.upperVnum = 109;
    }

    int AddPlainRoom(int vnum)
    {
        CRoomData room;
        room.vnum = vnum;
        doc.rooms.push_back(room);
        return static_cast<int>(doc.rooms.size()) - 1;
    }

    // What the view does for a Create command when the editor says OK.
    int CreateAndConfirm(int from, int direction)
    {
        const CRoomProposal proposal = ProposeRoomInDirection(doc, from, direction);
        EXPECT_TRUE(proposal.ready) << proposal.error;
        return AddRoom(doc, proposal.room, from, direction);
    }

    CConfigTables tables;
    CTolvexDoc doc;
};

const char* const DirectionNames[] = { "north", "east", "south", "west", "up", "down" };

} // namespace

TEST_F(RoomCommandsTest, CreateInEachDirectionLinksBothWaysAndPlacesTheRoom)
{
    const struct { int direction; int dx; int dy; int dlevel; } cases[] = {
        { DirNorth, 0, -4, 0 }, { DirEast, 4, 0, 0 }, { DirSouth, 0, 4, 0 },
        { DirWest, -4, 0, 0 }, { DirUp, 0, 0, 1 }, { DirDown, 0, 0, -1 },
    };
    for (const auto& c : cases) {
        const char* name = DirectionNames[c.direction];
        const size_t d = static_cast<size_t>(c.direction);
        const size_t back = static_cast<size_t>(OppositeDirection(c.direction));
        doc.rooms.clear();
        const int source = AddPlainRoom(100);
        ASSERT_EQ(CreateAndConfirm(source, c.direction), 1) << name;
        RoomsChanged(doc);

        const CRoomData& s = doc.rooms[0];
        const CRoomData& n = doc.rooms[1];
        EXPECT_EQ(n.vnum, 101) << name << ": the lowest free vnum";
        EXPECT_EQ(s.exits[d].toVnum, 101) << name;
        EXPECT_EQ(n.exits[back].toVnum, 100) << name << ": the way back";
        for (size_t other = 0; other < DirectionCount; ++other) {
            if (other != back) {
                EXPECT_EQ(n.exits[other].toVnum, 0) << name << ": only the way back";
            }
        }
        ASSERT_FALSE(n.unplaced) << name << ": the new room is on the map";
        EXPECT_EQ(n.x - s.x, c.dx * doc.cellSize) << name;
        EXPECT_EQ(n.y - s.y, c.dy * doc.cellSize) << name;
        EXPECT_EQ(n.level - s.level, c.dlevel) << name;
    }
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(RoomCommandsTest, VnumChangedInTheEditorIsTheOneLinked)
{
    const int source = AddPlainRoom(100);
    CRoomProposal proposal = ProposeRoomInDirection(doc, source, DirEast);
    proposal.room.vnum = 107;
    doc.rooms[0].exits[DirEast] = { "a door", "door", 5, -5, 3 };
    AddRoom(doc, proposal.room, source, DirEast);
    const CExitData& east = doc.rooms[0].exits[DirEast];
    EXPECT_EQ(east.toVnum, 107);
    EXPECT_EQ(east.keyword, "door") << "the exit keeps its other fields";
    EXPECT_EQ(east.key, 5);
    EXPECT_EQ(east.exitFlags, 3u);
}

TEST_F(RoomCommandsTest, ExistingExitRefusesCreation)
{
    const int source = AddPlainRoom(100);
    doc.rooms[0].exits[DirNorth].toVnum = 150; // a room of another area still counts
    const CRoomProposal north = ProposeRoomInDirection(doc, source, DirNorth);
    EXPECT_FALSE(north.ready);
    EXPECT_EQ(north.error, "That room has an exit in that direction!");

    doc.rooms[0].exits[DirEast].toVnum = -5; // not an exit
    EXPECT_TRUE(ProposeRoomInDirection(doc, source, DirEast).ready);

    const CRoomProposal none = ProposeRoomInDirection(doc, -1, DirNorth);
    EXPECT_FALSE(none.ready);
    EXPECT_EQ(none.error, "") << "no selection: nothing to say";
}

TEST_F(RoomCommandsTest, FullRangeHasNoVnums)
{
    for (int v = 100; v <= 109; ++v)
        AddPlainRoom(v);
    const CRoomProposal fresh = ProposeNewRoom(doc);
    EXPECT_FALSE(fresh.ready);
    EXPECT_EQ(fresh.error, "No vnums available!");
    for (int d = 0; d < DirectionCount; ++d) {
        const CRoomProposal beside = ProposeRoomInDirection(doc, 0, d);
        EXPECT_FALSE(beside.ready) << DirectionNames[d];
        EXPECT_EQ(beside.error, "No vnums available!") << DirectionNames[d];
    }
    EXPECT_EQ(doc.rooms.size(), 10u);

    doc.rooms.erase(doc.rooms.begin() + 4);
    const CRoomProposal gap = ProposeNewRoom(doc);
    EXPECT_TRUE(gap.ready);
    EXPECT_EQ(gap.room.vnum, 104);
    EXPECT_TRUE(gap.room.unplaced);
    EXPECT_EQ(gap.room.manaRate, 100);
    EXPECT_EQ(gap.room.healRate, 100);
}

TEST_F(RoomCommandsTest, DeleteClearsEveryExitThatLedToTheRoom)
{
    AddPlainRoom(100);
    AddPlainRoom(101);
    AddPlainRoom(102);
    doc.rooms[0].exits[DirEast] = { "east", "door", 7, 101, 1 };
    doc.rooms[2].exits[DirUp].toVnum = 101;
    doc.rooms[2].exits[DirDown].toVnum = 100;
    doc.rooms[1].exits[DirWest].toVnum = 100; // leaves with the room
    doc.rooms[0].exits[DirNorth] = { "a painted wall", "", 0, 0, 0 }; // no destination: untouched

    ASSERT_TRUE(DeleteRoom(doc, 1));
    ASSERT_EQ(doc.rooms.size(), 2u);
    EXPECT_EQ(doc.rooms[1].vnum, 102) << "later rooms move down one index";
    const CExitData& east = doc.rooms[0].exits[DirEast];
    EXPECT_EQ(east.toVnum, 0);
    EXPECT_EQ(east.description, "");
    EXPECT_EQ(east.keyword, "");
    EXPECT_EQ(east.key, 0);
    EXPECT_EQ(east.exitFlags, 0u);
    EXPECT_EQ(doc.rooms[1].exits[DirUp].toVnum, 0);
    EXPECT_EQ(doc.rooms[1].exits[DirDown].toVnum, 100);
    EXPECT_EQ(doc.rooms[0].exits[DirNorth].description, "a painted wall");

    EXPECT_FALSE(DeleteRoom(doc, 2));
    EXPECT_FALSE(DeleteRoom(doc, -1));
    EXPECT_EQ(doc.rooms.size(), 2u);
}

TEST(RoomSelection, OtherViewsFollowTheirRoomAfterADelete)
{
    const struct { int selection; int deleted; int after; } cases[] = {
        { -1, 0, -1 }, { 3, 3, -1 }, { 4, 3, 3 }, { 2, 3, 2 }, { 0, 0, -1 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(SelectionAfterDelete(c.selection, c.deleted), c.after)
            << "selection " << c.selection << ", deleted " << c.deleted;
}

TEST_F(RoomCommandsTest, HitTestReachesTenUnitsAtAnyZoom)
{
    for (int cell : { 3, 12, 192 }) {
        doc.rooms.clear();
        AddPlainRoom(100);
        CRoomData& room = doc.rooms[0];
        room.unplaced = false;
        room.x = 3 * cell;
        room.y = 3 * cell;
        for (int dx : { -10, 10 })
            EXPECT_EQ(HitTest(doc, 0, room.x + dx, room.y + dx), 0) << "cell " << cell << ", offset " << dx;
        EXPECT_EQ(HitTest(doc, 0, room.x + 11, room.y), -1) << "cell " << cell;
        EXPECT_EQ(HitTest(doc, 0, room.x, room.y - 11), -1) << "cell " << cell;
        EXPECT_EQ(HitTest(doc, 1, room.x, room.y), -1) << "another level";
    }
}

TEST_F(RoomCommandsTest, HitTestFirstRoomWinsAndUnplacedRoomsAreMissed)
{
    for (int v : { 100, 101, 102 }) {
        AddPlainRoom(v);
        doc.rooms.back().unplaced = false;
        doc.rooms.back().y = 9;
    }
    doc.rooms[0].unplaced = true;
    doc.rooms[1].x = 9;
    doc.rooms[2].x = 12;
    EXPECT_EQ(HitTest(doc, 0, 10, 9), 1) << "overlapping squares: the first room in document order";
    EXPECT_EQ(HitTest(doc, 0, 0, 9), 1) << "an unplaced room is not on the map";
    EXPECT_EQ(HitTest(doc, 0, 22, 9), 2);
}

TEST_F(RoomCommandsTest, LevelStepsStopOneBeyondTheLevelsInUse)
{
    doc.highestLevel = 0;
    doc.lowestLevel = 0;
    EXPECT_TRUE(CanLevelDown(doc, 0)) << "level 0 may go down once";
    EXPECT_FALSE(CanLevelDown(doc, -1)) << "but not twice";
    EXPECT_TRUE(CanLevelUp(doc, 0));
    EXPECT_FALSE(CanLevelUp(doc, 1));

    doc.highestLevel = 2;
    doc.lowestLevel = -1;
    EXPECT_TRUE(CanLevelUp(doc, 2));
    EXPECT_FALSE(CanLevelUp(doc, 3));
    EXPECT_TRUE(CanLevelDown(doc, -1));
    EXPECT_FALSE(CanLevelDown(doc, -2));
}

TEST(RoomZoom, StepsBetweenThreeAnd192)
{
    int cell = 12;
    std::vector<int> seen;
    while (CanZoomIn(cell))
        seen.push_back(cell = ZoomIn(cell));
    EXPECT_EQ(seen, (std::vector<int> { 24, 48, 96, 192 }));
    EXPECT_EQ(ZoomIn(192), 192);

    seen.clear();
    while (CanZoomOut(cell))
        seen.push_back(cell = ZoomOut(cell));
    EXPECT_EQ(seen, (std::vector<int> { 96, 48, 24, 12, 6, 3 }));
    EXPECT_EQ(ZoomOut(3), 3);
}

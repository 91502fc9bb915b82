#include "layout/RoomCommands.h"
#include "layout/RoomLayout.h"

#include "support/SmallArea.h"

#include <vector>

using namespace RoomCommands;

namespace {

struct RoomCommandsTest : SmallArea {
    // Why the proposal cannot go to the editor; "ready" when it can.
    static std::string Refusal(const CRoomProposal& p) { return p.ready ? "ready" : p.error; }
};

} // namespace

TEST_F(RoomCommandsTest, CreateIsRefusedTowardAnExitAndWhenNoVnumIsFree)
{
    doc.rooms[Room(100)].exits[DirNorth].toVnum = 150; // a room of another area still counts
    EXPECT_EQ(Refusal(ProposeRoomInDirection(doc, 0, DirNorth)), "That room has an exit in that direction!");
    for (int v = 101; v <= 109; ++v)
        Room(v);
    EXPECT_EQ(Refusal(ProposeNewRoom(doc)), "No vnums available!");
    EXPECT_EQ(Refusal(ProposeRoomInDirection(doc, 0, DirEast)), "No vnums available!");
    doc.rooms.erase(doc.rooms.begin() + 4);
    EXPECT_EQ(ProposeNewRoom(doc).room.vnum, 104) << "the lowest free vnum";
}

TEST_F(RoomCommandsTest, HitTestReachesTenUnitsFromTheCentreAndTheFirstPlacedRoomWins)
{
    Room(100);
    // At cell size 4 the first column's centre is at 12, the next at 28.
    EXPECT_EQ(std::make_pair(HitTest(doc, 4, 0, 2, 2), HitTest(doc, 4, 0, 22, 22)), std::make_pair(0, 0));
    EXPECT_EQ(std::make_pair(HitTest(doc, 4, 0, 23, 12), HitTest(doc, 4, 0, 12, 1)), std::make_pair(-1, -1));
    EXPECT_EQ(HitTest(doc, 4, 1, 12, 12), -1) << "another level";
    doc.rooms[0].unplaced = true;
    Room(101);
    doc.rooms[Room(102)].gridX = 1;
    EXPECT_EQ(HitTest(doc, 4, 0, 20, 12), 1) << "overlapping squares: the first placed room in document order";
    EXPECT_EQ(HitTest(doc, 12, 0, 84, 36), 2) << "the same grid drawn larger";
}

TEST_F(RoomCommandsTest, LevelsStopOneBeyondThoseInUseAndZoomStepsBetweenThreeAnd192)
{
    EXPECT_EQ(std::make_pair(CanLevelDown(doc, 0), CanLevelDown(doc, -1)), std::make_pair(true, false)) << "once only";
    EXPECT_EQ(std::make_pair(CanLevelUp(doc, 0), CanLevelUp(doc, 1)), std::make_pair(true, false));
    int cell = 3;
    std::vector<int> seen { cell };
    while (CanZoomIn(cell))
        seen.push_back(cell = ZoomIn(cell));
    while (CanZoomOut(cell))
        seen.push_back(cell = ZoomOut(cell));
    EXPECT_EQ(seen, (std::vector<int> { 3, 6, 12, 24, 48, 96, 192, 96, 48, 24, 12, 6, 3 }));
    EXPECT_EQ(std::make_pair(ZoomIn(192), ZoomOut(3)), std::make_pair(192, 3));
}

TEST_F(RoomCommandsTest, GoToRoomFindsAVnumFirstThenAPartOfANameAndExitsLeadOn)
{
    for (int v : { 100, 101, 102 })
        Room(v);
    doc.rooms[0].name = "The Gate of 102";
    doc.rooms[2].name = "Hall of Mirrors";
    doc.rooms[0].exits[DirEast].toVnum = 102;
    doc.rooms[0].exits[DirWest].toVnum = 900; // another area
    const std::pair<const char*, int> cases[] = { { "102", 2 }, { "mirrors", 2 }, { "GATE", 0 }, { "7", -1 }, { "", -1 } };
    for (const auto& [text, index] : cases)
        EXPECT_EQ(FindRoomByText(doc, text), index) << text;
    EXPECT_EQ(RoomThroughExit(doc, 0, DirEast), 2);
    EXPECT_EQ(RoomThroughExit(doc, 0, DirWest), -1);
    EXPECT_EQ(RoomThroughExit(doc, 0, DirNorth), -1);
}

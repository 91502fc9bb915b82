#include "edit/RoomEdits.h"

#include "layout/RoomCommands.h"
#include "layout/RoomLayout.h"

#include "support/SmallArea.h"

#include <tuple>

using namespace RoomEdits;

namespace {

struct RoomEditsTest : SmallArea {
    CRoomData Renumbered(int index, int vnum) const
    {
        CRoomData room = doc.rooms[static_cast<size_t>(index)];
        room.vnum = vnum;
        return room;
    }
};

} // namespace

TEST_F(RoomEditsTest, CreateInEachDirectionLinksTheVnumLeftByTheEditorBothWaysAndPlacesTheRoom)
{
    // Where the new room lies from the first, north to down, in grid cells and levels.
    const int dx[] = { 0, 4, 0, -4, 0, 0 }, dy[] = { -4, 0, 4, 0, 0, 0 }, dlevel[] = { 0, 0, 0, 0, 1, -1 };
    for (int direction = 0; direction < DirectionCount; ++direction) {
        doc.rooms.clear();
        doc.rooms[Room(101)].exits[direction] = { "a door", "door", 5, -5, 3 }; // a destination below 1 is no exit
        RoomCommands::CRoomProposal proposal = RoomCommands::ProposeRoomInDirection(doc, 0, direction);
        ASSERT_TRUE(proposal.ready) << proposal.error;
        proposal.room.vnum = 107; // changed in the editor
        ASSERT_EQ(AddRoom(doc, proposal.room, 0, direction), 1);
        LayoutRooms(doc);
        const CRoomData &s = doc.rooms[0], &n = doc.rooms[1];
        const CExitData& way = s.exits[direction];
        EXPECT_EQ(std::make_tuple(way.toVnum, way.keyword, way.key, way.exitFlags), std::make_tuple(107, "door", 5, 3u))
            << "direction " << direction << ": the exit keeps its other fields";
        for (int d = 0; d < DirectionCount; ++d)
            EXPECT_EQ(n.exits[d].toVnum, d == OppositeDirection(direction) ? 101 : 0) << "the way back only: " << d;
        EXPECT_EQ(std::make_tuple(RoomX(n, 12) - RoomX(s, 12), RoomY(n, 12) - RoomY(s, 12), n.level - s.level),
            std::make_tuple(dx[direction] * 12, dy[direction] * 12, dlevel[direction]))
            << "direction " << direction;
    }
}

TEST_F(RoomEditsTest, DeleteClearsEveryExitThatLedToTheRoom)
{
    for (int v : { 100, 101, 102 })
        Room(v);
    doc.rooms[0].exits[DirEast] = { "east", "door", 7, 101, 1 };
    doc.rooms[2].exits[DirUp].toVnum = 101;
    doc.rooms[2].exits[DirDown].toVnum = 100;
    ASSERT_TRUE(DeleteRoom(doc, 1));
    ASSERT_EQ(doc.rooms.size(), 2u);
    const CExitData& east = doc.rooms[0].exits[DirEast];
    EXPECT_EQ(std::make_tuple(east.description, east.keyword, east.key, east.toVnum, east.exitFlags),
        std::make_tuple("", "", 0, 0, 0u));
    EXPECT_EQ(std::make_pair(doc.rooms[1].exits[DirUp].toVnum, doc.rooms[1].exits[DirDown].toVnum), std::make_pair(0, 100));
    EXPECT_FALSE(DeleteRoom(doc, 2));
}

TEST_F(RoomEditsTest, RenumberingTakesTheExitsAlongUnlessAnotherRoomStillHasTheOldVnum)
{
    for (int v : { 100, 101, 102 })
        Room(v);
    doc.rooms[0].exits[DirEast].toVnum = 101;
    doc.rooms[1].exits[DirUp].toVnum = 101; // its own exit to itself
    doc.rooms[2].exits[DirWest].toVnum = 101;
    ReplaceRoom(doc, 1, Renumbered(1, 105));
    EXPECT_EQ(std::make_tuple(doc.rooms[0].exits[DirEast].toVnum, doc.rooms[1].exits[DirUp].toVnum,
                  doc.rooms[2].exits[DirWest].toVnum),
        std::make_tuple(105, 105, 105));

    Room(102); // a second room with vnum 102
    doc.rooms[0].exits[DirNorth].toVnum = 102;
    ReplaceRoom(doc, 2, Renumbered(2, 106));
    EXPECT_EQ(doc.rooms[2].vnum, 106);
    EXPECT_EQ(doc.rooms[0].exits[DirNorth].toVnum, 102) << "room 102 still exists";

    doc.rooms[3].vnum = 0;
    doc.rooms[0].exits[DirSouth].toVnum = 0;
    ReplaceRoom(doc, 3, Renumbered(3, 107));
    EXPECT_EQ(doc.rooms[0].exits[DirSouth].toVnum, 0) << "an exit to 0 leads nowhere and stays so";
}

#include "AreaFixture.h"

// What the file's resets become, comments, strays and short lines, is the
// reset-comments and stray-records golden cases.
TEST(ResetsSection, DistributesIntoRoomsOnceAndRebuildsRoomByRoomPointingAtTheHoldingRoom)
{
    CArea s;
    for (int vnum : { 3001, 3002 })
        s.doc.rooms.emplace_back().vnum = vnum;
    ASSERT_TRUE(s.Read(ReadResets, "M 0 3000 1 3001 1\nG 0 3005 -1\nO 0 3010 1 3002\nM 0 3001 1 9999 1\nS"));
    s.doc.DistributeResets();
    s.doc.DistributeResets();
    EXPECT_TRUE(s.doc.rooms[0].resets.size() == 2 && s.doc.rooms[1].resets.size() == 1 && s.doc.strayResets.size() == 1)
        << "distributing again must not pile the resets up";
    EXPECT_EQ(s.Write(WriteResets), "#RESETS\nM 0 3000 1 3001 1\nG 0 3005 -1\nO 0 3010 1 3002\nM 0 3001 1 9999 1\nS\n\n\n\n");

    // Rebuilt in the rooms' list order; only the room argument of M, O, D and R
    // is set to the room that holds the reset.
    std::swap(s.doc.rooms[0], s.doc.rooms[1]);
    s.doc.rooms[0].resets[0].arg3 = 9, s.doc.rooms[1].resets[0].arg3 = 9;
    s.doc.rooms[0].resets.insert(s.doc.rooms[0].resets.end(), { { 'P', 3011, -1, 3010, 1 }, { 'R', 9, 6, 0, 0 } });
    s.doc.rooms[1].resets.insert(s.doc.rooms[1].resets.end(), { { 'E', 3005, 1, 16, 0 }, { 'D', 9, 0, 1, 0 } });
    EXPECT_EQ(s.Write(WriteResets),
        "#RESETS\nO 0 3010 1 3002\nP 0 3011 -1 3010 1\nR 0 3002 6\n"
        "M 0 3000 1 3001 1\nG 0 3005 -1\nE 0 3005 1 16\nD 0 3001 0 1\nM 0 3001 1 9999 1\nS\n\n\n\n");
}

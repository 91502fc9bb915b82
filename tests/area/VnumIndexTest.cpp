#include "bench/BenchAreas.h"
#include "check/AreaCheck.h"
#include "layout/RoomLayout.h"
#include "support/AreaFiles.h"

// Reading a generated grid area, laying it out and checking it: ten times the
// rooms must cost about ten times the vnum lookups' work, not a hundred.
TEST(VnumIndex, TheLookupsOfLoadLayoutAndCheckGrowWithTheArea)
{
    CConfigTables tables;
    LoadTables(tables);
    const auto work = [&](int rooms) {
        const std::string text = GridAreaText(rooms);
        const long long before = CTolvexDoc::VnumIndexWork();
        CTolvexDoc doc(tables);
        LoadArea(doc, text);
        EXPECT_EQ(doc.rooms.size(), static_cast<size_t>(rooms));
        EXPECT_EQ(doc.rooms[9].resets.size(), 2u) << "the M and the O of room 10";
        LayoutRooms(doc, false);
        EXPECT_FALSE(doc.rooms.back().unplaced);
        CheckArea(doc);
        return CTolvexDoc::VnumIndexWork() - before;
    };
    const long long small = work(10000);
    const long long large = work(100000);
    EXPECT_GT(small, 0);
    EXPECT_LT(large, 15 * small) << "10,000 rooms: " << small << ", 100,000 rooms: " << large;
}

// An editor's first dig appends a room: the list it loaded must have a free
// slot, or the whole list moves; a plain load keeps the list to its rooms.
TEST(VnumIndex, ALoadSparesRoomSlotsOnlyWhenAsked)
{
    CConfigTables tables;
    LoadTables(tables);
    const std::string text = GridAreaText(5000);
    for (int spare : { 0, 32 }) {
        CTolvexDoc doc(tables);
        doc.spareRoomsPer1024 = spare;
        CDiagnosticList diagnostics;
        ASSERT_TRUE(doc.Load(std::string(text), diagnostics, CSaveOptions()));
        ASSERT_EQ(doc.rooms.size(), 5000u);
        const size_t free = doc.rooms.capacity() - doc.rooms.size();
        if (spare == 0)
            EXPECT_EQ(free, 0u);
        else
            EXPECT_GE(free, 5000u * 32 / 1024) << "a few thousand digs in a large area";
    }
}

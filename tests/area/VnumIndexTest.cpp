#include "bench/BenchAreas.h"
#include "check/AreaCheck.h"
#include "config/ConfigLoader.h"
#include "layout/RoomLayout.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <sstream>

// Reading a generated grid area, laying it out and checking it: ten times the
// rooms must cost about ten times the vnum lookups' work, not a hundred.
TEST(VnumIndex, TheLookupsOfLoadLayoutAndCheckGrowWithTheArea)
{
    CConfigTables tables;
    int line = 0;
    ASSERT_TRUE(LoadConfig(tables, SourcePath("res/tolvex.cfg"), line));
    const auto work = [&](int rooms) {
        const std::string text = GridAreaText(rooms);
        const long long before = CTolvexDoc::VnumIndexWork();
        CTolvexDoc doc(tables);
        std::istringstream in(text);
        CDiagnosticList diagnostics;
        EXPECT_TRUE(doc.Load(in, diagnostics));
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

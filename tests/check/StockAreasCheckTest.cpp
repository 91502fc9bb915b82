#include "check/AreaCheck.h"

#include "area/CTolvexDoc.h"
#include "config/ConfigLoader.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

// The stock ROM areas boot, so the checker must find no error in them; the
// ways back that the server logs for them at boot ("Fix_exits") must be among
// the warnings.
TEST(StockAreasCheck, NoErrorAndTheServersMismatchedWaysBackAmongTheWarnings)
{
    const auto files = StockAreaFiles();
    if (files.empty())
        GTEST_SKIP() << "the shared ROM areas are not present";
    CConfigTables tables;
    int line = 0;
    ASSERT_TRUE(LoadConfig(tables, SourcePath("res/tolvex.cfg"), line)) << line;

    std::set<int> rooms; // every room vnum of the stock areas
    std::set<int> waysBackWarned; // rooms whose way back the checker warns about
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        std::ifstream in(path, std::ios::binary);
        CTolvexDoc doc(tables);
        CDiagnosticList diagnostics;
        ASSERT_TRUE(doc.Load(in, diagnostics));
        for (const CRoomData& room : doc.rooms)
            rooms.insert(room.vnum);
        for (const CFinding& f : CheckArea(doc)) {
            EXPECT_EQ(f.severity, Severity::Warning) << f.text;
            if (f.text.find("Fix_exits") != std::string::npos)
                waysBackWarned.insert(f.vnum);
        }
    }
    // The server's log names these four; a room that no shared file holds
    // cannot be checked here.
    int present = 0;
    for (int vnum : { 10525, 3458, 8705, 8717 }) {
        if (rooms.count(vnum) == 0)
            continue;
        ++present;
        EXPECT_EQ(waysBackWarned.count(vnum), 1u) << "room " << vnum;
    }
    EXPECT_GE(present, 2) << "rooms 10525 and 3458 are in the shared areas";
}

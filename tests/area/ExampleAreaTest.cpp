#include "layout/RoomLayout.h"
#include "support/AreaFiles.h"

// The example area shipped with the editor is a builder's first file: it must
// load cleanly under the shipped configuration (under ROM without OLC only
// its header's change is announced) and show the exits a builder meets, on
// the map over three levels.
class ExampleArea : public ::testing::TestWithParam<const char*> { };

TEST_P(ExampleArea, LoadsWithoutWarningsAndShowsEveryKindOfExitOverThreeLevels)
{
    CConfigTables tables;
    LoadTables(tables, SourcePath(GetParam()));
    CTolvexDoc doc(tables);
    CDiagnosticList diagnostics;
    LoadArea(doc, ReadWholeFile(SourcePath("res/examples/midden.are")), &diagnostics);
    LayoutRooms(doc);
    ASSERT_EQ(diagnostics.items.size(), tables.mudType == MudType::RomDefault ? 1u : 0u)
        << "the first: " << (diagnostics.items.empty() ? "" : diagnostics.items[0].text);
    EXPECT_TRUE(diagnostics.items.empty() || diagnostics.items[0].text.find("#AREADATA header; saving") != std::string::npos);
    EXPECT_TRUE(doc.lowestLevel == -1 && doc.highestLevel == 1) << "levels " << doc.lowestLevel << " to " << doc.highestLevel;

    int doors = 0; // 1: a door with a door reset, 2: one locked by it, with its key in the area
    bool oneWay = false, self = false, outside = false;
    for (const CRoomData& room : doc.rooms) {
        EXPECT_FALSE(room.unplaced) << "room " << room.vnum << " is not reachable from the first room";
        for (const CExitData& exit : room.exits) {
            self |= exit.toVnum == room.vnum;
            outside |= exit.toVnum > 0 && (exit.toVnum < doc.lowerVnum || exit.toVnum > doc.upperVnum);
            if (const int target = doc.FindRoomIndex(exit.toVnum); target >= 0 && exit.toVnum != room.vnum) {
                const auto& back = doc.rooms[static_cast<size_t>(target)].exits;
                oneWay |= std::none_of(back.begin(), back.end(), [&](const CExitData& e) { return e.toVnum == room.vnum; });
            }
        }
        for (const CResetData& r : room.resets)
            if (r.command == 'D' && r.arg2 >= 0 && r.arg2 < DirectionCount && (room.exits[r.arg2].exitFlags & 0x01))
                doors |= r.arg3 == 2 && doc.FindObjectByVnum(room.exits[r.arg2].key) >= 0 ? 2 : 1;
    }
    EXPECT_TRUE(doors == 3 && oneWay && self && outside) << "doors " << doors
                                                         << ", one-way exit " << oneWay << ", exit into its own room " << self << ", exit to another area " << outside;
}

INSTANTIATE_TEST_SUITE_P(RomConfigurations, ExampleArea, ::testing::Values("res/tolvex.cfg", "res/configs/rom24-default.cfg"),
    [](const ::testing::TestParamInfo<const char*>& param) { return std::string(param.index == 0 ? "RomOlc" : "RomDefault"); });

#include "area/CTolvexDoc.h"
#include "config/ConfigLoader.h"
#include "support/DocCompare.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

// The example area shipped with the editor is a builder's first file: it must
// load cleanly under both ROM configurations and keep showing every kind of
// record the editor handles.
namespace {

const char* const ExampleFile = "res/examples/midden.are";

std::string Describe(const std::vector<CDiagnostic>& items)
{
    std::string text;
    for (const CDiagnostic& d : items)
        text += "  line " + std::to_string(d.line) + ": " + d.text + "\n";
    return text;
}

class ExampleArea : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        int line = 0;
        ASSERT_TRUE(LoadConfig(tables, SourcePath(GetParam()), line)) << GetParam() << " line " << line;
        std::ifstream in(SourcePath(ExampleFile), std::ios::binary);
        ASSERT_TRUE(in) << "cannot open " << ExampleFile;
        doc = std::make_unique<CTolvexDoc>(tables);
        CDiagnosticList diagnostics;
        ASSERT_TRUE(doc->Load(in, diagnostics));
        EXPECT_TRUE(diagnostics.items.empty()) << ExampleFile << " under " << GetParam() << ":\n"
                                               << Describe(diagnostics.items);
    }

    const CRoomData& Room(int vnum) const
    {
        const int index = doc->FindRoomIndex(vnum);
        EXPECT_GE(index, 0) << "no room " << vnum;
        return doc->rooms.at(static_cast<size_t>(std::max(index, 0)));
    }

    CConfigTables tables;
    std::unique_ptr<CTolvexDoc> doc;
};

TEST_P(ExampleArea, EveryRoomIsOnTheMapOverThreeLevels)
{
    EXPECT_GE(doc->rooms.size(), 24u);
    for (const CRoomData& room : doc->rooms)
        EXPECT_FALSE(room.unplaced) << "room " << room.vnum << " is not reachable from the first room";
    EXPECT_EQ(doc->lowestLevel, -1);
    EXPECT_EQ(doc->highestLevel, 1);
}

TEST_P(ExampleArea, ShowsTheExitsABuilderMeets)
{
    bool selfExit = false, outside = false, oneWay = false;
    for (const CRoomData& room : doc->rooms) {
        for (size_t d = 0; d < room.exits.size(); ++d) {
            const CExitData& exit = room.exits[d];
            if (exit.toVnum == 0)
                continue;
            selfExit |= exit.toVnum == room.vnum;
            outside |= exit.toVnum < doc->lowerVnum || exit.toVnum > doc->upperVnum;
            const int target = doc->FindRoomIndex(exit.toVnum);
            if (target >= 0 && exit.toVnum != room.vnum) {
                bool back = false;
                for (const CExitData& other : doc->rooms[static_cast<size_t>(target)].exits)
                    back |= other.toVnum == room.vnum;
                oneWay |= !back;
            }
        }
    }
    EXPECT_TRUE(selfExit) << "no exit into its own room";
    EXPECT_TRUE(outside) << "no exit to another area";
    EXPECT_TRUE(oneWay) << "no one-way exit";

    // The grate: a door with a key, locked by its door reset.
    const CExitData& grate = Room(4210).exits[5];
    EXPECT_EQ(grate.toVnum, 4230);
    EXPECT_EQ(grate.exitFlags & 0x01u, 0x01u) << "the grate is no door";
    EXPECT_GE(doc->FindObjectByVnum(grate.key), 0) << "the grate's key is not an object of the area";
    bool locked = false;
    for (const CResetData& reset : Room(4210).resets)
        locked |= reset.command == 'D' && reset.arg2 == 5 && reset.arg3 == 2;
    EXPECT_TRUE(locked) << "no D reset locks the grate";
}

TEST_P(ExampleArea, UsesEveryResetKindAndEachReachesARoom)
{
    std::set<char> kinds;
    size_t inRooms = 0;
    for (const CRoomData& room : doc->rooms)
        for (const CResetData& reset : room.resets) {
            kinds.insert(reset.command);
            ++inRooms;
        }
    EXPECT_EQ(kinds, (std::set<char> { 'D', 'E', 'G', 'M', 'O', 'P', 'R' }));
    EXPECT_EQ(inRooms, doc->resets.size()) << "some resets of the file reach no room";
    EXPECT_TRUE(doc->strayResets.empty());

    int shops = 0, specials = 0;
    for (const CMobData& mob : doc->mobs) {
        shops += mob.shop.has_value();
        specials += !mob.special.empty();
    }
    EXPECT_GE(shops, 1);
    EXPECT_GE(specials, 1);
}

TEST_P(ExampleArea, SavesAndReadsBackUnchanged)
{
    std::ostringstream saved;
    CDiagnosticList diagnostics;
    doc->Save(saved, ExampleFile, diagnostics);
    EXPECT_TRUE(diagnostics.items.empty()) << Describe(diagnostics.items);

    CTolvexDoc reread(tables);
    std::istringstream in(saved.str());
    ASSERT_TRUE(reread.Load(in, diagnostics));
    EXPECT_TRUE(diagnostics.items.empty()) << Describe(diagnostics.items);
    for (const std::string& difference : CompareDocs(*doc, reread))
        ADD_FAILURE() << difference;
}

INSTANTIATE_TEST_SUITE_P(RomConfigurations, ExampleArea,
    ::testing::Values("res/tolvex.cfg", "res/configs/rom24-default.cfg"),
    [](const ::testing::TestParamInfo<const char*>& info) {
        return std::string(info.index == 0 ? "RomOlc" : "RomDefault");
    });

} // namespace

#include "support/AreaFiles.h"
#include "support/RunCli.h"
#include "support/TestPaths.h"
#include "world/AreaList.h"
#include "world/Renumber.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <regex>
#include <set>
#include <tuple>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const std::string RomConfig = SourcePath("res/configs/rom24-default.cfg");
const std::string World = SourcePath("tests/data/renumber-world");

// The lines of `text` that start with `prefix`.
std::string LinesStarting(const std::string& text, const std::string& prefix)
{
    std::istringstream in(text);
    std::string kept;
    for (std::string line; std::getline(in, line);)
        if (line.rfind(prefix, 0) == 0)
            kept += line + "\n";
    return kept;
}

std::set<std::string> FilesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

struct CLoadedWorld {
    CConfigTables tables;
    std::vector<std::unique_ptr<CTolvexDoc>> docs;
    std::vector<CWorldArea> areas;
};

void LoadCraftedWorld(CLoadedWorld& world)
{
    LoadTables(world.tables, RomConfig);
    for (const char* file : { "castle.are", "town.are", "cave.are" }) {
        world.docs.push_back(std::make_unique<CTolvexDoc>(world.tables));
        LoadArea(*world.docs.back(), ReadWholeFile(World + "/" + file));
        world.areas.push_back({ file, world.docs.back().get() });
    }
}

} // namespace

// The castle is named by every kind of reference, from itself and from the
// town: exits both ways and their keys, each reset kind, its own and a stray
// shop and special, triggers, container and portal values, train stops and
// mobprog code. The cave names none, and the castle names the town's records,
// which stay.
TEST(Renumber, AWorldMovesWithEveryReferenceAndBack)
{
    CScratchDir scratch;
    const std::string there = scratch.Path("there"), back = scratch.Path("back");
    const CCliResult moved = RunCli({ "renumber", "--config", RomConfig, "--to", "5000", "--world", World + "/area.lst",
        World + "/castle.are", there });
    ASSERT_EQ(moved.status, 0) << moved.err;
    EXPECT_EQ(moved.out, ReadWholeFile(World + "/expected-changes.txt"));
    EXPECT_EQ(FilesIn(there), (std::set<std::string> { "castle.are", "town.are" })) << "the cave does not change";
    for (const char* file : { "castle.are", "town.are" })
        EXPECT_EQ(ReadWholeFile(there + "/" + file), ReadWholeFile(World + "/expected-" + file)) << file;

    // Back to 1000 in the moved world: the bytes the world had.
    const std::string list = scratch.Write("there/area.lst", "castle.are town.are " + World + "/cave.are $\n");
    const CCliResult returned = RunCli({ "renumber", "--config", RomConfig, "--to", "1000", "--world", list, "castle.are", back });
    ASSERT_EQ(returned.status, 0) << returned.err;
    EXPECT_EQ(std::count(returned.out.begin(), returned.out.end(), '\n'), std::count(moved.out.begin(), moved.out.end(), '\n'));
    for (const char* file : { "castle.are", "town.are" })
        EXPECT_EQ(ReadWholeFile(back + "/" + file), ReadWholeFile(World + "/" + file)) << file;

    // Alone, the area moves the same with its own references.
    const CCliResult alone = RunCli({ "renumber", "--config", RomConfig, "--to", "5000", World + "/castle.are", scratch.Path("castle.are") });
    ASSERT_EQ(alone.status, 0) << alone.err;
    EXPECT_EQ(alone.out, LinesStarting(moved.out, "castle.are: "));
    EXPECT_EQ(ReadWholeFile(scratch.Path("castle.are")), ReadWholeFile(World + "/expected-castle.are"));
}

TEST(Renumber, ATargetOutsideTheVnumsOrOnAnotherAreaIsRefused)
{
    const struct {
        const char* to;
        const char* error;
    } cases[] = {
        { "2050", "The range 2050-2149 overlaps town.are (2000-2099)." },
        { "3099", "The range 3099-3198 overlaps cave.are (3000-3099)." },
        { "32700", "The range 32700-32799 leaves the vnums 1 to 32767." },
        { "0", "The range 0-99 leaves the vnums 1 to 32767." },
    };
    for (const auto& c : cases) {
        CScratchDir scratch;
        const CCliResult r = RunCli({ "renumber", "--config", RomConfig, "--to", c.to, "--world", World + "/area.lst",
            "castle.are", scratch.Path("out") });
        EXPECT_EQ(r.Whole(), (CCliResult { 1, "", std::string("castle.are: not renumbered: ") + c.error + "\n" }).Whole());
        EXPECT_FALSE(fs::exists(scratch.Path("out"))) << c.to << ": nothing may be written";
    }
}

// ROM's limbo.are takes 0-99 with records from 1: a range may start at 0
// when no record lands there, so such an area can be moved back.
TEST(Renumber, ARangeMayStartAtZeroWhenNoRecordTakesIt)
{
    CLoadedWorld world;
    LoadCraftedWorld(world);
    world.docs[0]->lowerVnum = 999; // the castle's records start at 1000
    const CRenumberPlan zero = PlanRenumber(world.areas, 0, 0);
    EXPECT_EQ(zero.error, "");
    EXPECT_EQ(std::pair(zero.newLow, zero.newHigh), std::pair(0, 100));
    EXPECT_EQ(PlanRenumber(world.areas, 0, -1).error, "The range -1-99 leaves the vnums 1 to 32767.");
    world.docs[0]->lowerVnum = 1000;
    EXPECT_EQ(PlanRenumber(world.areas, 0, 0).error, "The range 0-99 leaves the vnums 1 to 32767.")
        << "the record at 1000 would take vnum 0";
}

// limbo.are, 0-99, moved out of the stock world's way and back gives what a
// save of it gives, and so do the areas whose references followed it.
TEST(Renumber, StockLimboMovesThereAndBack)
{
    const std::string stock = SharedPath("areas/rom24");
    if (!fs::exists(stock + "/area.lst"))
        GTEST_SKIP() << "the shared ROM areas are not present";
    CScratchDir scratch;
    const std::string there = scratch.Path("there"), back = scratch.Path("back");
    const CCliResult moved = RunCli({ "renumber", "--config", RomConfig, "--to", "20000", "--world", stock + "/area.lst",
        "limbo.are", there });
    ASSERT_EQ(moved.status, 0) << moved.err;
    ASSERT_TRUE(FilesIn(there).count("limbo.are"));
    std::string list;
    for (const CAreaListEntry& entry : ReadAreaList(ReadWholeFile(stock + "/area.lst")).entries)
        list += (fs::exists(there + "/" + entry.file) ? there : stock) + "/" + entry.file + "\n";
    const CCliResult returned = RunCli({ "renumber", "--config", RomConfig, "--to", "0", "--world",
        scratch.Write("there.lst", list + "$\n"), there + "/limbo.are", back });
    ASSERT_EQ(returned.status, 0) << returned.err;
    EXPECT_EQ(FilesIn(back), FilesIn(there));
    for (const std::string& file : FilesIn(back)) {
        const std::string saved = scratch.Path("saved-" + file);
        ASSERT_EQ(RunCli({ "convert", "--config", RomConfig, stock + "/" + file, saved }).status, 0) << file;
        EXPECT_EQ(ReadWholeFile(back + "/" + file), ReadWholeFile(saved)) << file;
    }
}

// Free ranges skip every area's vnums; the plan's old range takes in the
// records outside the header's; the builder's ticks choose the code numbers.
TEST(Renumber, PlanFindsRangesAndTheCodeNumbersTheBuilderChooses)
{
    CLoadedWorld world;
    LoadCraftedWorld(world);
    EXPECT_EQ(FirstFreeRange(world.areas, 999), 1);
    EXPECT_EQ(FirstFreeRange(world.areas, 1000), 3100);
    EXPECT_EQ(FirstFreeRange(world.areas, 1500, 0), 1) << "the castle's own vnums are free to it";
    EXPECT_EQ(FirstFreeRange(world.areas, 32767 - 3099), 3100) << "up to the last vnum";
    EXPECT_EQ(FirstFreeRange(world.areas, 32767 - 3098), -1);

    const CRenumberPlan same = PlanRenumber(world.areas, 0, 1000);
    EXPECT_EQ(same.error, "");
    const auto unchanged = ApplyRenumber(world.areas, same);
    ASSERT_EQ(unchanged.size(), 1u);
    EXPECT_TRUE(unchanged[0].changes.empty());

    const CRenumberPlan plan = PlanRenumber(world.areas, 0, 5000);
    std::string numbers;
    for (const CCodeVnum& v : plan.codeVnums)
        numbers += world.areas[v.area].file + " " + v.command + " " + std::to_string(v.value) + (v.inOldRange ? "+ " : " ");
    EXPECT_EQ(numbers,
        "castle.are mob oload 1003+ castle.are mob goto 1002+ castle.are if carries 1000+ castle.are mob mload 2000 "
        "town.are mob goto 1001+ town.are if objhere 1001+ town.are mob at 1002+ town.are mob mload 1000+ "
        "town.are mob oload 2001 ");
    std::vector<bool> ticked(plan.codeVnums.size());
    ticked[1] = ticked[3] = true;
    const auto chosen = ApplyRenumber(world.areas, plan, ticked);
    ASSERT_EQ(chosen.size(), 2u) << "the town's other references still change";
    EXPECT_EQ(chosen[0].records.mobprogs[0].code,
        "mob oload 1003\r\nmob goto 5002\r\nif carries $n 1000\r\n  say You have my key.\r\nendif\r\nmob mload 6000\r\n");

    // Ranges may overlap: a vnum of the old range that another area has, and
    // the castle lacks, is that area's.
    world.docs[1]->rooms[1].vnum = 1050;
    world.docs[0]->rooms[0].exits[DirSouth].toVnum = 1050;
    world.docs[0]->rooms[0].exits[DirEast].toVnum = 1099;
    const auto overlapped = ApplyRenumber(world.areas, PlanRenumber(world.areas, 0, 5000));
    const CRoomData& gate = overlapped[0].records.rooms[0];
    EXPECT_EQ(std::pair(gate.exits[DirSouth].toVnum, gate.exits[DirEast].toVnum), std::pair(1050, 5099));

    world.docs[0]->rooms[0].vnum = 1150;
    world.docs[0]->mobs[0].vnum = 990;
    const CRenumberPlan wide = PlanRenumber(world.areas, 0, 5000);
    EXPECT_EQ(std::pair(wide.oldLow, wide.oldHigh), std::pair(990, 1150));
    EXPECT_EQ(wide.newHigh, 5160);
}

// The numbers ROM reads as vnums after its mob commands and ifchecks,
// whatever their case, and nothing else.
TEST(Renumber, CodeVnumsAreTheNumbersOfVnumCommands)
{
    const struct {
        const char* code;
        const char* found; // line, command and value of each
    } cases[] = {
        { "mob oload 3010 1 room\r\nMOB MLoad 3000\r\n", "1 mob oload 3010 | 2 MOB MLoad 3000 | " },
        { "if carries $n 3022\nand wears $n '3023'\nor vnum $i == 3001\n  if room $n != 3002\n",
            "1 if carries 3022 | 2 and wears 3023 | 3 or vnum 3001 | 4 if room 3002 | " },
        { "if mobhere 3001\nif objhere 3002\nif mobexists 3003\nif objexists 3004\n",
            "1 if mobhere 3001 | 2 if objhere 3002 | 3 if mobexists 3003 | 4 if objexists 3004 | " },
        { "mob at 3001 mob goto 3002\nmob vforce 3003 mob call 3004 $n\nmob force $n mob remove $n 3005\n",
            "1 mob at 3001 | 1 mob goto 3002 | 2 mob vforce 3003 | 2 mob call 3004 | 3 mob remove 3005 | " },
        { "mob transfer $n 3001\nmob gtransfer all 3002\nmob otransfer sword 3003\nmob transfer all\n",
            "1 mob transfer 3001 | 2 mob gtransfer 3002 | 3 mob otransfer 3003 | " },
        { "say mob oload 3001\nmob junk 3001\nmob damage $n 10 20\nif has $n 3001\nif rand 50\nmob oload $n\n"
          "mob oload 30x1\nmob oload 1234567890\nmob delay 3001\nif vnum $i 3001\n",
            "" },
    };
    for (const auto& c : cases) {
        std::string found;
        for (const CCodeVnum& v : FindCodeVnums(c.code)) {
            found += std::to_string(v.line) + " " + v.command + " " + std::to_string(v.value) + " | ";
            EXPECT_EQ(std::string(c.code).substr(v.offset, v.length), std::to_string(v.value)) << c.code;
        }
        EXPECT_EQ(found, c.found) << c.code;
    }
}

// smurf.are moved to a free range of the stock world: the world checks as
// before but for the moved vnums. The zero move writes the area as the
// writer does, so that the file lines compare too.
TEST(Renumber, AStockAreaMovedInItsWorldChecksAsBefore)
{
    const std::string stock = SharedPath("areas/rom24");
    if (!fs::exists(stock + "/area.lst"))
        GTEST_SKIP() << "the shared ROM areas are not present";
    CScratchDir scratch;
    const auto check = [&](int to) {
        const std::string out = scratch.Path(std::to_string(to));
        const CCliResult moved = RunCli({ "renumber", "--config", RomConfig, "--to", std::to_string(to), "--world",
            stock + "/area.lst", "smurf.are", out });
        EXPECT_EQ(moved.status, 0) << moved.err;
        std::string list;
        for (const CAreaListEntry& entry : ReadAreaList(ReadWholeFile(stock + "/area.lst")).entries)
            list += (fs::exists(out + "/" + entry.file) ? out : stock) + "/" + entry.file + "\n";
        const CCliResult checked = RunCli({ "check", "--strict", "--config", RomConfig, "--world", scratch.Write(std::to_string(to) + ".lst", list + "$\n") });
        std::string lines = checked.out;
        for (const std::string& folder : { out + "/", stock + "/" })
            for (size_t at; (at = lines.find(folder)) != std::string::npos;)
                lines.erase(at, folder.size());
        return lines;
    };
    const std::string before = check(100);
    std::string after = check(20000);
    std::string mapped;
    const std::regex digits("\\d+");
    for (auto it = std::sregex_iterator(after.begin(), after.end(), digits); it != std::sregex_iterator(); ++it) {
        const int value = std::stoi(it->str());
        mapped += it->prefix().str() + std::to_string(value >= 20000 && value <= 20099 ? value - 19900 : value);
        if (std::next(it) == std::sregex_iterator())
            mapped += it->suffix().str();
    }
    EXPECT_NE(before.find("smurf.are:"), std::string::npos) << "smurf's own findings compare too";
    EXPECT_EQ(mapped, before);

    // Record by record: the original's rooms, exits, resets and shops, moved by the offset.
    CConfigTables tables;
    LoadTables(tables, RomConfig);
    CTolvexDoc original(tables), moved(tables);
    LoadArea(original, ReadWholeFile(stock + "/smurf.are"));
    LoadArea(moved, ReadWholeFile(scratch.Path("20000") + "/smurf.are"));
    const auto move = [](int vnum) { return vnum >= 100 && vnum <= 199 ? vnum + 19900 : vnum; };
    ASSERT_EQ(moved.rooms.size(), original.rooms.size());
    for (size_t i = 0; i < original.rooms.size(); ++i) {
        const CRoomData &was = original.rooms[i], &now = moved.rooms[i];
        EXPECT_EQ(now.vnum, was.vnum + 19900);
        EXPECT_EQ(now.name, was.name);
        for (size_t d = 0; d < DirectionCount; ++d) {
            EXPECT_EQ(now.exits[d].toVnum, move(was.exits[d].toVnum)) << was.vnum << " " << d;
            EXPECT_EQ(now.exits[d].key, move(was.exits[d].key)) << was.vnum << " " << d;
        }
        ASSERT_EQ(now.resets.size(), was.resets.size()) << was.vnum;
        for (size_t r = 0; r < was.resets.size(); ++r) {
            const CResetData &a = was.resets[r], &b = now.resets[r];
            const bool third = a.command == 'M' || a.command == 'O' || a.command == 'P';
            EXPECT_EQ(std::make_tuple(b.command, b.arg1, b.arg2, b.arg3, b.arg4),
                std::make_tuple(a.command, move(a.arg1), a.arg2, third ? move(a.arg3) : a.arg3, a.arg4))
                << was.vnum << " reset " << r;
        }
    }
    ASSERT_EQ(moved.mobs.size(), original.mobs.size());
    for (size_t i = 0; i < original.mobs.size(); ++i) {
        EXPECT_EQ(moved.mobs[i].vnum, original.mobs[i].vnum + 19900);
        EXPECT_EQ(moved.mobs[i].shop.has_value(), original.mobs[i].shop.has_value());
    }
}

#include "support/AreaFiles.h"
#include "support/RunCli.h"
#include "support/TestPaths.h"
#include "world/AreaList.h"
#include "world/WorldFind.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

namespace {

const std::string RomConfig = SourcePath("res/configs/rom24-default.cfg");
const std::string Crafted = SourcePath("tests/data/world-crafted");

// The output with the world's folder taken out of every path.
std::string WithoutFolder(std::string text, const std::string& folder)
{
    for (size_t at; (at = text.find(folder + "/")) != std::string::npos;)
        text.erase(at, folder.size() + 1);
    return text;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

// Three areas and a name the list has but the folder lacks: a vnum in two
// areas, overlapping ranges, an exit, a reset and a trigger that no area
// answers, an exit whose way back is another room, and the references across
// areas that are fine (a mob and an object of another area, a program there).
TEST(World, CheckFindsWhatOnlyTheAreasTogetherTell)
{
    const CCliResult strict = RunCli({ "check", "--strict", "--config", RomConfig, "--world", Crafted + "/area.lst" });
    EXPECT_EQ(strict.status, 1);
    EXPECT_EQ(WithoutFolder(strict.out, Crafted), ReadWholeFile(Crafted + "/expected-check-world-strict.txt"));
    EXPECT_EQ(WithoutFolder(strict.err, Crafted), "missing.are: error: cannot open the file: No such file or directory\n");
    // A file of the list named again, by another path, is checked once.
    const CCliResult named = RunCli({ "check", "--strict", "--config", RomConfig, "--world", Crafted + "/area.lst", Crafted + "/./town.are" });
    EXPECT_EQ(named.out, strict.out);

    // Without --strict, the world's findings alone.
    const CCliResult plain = RunCli({ "check", "--config", RomConfig, "--world", Crafted + "/area.lst" });
    for (const std::string& line : Lines(plain.out))
        EXPECT_NE(strict.out.find(line), std::string::npos) << line;
    EXPECT_EQ(plain.out.find("No exit of this area"), std::string::npos);

    const CCliResult world = RunCli({ "world", "--config", RomConfig, Crafted + "/area.lst" });
    EXPECT_EQ(world.status, 1) << "a listed file is missing";
    EXPECT_EQ(world.out, ReadWholeFile(Crafted + "/expected-world.txt"));
    const CCliResult json = RunCli({ "world", "--json", "--config", RomConfig, Crafted + "/area.lst" });
    EXPECT_EQ(json.out, ReadWholeFile(Crafted + "/expected-world.json"));
}

TEST(World, AListIsWordsUpToTheDollarAndWarnsWithoutIt)
{
    CScratchDir dir;
    dir.Write("a.are", "#AREA\na.are~\nA~\n{ All } Tolvex A~\n100 199\n\n#$\n");
    dir.Write("b.are", "#AREA\nb.are~\nB~\n{ All } Tolvex B~\n150 249\n\n#$\n");
    const CCliResult ended = RunCli({ "world", "--config", RomConfig, dir.Write("area.lst", "a.are  b.are\n$\nnever.are\n") });
    EXPECT_EQ(ended.status, 0) << ended.err;
    EXPECT_EQ(ended.out,
        "a.are: A, vnums 100-199, 0 rooms, 0 objects, 0 mobs, 0 mobprogs\n"
        "b.are: B, vnums 150-249, 0 rooms, 0 objects, 0 mobs, 0 mobprogs\n"
        "overlap: b.are 150-249 and a.are 100-199\n");
    const CCliResult open = RunCli({ "world", "--config", RomConfig, dir.Write("open.lst", "a.are\n") });
    EXPECT_EQ(open.status, 0);
    EXPECT_NE(open.err.find("warning: the list has no \"$\" line"), std::string::npos) << open.err;

    // What the editor opens as a world rather than as an area.
    for (const char* text : { "a.are\n$\n", "$\n", "a.are\r\nb.ARE  \r\n", "a.are b.are" })
        EXPECT_TRUE(LooksLikeAreaList(text)) << text;
    for (const char* text : { "#AREA\na.are~\n$\n", "", "a.are\nnotes.txt\n", "#$\n" })
        EXPECT_FALSE(LooksLikeAreaList(text)) << text;
}

// A new name goes on a line of its own before the "$", in the list's line ends.
TEST(World, AnAddedAreaGoesBeforeTheDollar)
{
    const std::pair<const char*, const char*> lists[] = {
        { "a.are\nb.are\n$\n", "a.are\nb.are\nnew.are\n$\n" },
        { "a.are\r\n  $\r\n", "a.are\r\nnew.are\r\n  $\r\n" },
        { "a.are b.are $\n", "a.are b.are \nnew.are\n$\n" },
        { "a.are\n$\nnever.are\n$\n", "a.are\nnew.are\n$\nnever.are\n$\n" },
        { "a.are", "a.are\nnew.are\n$\n" },
        { "", "new.are\n$\n" },
    };
    for (const auto& [before, after] : lists) {
        EXPECT_EQ(AddToAreaList(before, "new.are"), after) << before;
        EXPECT_EQ(ReadAreaList(AddToAreaList(before, "new.are")).entries.back().file, "new.are") << before;
    }
    EXPECT_EQ(AreaFileNameFor("The Elven Woods 2"), "theelvenwoods2.are");
    EXPECT_EQ(AreaFileNameFor("\xe9!"), "area.are");
}

// The stock files are 41 of the distribution's 52: their references into the
// other eleven are errors, and nothing else is.
TEST(World, TheStockAreasFailOnlyOnTheAreasTheyLack)
{
    const std::string list = SharedPath("areas/rom24/area.lst");
    if (!std::filesystem::exists(list))
        GTEST_SKIP() << "the shared ROM areas are not present";
    const CCliResult result = RunCli({ "check", "--strict", "--config", RomConfig, "--world", list });
    EXPECT_EQ(result.status, 1);
    int errors = 0;
    for (const std::string& line : Lines(result.out))
        if (line.find(": error: ") != std::string::npos) {
            ++errors;
            EXPECT_NE(line.find("which no area of the world has"), std::string::npos) << line;
        }
    EXPECT_GT(errors, 0);
}

// A vnum finds every kind that has it, in any area; a text finds the records
// whose texts hold it whatever the case; the areas come in list order, and in
// each the rooms, objects, mobs and mobprogs (the town has its mobs first).
TEST(World, FindListsWhatMatchesInWorldOrder)
{
    CConfigTables tables;
    LoadTables(tables, RomConfig);
    std::vector<std::unique_ptr<CTolvexDoc>> docs;
    std::vector<CWorldArea> areas;
    for (const char* file : { "town.are", "forest.are", "cave.are" }) {
        docs.push_back(std::make_unique<CTolvexDoc>(tables));
        LoadArea(*docs.back(), ReadWholeFile(Crafted + "/" + file));
        areas.push_back({ file, docs.back().get() });
    }
    const auto found = [&](const std::string& query, std::size_t limit = WorldFindLimit) {
        const CWorldMatches result = FindInWorld(areas, query, limit);
        std::string text = std::to_string(result.found);
        for (const CWorldMatch& match : result.matches)
            text += " | " + MatchText(match) + " @" + areas[match.area].file;
        return text;
    };
    EXPECT_EQ(found(" 1001 "), "2 | Room 1001 The Gate @town.are | Room 1001 A Stray Clearing @forest.are");
    EXPECT_EQ(found("2050"), "1 | Mobprog 2050 say Welcome. @forest.are") << "the cave's range holds it, not a record";
    EXPECT_EQ(found("s"),
        "7 | Room 1000 The Square @town.are | Mob 1000 the mayor @town.are | Room 2000 The Forest Edge @forest.are"
        " | Room 1001 A Stray Clearing @forest.are | Object 2010 a stick @forest.are | Mob 2001 a wolf @forest.are"
        " | Mobprog 2050 say Welcome. @forest.are");
    EXPECT_EQ(found("S", 2), "7 | Room 1000 The Square @town.are | Mob 1000 the mayor @town.are");
    EXPECT_EQ(found("GATE'S"), "1 | Room 1001 A Stray Clearing @forest.are") << "a room's description";
    EXPECT_EQ(found("Lies HERE"), "1 | Object 2010 a stick @forest.are") << "an object's long description";
    EXPECT_EQ(found("prowls"), "1 | Mob 2001 a wolf @forest.are") << "a mob's long description";
    EXPECT_EQ(found("welcome"), "1 | Mobprog 2050 say Welcome. @forest.are");
    for (const char* nothing : { "", "  ", "12345678901", "hello" })
        EXPECT_EQ(found(nothing), "0") << "\"" << nothing << "\": a trigger's phrase is no program's code";
}

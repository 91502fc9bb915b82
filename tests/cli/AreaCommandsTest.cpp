#include "support/RunCli.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string Config = SourcePath("res/tolvex.cfg");

// Two rooms joined north-south, a third off the map, a reset into another
// area: what check, dump and layout make of it is its golden output.
const std::string Area = SourcePath("tests/data/check-load-warnings/input.are");

} // namespace

// Every command that reads an area answers a file it cannot read with one
// line giving the system's reason, writes nothing else and exits 1.
TEST(AreaCommands, AFileThatCannotBeReadGivesTheSystemsReason)
{
    CScratchDir dir;
    const std::string folder = dir.Path("x.are");
    std::filesystem::create_directory(folder);
    const std::string locked = dir.Write("locked.are", ReadWholeFile(Area));
    chmod(locked.c_str(), 0);
    // the command, the file, the reason the system gives
    std::vector<std::tuple<std::vector<std::string>, std::string, const char*>> cases = {
        { { "check" }, folder, "Is a directory" },
        { { "check", "--strict" }, dir.Path("missing.are"), "No such file or directory" },
        { { "dump" }, folder, "Is a directory" },
        { { "layout" }, dir.Path("missing.are"), "No such file or directory" },
        { { "convert", "--dialect", "romolc" }, folder, "Is a directory" },
        { { "render" }, folder, "Is a directory" },
    };
    if (geteuid() != 0) // root reads a file of mode 000 all the same
        cases.push_back({ { "check" }, locked, "Permission denied" });
    for (const auto& [command, file, reason] : cases) {
        SCOPED_TRACE(command[0] + " " + file);
        std::vector<std::string> args = command;
        args.insert(args.end(), { "--config", Config, file });
        if (command[0] == "convert" || command[0] == "render")
            args.push_back(dir.Path("out"));
        EXPECT_EQ(RunCli(args).Whole(), (CCliResult { 1, "", file + ": error: cannot open the file: " + reason + "\n" }).Whole());
        EXPECT_FALSE(std::filesystem::exists(dir.Path("out")));
    }
    EXPECT_EQ(RunCli({ "check", "--config", folder, locked }).Whole(), (CCliResult { 1, "", folder + ": error: cannot open the file: Is a directory\n" }).Whole());
}

// A file with something in it but no section the reader knows is no area: a
// plain check, which reports only the load and none of the checker's
// findings, warns; --strict fails on it, and an empty file is an empty area
// (the not-an-area, nothing-but-the-end, empty-file and blank-file golden cases).
TEST(CheckCommand, AFileWithoutAnySectionIsNoArea)
{
    const std::string file = SourcePath("tests/data/not-an-area/input.are"), faulty = SourcePath("tests/data/check-shuffle-count/input.are");
    const CCliResult r = RunCli({ "check", "--config", Config, file, faulty });
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find(file + ": warning: no area section found: not an area file\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(faulty + ": ok\n"), std::string::npos) << r.out;
}

// At the default cell size, the check-load-warnings golden case.
TEST(LayoutCommand, PrintsEveryRoomAtTheCellSizeAsked)
{
    EXPECT_EQ(RunCli({ "layout", "--config", Config, "--cell", "3", Area }).out, "100 9 21 0\n101 9 9 0\n150 unplaced\nlevels 0 0\n");
}

// The headers each dialect writes are the rom-area-header golden files.
TEST(ConvertCommand, ThroughAnotherDialectAndBackTheAreaReadsTheSame)
{
    CScratchDir dir;
    const std::string in = Area, out = dir.Path("out.are");
    ASSERT_EQ(RunCli({ "convert", "--config", Config, "--dialect", "quendar", in, out }).status, 0);
    ASSERT_EQ(RunCli({ "convert", "--config", Config, "--dialect", "romdefault", out, dir.Path("back.are") }).status, 0);
    EXPECT_EQ(RunCli({ "dump", "--config", Config, in }).out, RunCli({ "dump", "--config", Config, dir.Path("back.are") }).out);

    EXPECT_EQ(RunCli({ "convert", "--config", Config, "--dialect", "diku", in, out }).status, 2);
    EXPECT_EQ(RunCli({ "convert", "--config", Config, in, dir.Path("missing/out.are") }).status, 1);
}

// Alone, the file's trigger for 9001 is a warning: its check-* golden case.
TEST(CheckCommand, ATriggerFindsItsProgramInAnotherFileOfTheSameRun)
{
    const std::string programs = SourcePath("tests/data/check-trigger-without-program/progs.are");
    const std::string mobs = SourcePath("tests/data/check-trigger-without-program/input.are");
    const CCliResult together = RunCli({ "check", "--strict", "--config", Config, mobs, programs });
    EXPECT_EQ(together.out.find("mobprog 9001"), std::string::npos) << together.out;
    EXPECT_NE(together.out.find(": error: Mob 100 has a greet trigger for mobprog 150, which this area does not have"), std::string::npos)
        << "no other area can hold a program of the area's own range";
    EXPECT_EQ(together.status, 1);
    EXPECT_NE(together.out.find(programs + ": ok\n"), std::string::npos) << together.out;
}

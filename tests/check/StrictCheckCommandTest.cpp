#include "support/RunCli.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

const std::string Config = SourcePath("res/tolvex.cfg");

// Every folder tests/data/check-*: one crafted area with one planted fault and
// the output `check --strict` gives for it, with the file called input.are.
std::vector<std::string> CheckCases()
{
    std::vector<std::string> cases;
    for (const auto& entry : std::filesystem::directory_iterator(SourcePath("tests/data")))
        if (entry.path().filename().string().rfind("check-", 0) == 0)
            cases.push_back(entry.path().string());
    std::sort(cases.begin(), cases.end());
    return cases;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

TEST(StrictCheckCommand, ReportsEachPlantedFaultAsItsGoldenOutputSays)
{
    const std::vector<std::string> cases = CheckCases();
    ASSERT_GE(cases.size(), 19u) << "the golden cases are missing";
    for (const std::string& dir : cases) {
        SCOPED_TRACE(dir);
        const std::string input = dir + "/input.are";
        const std::string expected = ReadWholeFile(dir + "/expected-strict.txt");
        const CCliResult r = RunCli({ "check", "--strict", "--config", Config, input });
        EXPECT_EQ(ReplaceAll(r.out, input, "input.are"), expected);
        const bool errors = expected.find(": error: ") != std::string::npos;
        EXPECT_EQ(r.status, errors ? 1 : 0) << "an error finding, and only that, fails the check";
    }
}

TEST(StrictCheckCommand, WithoutStrictOnlyTheLoadIsReported)
{
    const std::string input = SourcePath("tests/data/check-door-reset-bad-state/input.are");
    const CCliResult r = RunCli({ "check", "--config", Config, input });
    EXPECT_EQ(r.out, input + ": ok\n");
    EXPECT_EQ(r.status, 0);
}

TEST(StrictCheckCommand, ATriggerFindsItsProgramInAnotherFileOfTheSameRun)
{
    CScratchDir dir;
    const std::string programs = dir.Write("progs.are",
        "#AREADATA\nName Progs~\nVNUMs 9000 9099\nEnd\n\n#MOBPROGS\n#9001\nsay hello\n~\n#0\n\n#$\n");
    const std::string mobs = SourcePath("tests/data/check-trigger-without-program/input.are");
    const CCliResult alone = RunCli({ "check", "--strict", "--config", Config, mobs });
    EXPECT_NE(alone.out.find("mobprog 9001, which is not in this area"), std::string::npos) << alone.out;
    const CCliResult together = RunCli({ "check", "--strict", "--config", Config, mobs, programs });
    EXPECT_EQ(together.out.find("mobprog 9001"), std::string::npos) << together.out;
    EXPECT_NE(together.out.find(": error: Mob 100 has a greet trigger for mobprog 150, which this area does not have"), std::string::npos)
        << "no other area can hold a program of the area's own range";
    EXPECT_EQ(together.status, 1);
    EXPECT_NE(together.out.find(programs + ": ok\n"), std::string::npos) << together.out;
}

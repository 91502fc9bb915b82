#include "support/RunCli.h"

#include <gtest/gtest.h>

// The area's rooms span two levels; the second case draws level 1 over the
// ghost of level 0 at an odd cell size, so ellipse halves and the ghost shift appear.
TEST(RenderCommand, DrawsTheAreaLikeTheMapWindow)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        { { "--select", "9001" }, "expected.svg" },
        { { "--level", "1", "--cell", "10", "--select", "9004" }, "expected-level1.svg" },
    };
    const std::string input = SourcePath("tests/data/render-basic/input.are");
    for (const auto& [options, expected] : cases) {
        CScratchDir scratch;
        std::vector<std::string> args = { "render", "--config", SourcePath("res/tolvex.cfg") };
        args.insert(args.end(), options.begin(), options.end());
        args.insert(args.end(), { input, scratch.Path("out.svg") });
        EXPECT_EQ(RunCli(args).Whole(), (CCliResult { 0, "", input + ": warning: 1 of 7 rooms cannot be reached from the first room and are not on the map (View > All Rooms shows them)\n" }).Whole());
        EXPECT_EQ(ReadWholeFile(scratch.Path("out.svg")), ReadWholeFile(SourcePath("tests/data/render-basic/" + expected))) << "differs from " << expected;
    }
}

// Unknown options, bad numbers and unreadable areas: CommandLineTest and AreaCommandsTest.
TEST(RenderCommand, ExitsWithTwoOnBadUsageAndOneOnFailuresWritingNothing)
{
    CScratchDir scratch;
    const std::string config = SourcePath("res/tolvex.cfg"), good = SourcePath("tests/data/render-basic/input.are");
    const std::string aborting = SourcePath("tests/data/load-aborts/unknown-type.are");
    const std::string out = scratch.Path("out.svg");
    const std::string usage = "usage: tolvex-cli render";
    // the arguments after "render", the status, a part of the complaint
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        { { good }, 2, usage },
        { { "--config", config, good, scratch.Path("no/such/dir/out.svg") }, 1, "out.svg: cannot be written" },
        { { "--config", config, aborting, out }, 1, "unknown-type.are:12: error: " },
        { { "--config", scratch.Path("none.cfg"), good, out }, 1, "none.cfg: error: cannot open the file: No such file" },
    };
    for (const auto& [args, status, message] : cases) {
        std::vector<std::string> command = { "render" };
        command.insert(command.end(), args.begin(), args.end());
        const CCliResult result = RunCli(command);
        EXPECT_EQ(result.status, status) << message << ": " << result.err;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << message;
    }
}

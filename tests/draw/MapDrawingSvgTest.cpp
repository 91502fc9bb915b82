#include "support/RunCli.h"

#include <gtest/gtest.h>

namespace {

// The area's rooms span two levels; the second case draws level 1 over the
// ghost of level 0 at an odd cell size, so ellipse halves and the ghost shift appear.
TEST(RenderCommand, DrawsTheAreaLikeTheMapWindow)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        { { "--select", "9001" }, "expected.svg" },
        { { "--level", "1", "--cell", "10", "--select", "9004" }, "expected-level1.svg" },
    };
    for (const auto& [options, expected] : cases) {
        CScratchDir scratch;
        std::vector<std::string> args = { "render", "--config", SourcePath("res/tolvex.cfg") };
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(SourcePath("tests/data/render-basic/input.are"));
        args.push_back(scratch.Path("out.svg"));
        const CCliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, SourcePath("tests/data/render-basic/input.are") +
                ": warning: 1 of 7 rooms cannot be reached from the first room and are not on the map"
                " (View > All Rooms shows them)\n");
        const std::string golden = SourcePath("tests/data/render-basic/" + expected);
        EXPECT_EQ(ReadWholeFile(scratch.Path("out.svg")), ReadWholeFile(golden)) << "differs from " << expected;
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
    const struct {
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        { { good }, 2, usage },
        { { "--config", config, good, scratch.Path("no/such/dir/out.svg") }, 1, "out.svg: cannot be written" },
        { { "--config", config, aborting, out }, 1, "unknown-type.are:12: error: " },
        { { "--config", scratch.Path("none.cfg"), good, out }, 1, "none.cfg: error: cannot open the file: No such file" },
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        std::vector<std::string> args = { "render" };
        args.insert(args.end(), cases[i].args.begin(), cases[i].args.end());
        const CCliResult result = RunCli(args);
        EXPECT_EQ(result.status, cases[i].status) << "case " << i << ": " << result.err;
        EXPECT_NE(result.err.find(cases[i].message), std::string::npos) << "case " << i << ": " << result.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << "case " << i;
    }
}

} // namespace

#include "map/SvgCanvas.h"
#include "support/RunCli.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

const std::string Head = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"80\">\n";

TEST(SvgCanvas, EachPrimitiveIsOneElementLineInDrawingOrder)
{
    std::ostringstream out;
    CSvgCanvas svg(out, 100, 80);
    svg.FillRect(10, 20, 34, 44, { 0, 180, 0 });
    svg.Polyline({ { 1, 2 }, { 3, 4 }, { -5, 6 } }, { 200, 0, 0 }, 2);
    svg.Polygon({ { 7, 8 }, { 9, 10 }, { 11, 12 } }, { 200, 200, 0 });
    svg.Ellipse(78, 50, 90, 68, { 1, 2, 3 }, 1);
    svg.Disc(111, 84, 4, { 4, 5, 6 });
    svg.Finish();
    EXPECT_EQ(out.str(),
        Head + "<rect x=\"10\" y=\"20\" width=\"24\" height=\"24\" fill=\"rgb(0,180,0)\"/>\n"
            + "<polyline points=\"1,2 3,4 -5,6\" fill=\"none\" stroke=\"rgb(200,0,0)\" stroke-width=\"2\"/>\n"
            + "<polygon points=\"7,8 9,10 11,12\" fill=\"rgb(200,200,0)\"/>\n"
            + "<ellipse cx=\"84\" cy=\"59\" rx=\"6\" ry=\"9\" fill=\"none\" stroke=\"rgb(1,2,3)\" stroke-width=\"1\"/>\n"
            + "<circle cx=\"111\" cy=\"84\" r=\"4\" fill=\"rgb(4,5,6)\"/>\n" + "</svg>\n");
}

TEST(SvgCanvas, ThinnestPenIsWrittenAsWidthOne)
{
    std::ostringstream out;
    CSvgCanvas svg(out, 100, 80);
    svg.Polyline({ { 0, 0 }, { 1, 1 } }, { 0, 0, 0 }, 0);
    svg.Ellipse(0, 0, 4, 4, { 0, 0, 0 }, 0);
    const std::string text = out.str();
    EXPECT_EQ(text.find("stroke-width=\"0\""), std::string::npos) << text;
    EXPECT_NE(text.find("<polyline points=\"0,0 1,1\" fill=\"none\" stroke=\"rgb(0,0,0)\" stroke-width=\"1\"/>"),
        std::string::npos)
        << text;
}

TEST(SvgCanvas, EllipseCentreAndRadiiKeepTheirHalvesWithTheRightSign)
{
    struct Case {
        int left, top, right, bottom;
        std::string attributes;
    };
    const Case cases[] = {
        { 62, 80, 72, 95, "cx=\"67\" cy=\"87.5\" rx=\"5\" ry=\"7.5\"" },
        { -3, -4, 0, 0, "cx=\"-1.5\" cy=\"-2\" rx=\"1.5\" ry=\"2\"" },
        { -1, -2, 0, 1, "cx=\"-0.5\" cy=\"-0.5\" rx=\"0.5\" ry=\"1.5\"" },
        { 5, 5, 5, 5, "cx=\"5\" cy=\"5\" rx=\"0\" ry=\"0\"" },
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        CSvgCanvas svg(out, 100, 80);
        svg.Ellipse(c.left, c.top, c.right, c.bottom, { 0, 0, 0 }, 1);
        EXPECT_NE(out.str().find("<ellipse " + c.attributes + " fill="), std::string::npos)
            << c.left << "," << c.top << " " << c.right << "," << c.bottom << ": " << out.str();
    }
}

// The area's rooms span two levels; the second case draws level 1 over the
// ghost of level 0 at an odd cell size, so ellipse halves and the ghost shift appear.
TEST(RenderCommand, DrawsTheAreaLikeTheMapWindow)
{
    struct Case {
        std::vector<std::string> options;
        std::string expected;
    };
    const Case cases[] = {
        { { "--select", "9001" }, "expected.svg" },
        { { "--level", "1", "--cell", "10", "--select", "9004" }, "expected-level1.svg" },
    };
    for (const Case& c : cases) {
        CScratchDir scratch;
        std::vector<std::string> args = { "render", "--config", SourcePath("res/tolvex.cfg") };
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back(SourcePath("tests/data/render-basic/input.are"));
        args.push_back(scratch.Path("out.svg"));
        const CCliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(ReadWholeFile(scratch.Path("out.svg")),
            ReadWholeFile(SourcePath("tests/data/render-basic/" + c.expected)))
            << "differs from " << c.expected;
    }
}

TEST(RenderCommand, BadUsageExitsWithTwoAndWritesNothing)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        { "in.are" },
        { "in.are", "out.svg", "extra" },
        { "--cell", "0", "in.are", "out.svg" },
        { "--cell", "12x", "in.are", "out.svg" },
        { "--level", "in.are", "out.svg" },
        { "--select" },
        { "--zoom", "3", "in.are", "out.svg" },
        { "in.are", "out.svg", "--config" },
    };
    for (const std::vector<std::string>& options : cases) {
        CScratchDir scratch;
        std::vector<std::string> args = { "render" };
        for (const std::string& o : options)
            args.push_back(o == "out.svg" ? scratch.Path(o) : o);
        const CCliResult result = RunCli(args);
        std::string shown;
        for (const std::string& o : options)
            shown += o + " ";
        EXPECT_EQ(result.status, 2) << "render " << shown << "\n" << result.err;
        EXPECT_NE(result.err.find("usage: tolvex-cli render"), std::string::npos) << shown;
        EXPECT_FALSE(std::filesystem::exists(scratch.Path("out.svg"))) << shown;
    }
}

TEST(RenderCommand, UnreadableInputUnwritableOutputAndAbortedLoadExitWithOne)
{
    CScratchDir scratch;
    const std::string config = SourcePath("res/tolvex.cfg");
    const std::string good = SourcePath("tests/data/render-basic/input.are");
    const std::string aborting = scratch.Write("abort.are",
        "#AREA\nx.are~\nX~\nX~\n1 10\n\n#OBJECTS\n#1\nsword~\na sword~\nA sword lies here.~\n~\n"
        "nosuchtype 0 0\n0 0 0 0 0\n1 10 0 P\n#0\n\n#$\n");

    CCliResult r = RunCli({ "render", "--config", config, scratch.Path("missing.are"), scratch.Path("a.svg") });
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("missing.are"), std::string::npos) << r.err;

    r = RunCli({ "render", "--config", config, good, scratch.Path("no/such/dir/b.svg") });
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("b.svg"), std::string::npos) << r.err;

    r = RunCli({ "render", "--config", config, aborting, scratch.Path("c.svg") });
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("abort.are:13: error: "), std::string::npos) << "the reason is reported: " << r.err;
    EXPECT_FALSE(std::filesystem::exists(scratch.Path("c.svg")));

    r = RunCli({ "render", "--config", scratch.Path("none.cfg"), good, scratch.Path("d.svg") });
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_FALSE(std::filesystem::exists(scratch.Path("d.svg")));
}

TEST(RenderCommand, WarningsGoToStandardErrorWithFileAndLineAndTheDrawingIsStillWritten)
{
    CScratchDir scratch;
    const std::string area = scratch.Write("warn.are",
        "#AREA\nx.are~\nX~\nX~\n1 10\n\n#ROOMS\n#1\nA~\nB\n~\n0 0 0\nS\n#0\n\n#JUNK\n");
    const CCliResult r = RunCli({ "render", "--config", SourcePath("res/tolvex.cfg"), "--select", "5", area,
        scratch.Path("out.svg") });
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("warn.are:16: warning: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("no room has vnum 5"), std::string::npos) << r.err;
    const std::string svg = ReadWholeFile(scratch.Path("out.svg"));
    EXPECT_NE(svg.find("<rect x=\"24\" y=\"24\" width=\"24\" height=\"24\""), std::string::npos) << svg;
    EXPECT_EQ(svg.find("rgb(0,0,0)"), std::string::npos) << "nothing may be selected: " << svg;
}

} // namespace

#include "support/RunCli.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

const std::string Config = SourcePath("res/tolvex.cfg");

// The shipped configuration of each dialect.
std::string DialectConfig(const std::string& dialect)
{
    if (dialect == "quendar")
        return SourcePath("res/configs/quendar-example.cfg");
    if (dialect == "romdefault")
        return SourcePath("res/configs/rom24-default.cfg");
    return Config;
}

// tests/data/<case>/expected-<dialect>[-<option>...].are is what
// `convert --config <the dialect's configuration> --dialect <dialect>
// [--<option>...]` makes of the case's input.are.
struct CGoldenFile {
    std::string caseDir;
    std::string expected;
    std::vector<std::string> options;
};

std::vector<CGoldenFile> GoldenFiles()
{
    std::vector<CGoldenFile> files;
    for (const auto& dir : fs::directory_iterator(SourcePath("tests/data"))) {
        if (!fs::exists(dir.path() / "input.are"))
            continue;
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("expected-", 0) != 0 || entry.path().extension() != ".are")
                continue;
            const std::string stem = entry.path().stem().string().substr(9);
            const size_t dash = stem.find('-');
            const std::string dialect = stem.substr(0, dash);
            CGoldenFile golden { dir.path().string(), entry.path().string(),
                { "--config", DialectConfig(dialect), "--dialect", dialect } };
            std::string rest = dash == std::string::npos ? "" : stem.substr(dash + 1);
            while (!rest.empty()) {
                const std::string before = rest;
                for (const std::string option : { "rewrap", "keep-layout", "partial" })
                    if (rest.rfind(option, 0) == 0) {
                        golden.options.push_back("--" + option);
                        rest.erase(0, std::min(rest.size(), option.size() + 1));
                    }
                if (rest == before) {
                    ADD_FAILURE() << name << ": no option is called " << rest;
                    break;
                }
            }
            files.push_back(golden);
        }
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.expected < b.expected; });
    return files;
}

CCliResult Convert(const std::vector<std::string>& options, const std::string& in, const std::string& out)
{
    std::vector<std::string> args = { "convert" };
    if (std::find(options.begin(), options.end(), "--config") == options.end())
        args.insert(args.end(), { "--config", Config });
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(in);
    args.push_back(out);
    return RunCli(args);
}

} // namespace

// Each golden file is made exactly, and converting it again changes nothing.
TEST(GoldenCases, ConvertWritesTheExpectedFileAndThenAFixedPoint)
{
    const auto files = GoldenFiles();
    ASSERT_GE(files.size(), 19u) << "the golden folders were not found";
    for (const CGoldenFile& golden : files) {
        SCOPED_TRACE(golden.expected);
        CScratchDir scratch;
        // The #AREA header names the file read: both runs read an "input.are".
        const std::string first = scratch.Write("input.are", ReadWholeFile(golden.caseDir + "/input.are"));
        const CCliResult made = Convert(golden.options, first, scratch.Path("out.are"));
        ASSERT_EQ(made.status, 0) << made.err;
        const std::string output = ReadWholeFile(scratch.Path("out.are"));
        EXPECT_EQ(output, ReadWholeFile(golden.expected));

        CScratchDir again;
        const CCliResult remade = Convert(golden.options, again.Write("input.are", output), again.Path("out.are"));
        ASSERT_EQ(remade.status, 0) << remade.err;
        EXPECT_EQ(ReadWholeFile(again.Path("out.are")), output) << "a second convert changed the file";
    }
}

TEST(ConvertCommand, AFileReadInPartIsWrittenOnlyWithPartial)
{
    CScratchDir scratch;
    const std::string in = SourcePath("tests/data/read-in-part/input.are");
    const CCliResult refused = Convert({}, in, scratch.Path("out.are"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_FALSE(fs::exists(scratch.Path("out.are"))) << "nothing may be written";
    EXPECT_NE(refused.err.find(scratch.Path("out.are") + ": not written: " + in + " was read only up to line 16"),
        std::string::npos)
        << refused.err;

    // Complete but for its final "#$": not read in part.
    const std::string unended = scratch.Write("unended.are", "#ROOMS\n#500\nFirst~\nA room.\n~\n0 0 0\nS\n#0\n\n");
    EXPECT_EQ(Convert({}, unended, scratch.Path("unended-out.are")).status, 0);
}

TEST(ConvertCommand, AnnouncesAHeaderThatChangesKindOnStandardError)
{
    CScratchDir scratch;
    const std::string in = SourcePath("tests/data/kept-sections/input.are");
    const struct {
        const char* dialect;
        bool told;
    } cases[] = { { "romolc", true }, { "quendar", true }, { "romdefault", false } };
    for (const auto& c : cases) {
        const CCliResult r = Convert({ "--dialect", c.dialect }, in, scratch.Path("out.are"));
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err.find("The file has an #AREA header; saving in the configured dialect writes an #AREADATA") != std::string::npos,
            c.told)
            << c.dialect << ":\n"
            << r.err;
    }
    const CCliResult back = Convert({ "--dialect", "romdefault" }, SourcePath("tests/data/punctuation/input.are"), scratch.Path("out.are"));
    EXPECT_NE(back.err.find(":1: warning: The file has an #AREADATA header; saving in the configured dialect writes an "
                            "#AREA header instead, without the builders and the security."),
        std::string::npos)
        << back.err;
}

TEST(DumpCommand, ListsKeptSectionsWithTheirWordAndSize)
{
    const CCliResult r = RunCli({ "dump", "--config", Config, SourcePath("tests/data/kept-sections/input.are") });
    ASSERT_EQ(r.status, 0) << r.err;
    const size_t at = r.out.find("\"keptSections\"");
    ASSERT_NE(at, std::string::npos) << r.out;
    std::string list = r.out.substr(at);
    list.erase(std::remove_if(list.begin(), list.end(), [](char c) { return c == ' ' || c == '\n'; }), list.end());
    EXPECT_EQ(list.rfind("\"keptSections\":[{\"word\":\"HELPS\",\"bytes\":91},{\"word\":\"SOCIALS\",\"bytes\":40},"
                         "{\"word\":\"OBJOLD\",\"bytes\":29}]",
                  0),
        0u)
        << list;
}

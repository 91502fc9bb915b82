#include "support/RunCli.h"

#include <gtest/gtest.h>

#include <map>

namespace {

namespace fs = std::filesystem;

const std::string Config = SourcePath("res/tolvex.cfg");

// tests/data/<case>/ holds an input.are and what the commands make of it:
// expected-<dialect>[-<option>...].are is what `convert --dialect <dialect>
// [--<option>...]` writes, the .err file of the same name what it says on
// standard error (nothing, without one); expected-strict.txt is what `check
// --strict` prints, expected-dump.json and expected-layout.txt what `dump` and
// `layout` print. The case's own tolvex.cfg, if it has one, is the
// configuration; else the shipped one of the dialect.
struct CGoldenRun {
    std::string caseDir;
    std::string expected;
    std::vector<std::string> command; // without the files
};

std::string CaseConfig(const fs::path& dir, const std::string& dialect)
{
    const std::map<std::string, std::string> shipped = { { "quendar", "res/configs/quendar-example.cfg" }, { "romdefault", "res/configs/rom24-default.cfg" } };
    if (fs::exists(dir / "tolvex.cfg"))
        return (dir / "tolvex.cfg").string();
    return shipped.count(dialect) ? SourcePath(shipped.at(dialect)) : Config;
}

std::vector<CGoldenRun> GoldenRuns()
{
    std::vector<CGoldenRun> runs;
    for (const auto& dir : fs::directory_iterator(SourcePath("tests/data"))) {
        if (!fs::exists(dir.path() / "input.are"))
            continue;
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            const std::string name = entry.path().filename().string(), stem = entry.path().stem().string();
            const size_t dash = stem.find('-', 9);
            const std::string kind = stem.substr(std::min<size_t>(9, stem.size()), dash - 9);
            const bool printed = name == "expected-strict.txt" || name == "expected-dump.json" || name == "expected-layout.txt";
            if (name.rfind("expected-", 0) != 0 || (entry.path().extension() != ".are" && !printed))
                continue;
            CGoldenRun run { dir.path().string(), entry.path().string(), { kind, "--config", CaseConfig(dir.path(), kind) } };
            if (kind == "strict")
                run.command = { "check", "--strict", "--config", CaseConfig(dir.path(), "") };
            if (entry.path().extension() == ".are")
                run.command = { "convert", "--config", CaseConfig(dir.path(), kind), "--dialect", kind };
            std::string rest = dash == std::string::npos ? "-" : stem.substr(dash) + "-";
            for (const std::string option : { "rewrap", "keep-layout", "partial", "no-mobprogs" })
                if (const size_t at = rest.find("-" + option + "-"); at != std::string::npos) {
                    run.command.push_back("--" + option);
                    rest.erase(at, option.size() + 1);
                }
            EXPECT_EQ(rest, "-") << name << ": no option is called so";
            runs.push_back(run);
        }
    }
    std::sort(runs.begin(), runs.end(), [](const auto& a, const auto& b) { return a.expected < b.expected; });
    return runs;
}

// Runs the command on a copy of `contents` called input.are; the scratch
// folder is taken out of what it prints.
CCliResult RunOnInput(const CScratchDir& scratch, std::vector<std::string> args, const std::string& contents)
{
    args.push_back(scratch.Write("input.are", contents));
    if (args[0] == "convert")
        args.push_back(scratch.Path("out.are"));
    CCliResult r = RunCli(args);
    for (std::string* text : { &r.out, &r.err })
        for (size_t at; (at = text->find(scratch.Path(""))) != std::string::npos;)
            text->erase(at, scratch.Path("").size());
    return r;
}

} // namespace

// Each golden file is made exactly, and converting it again changes nothing;
// the check-* cases each plant one fault for `check --strict`.
TEST(GoldenCases, EveryCommandGivesTheGoldenOutputAndConvertsToAFixedPoint)
{
    const auto runs = GoldenRuns();
    ASSERT_GE(runs.size(), 60u) << "the golden folders were not found";
    for (const CGoldenRun& golden : runs) {
        SCOPED_TRACE(golden.expected);
        CScratchDir scratch, again;
        const CCliResult r = RunOnInput(scratch, golden.command, ReadWholeFile(golden.caseDir + "/input.are"));
        const std::string expected = ReadWholeFile(golden.expected);
        if (golden.command[0] != "convert") {
            EXPECT_EQ(r.out, expected);
            EXPECT_EQ(r.status, expected.find(": error: ") != std::string::npos ? 1 : 0) << "an error, and only that, fails the check";
            continue;
        }
        ASSERT_EQ(r.status, 0) << r.err;
        const std::string err = fs::path(golden.expected).replace_extension(".err").string();
        EXPECT_EQ(r.err, fs::exists(err) ? ReadWholeFile(err) : "");
        const std::string output = ReadWholeFile(scratch.Path("out.are"));
        EXPECT_EQ(output, expected);
        // The #AREA header names the file read: both runs read an "input.are".
        const CCliResult remade = RunOnInput(again, golden.command, output);
        ASSERT_EQ(remade.status, 0) << remade.err;
        EXPECT_EQ(ReadWholeFile(again.Path("out.are")), output) << "a second convert changed the file";
    }
}

// Complete but for its final "#$", a file is not read in part: the ends-* golden cases.
TEST(ConvertCommand, AFileReadInPartIsWrittenOnlyWithPartial)
{
    CScratchDir scratch;
    const std::string in = SourcePath("tests/data/read-in-part/input.are");
    const CCliResult refused = RunCli({ "convert", "--config", Config, in, scratch.Path("out.are") });
    EXPECT_EQ(refused.status, 1);
    EXPECT_FALSE(fs::exists(scratch.Path("out.are"))) << "nothing may be written";
    EXPECT_NE(refused.err.find(scratch.Path("out.are") + ": not written: " + in + " was read only up to line 16"),
        std::string::npos)
        << refused.err;
}

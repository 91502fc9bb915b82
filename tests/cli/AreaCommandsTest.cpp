#include "support/RunCli.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
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

namespace {

// The array of flat objects that check --format json writes, read back: each
// object's values as text (strings unescaped, numbers and null as written).
std::vector<std::map<std::string, std::string>> ReadFindings(const std::string& json)
{
    static const std::regex token(R"("(?:[^"\\]|\\.)*"|[\[\]{}:,]|[-\w.]+|\S)");
    std::vector<std::string> t;
    for (auto i = std::sregex_iterator(json.begin(), json.end(), token); i != std::sregex_iterator(); ++i)
        t.push_back(i->str());
    const auto text = [](const std::string& s) {
        if (s[0] != '"')
            return s;
        std::string out;
        for (size_t i = 1; i + 1 < s.size(); ++i) {
            const char e = s[i] == '\\' ? s[++i] : 0;
            out += !e ? s[i] : e == 'n' ? '\n'
                : e == 'u'              ? static_cast<char>(std::stoi(s.substr(i + 1, 4), nullptr, 16))
                                        : e;
            i += e == 'u' ? 4 : 0;
        }
        return out;
    };
    std::vector<std::map<std::string, std::string>> objects;
    size_t i = 0;
    EXPECT_EQ(t.at(i++), "[");
    while (t.at(i) != "]") {
        EXPECT_EQ(t.at(i), "{");
        auto& object = objects.emplace_back();
        do {
            EXPECT_EQ(t.at(i + 2), ":");
            object[text(t.at(i + 1))] = text(t.at(i + 3));
            i += 4;
        } while (t.at(i) == ",");
        EXPECT_EQ(t.at(i++), "}");
        if (t.at(i) == ",") {
            EXPECT_EQ(t.at(++i), "{");
        }
    }
    EXPECT_EQ(i + 1, t.size()) << "one array and nothing after it";
    return objects;
}

} // namespace

// The JSON findings are the plain ones, line for line, with the record and
// vnum apart; the exit status is the same.
TEST(CheckCommand, JsonFindingsAreThePlainOnesWithTheirRecords)
{
    const std::vector<std::string> files = { Area, SourcePath("tests/data/check-duplicate-vnum/input.are"),
        SourcePath("tests/data/check-clean/input.are") };
    std::vector<std::string> plainArgs = { "check", "--strict", "--config", Config }, jsonArgs = plainArgs;
    jsonArgs.push_back("--format=json");
    plainArgs.insert(plainArgs.end(), files.begin(), files.end());
    jsonArgs.insert(jsonArgs.end(), files.begin(), files.end());
    const CCliResult plain = RunCli(plainArgs), json = RunCli(jsonArgs);
    EXPECT_EQ(json.status, plain.status);
    EXPECT_EQ(json.status, 1);
    std::string lines, rooms;
    for (const auto& f : ReadFindings(json.out)) {
        std::string text = f.at("text");
        std::replace(text.begin(), text.end(), '\n', ' ');
        lines += f.at("file") + (f.at("line") == "null" ? "" : ":" + f.at("line")) + ": " + f.at("severity") + ": " + text + "\n";
        if (f.at("record") != "null")
            rooms += f.at("record") + " " + f.at("vnum") + "; ";
    }
    std::string expected;
    std::istringstream in(plain.out);
    for (std::string line; std::getline(in, line);)
        if (line.find(": ok") == std::string::npos)
            expected += line + "\n";
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(rooms, "Room 150; Room 101; ");
    EXPECT_EQ(RunCli({ "check", "--format", "xml", Area }).status, 2);
}

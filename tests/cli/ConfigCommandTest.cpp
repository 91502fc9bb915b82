#include "support/RunCli.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

std::map<std::string, std::string> Summary(const std::string& out)
{
    std::map<std::string, std::string> lines;
    std::istringstream in(out);
    std::string key, value;
    while (in >> key && std::getline(in >> std::ws, value))
        lines[key] = value;
    return lines;
}

} // namespace

TEST(ConfigCommand, ShippedConfigurationsLoadWithTheirDialects)
{
    for (const auto& c : { std::pair { "res/tolvex.cfg", "ROMOLC" }, std::pair { "res/configs/rom24-default.cfg", "ROMDEFAULT" },
             std::pair { "res/configs/quendar-example.cfg", "QUENDAR" } }) {
        const CCliResult r = RunCli({ "config", SourcePath(c.first) });
        ASSERT_EQ(r.status, 0) << c.first << ": " << r.err;
        auto lines = Summary(r.out);
        EXPECT_EQ(lines["MUDTYPE"] + lines["ISDOOR"] + lines["LOCKED"], c.second + std::string("AC")) << c.first;
        for (const char* table : { "SECTORTYPE", "ROOMFLAGS", "EXITFLAGS", "OBJTYPES", "SPELLS", "MOBFLAGS",
                 "ATTACKTYPES", "POS", "SEX", "SIZE", "WEARPOS", "DIRNAME", "SECTORCOLORS", "SKILLS" })
            EXPECT_GT(std::stoi(lines[table]), 0) << c.first << " has an empty " << table;
    }
}

// Every table's count, then its entries as tab-separated fields.
TEST(ConfigCommand, DumpListsEntriesAsTabSeparatedFields)
{
    const CCliResult r = RunCli({ "config", "--dump", SourcePath("tests/data/config-dump/small.cfg") });
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, ReadWholeFile(SourcePath("tests/data/config-dump/expected.txt")));
}

TEST(ConfigCommand, FaultyFileExitsOneAndNamesTheLine)
{
    CScratchDir dir;
    const std::string cfg = dir.Write("bad.cfg", "comment\n#ROOMFLAGS\ndark A\nend\n\n#WEAPONCLASE\n");
    EXPECT_EQ(RunCli({ "config", cfg }).Whole(), (CCliResult { 1, "", "Error leyendo tolvex.cfg! (6)\n" }).Whole());
    const std::string none = dir.Path("none.cfg");
    EXPECT_EQ(RunCli({ "config", none }).Whole(), (CCliResult { 1, "", none + ": error: cannot open the file: No such file or directory\n" }).Whole());
}

// An install moved to any prefix finds its configuration in ../share/tolvex
// beside the program; with none there, the message lists every place looked at.
TEST(ConfigCommand, ARelocatedInstallFindsItsConfigurationOrSaysWhereItLooked)
{
    namespace fs = std::filesystem;
    CScratchDir dir;
    fs::create_directories(dir.Path("prefix/bin"));
    fs::create_directories(dir.Path("prefix/share/tolvex"));
    fs::create_directories(dir.Path("elsewhere"));
    fs::copy_file(TOLVEX_CLI, dir.Path("prefix/bin/tolvex-cli"));
    fs::permissions(dir.Path("prefix/bin/tolvex-cli"), fs::perms::owner_all);
    // Nothing of this machine's: no current directory, user or system data.
    const std::string none = dir.Path("none");
    const std::string prefix = "cd " + ShellQuote(dir.Path("elsewhere")) + " && env XDG_CONFIG_HOME=" + none
        + " XDG_DATA_HOME=" + none + " XDG_DATA_DIRS=" + none;
    const std::string program = dir.Path("prefix/bin/tolvex-cli");

    if (!fs::exists(TOLVEX_DATADIR "/tolvex.cfg")) {
        const CCliResult missing = RunProgram(prefix, program, { "config" });
        EXPECT_EQ(missing.status, 1);
        EXPECT_EQ(missing.err, "Error leyendo tolvex.cfg! (0)\ntolvex.cfg was looked for in:\n  tolvex.cfg\n  " + dir.Path("prefix/bin/tolvex.cfg") + "\n  " + none + "/Vantreme/tolvex.cfg\n  " + dir.Path("prefix/share/tolvex/tolvex.cfg") + "\n  " + none + "/tolvex/tolvex.cfg\n  " TOLVEX_DATADIR "/tolvex.cfg\n");
    }
    fs::copy_file(SourcePath("res/configs/quendar-example.cfg"), dir.Path("prefix/share/tolvex/tolvex.cfg"));
    const CCliResult found = RunProgram(prefix, program, { "config" });
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out.rfind("MUDTYPE QUENDAR\n", 0), 0u) << found.out;
}

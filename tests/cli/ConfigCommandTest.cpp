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

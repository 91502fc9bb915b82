#include "support/RunCli.h"
#include "support/TestPaths.h"

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

TEST(ConfigCommand, DumpListsEntriesAsTabSeparatedFields)
{
    CScratchDir dir;
    const std::string cfg = dir.Write("t.cfg",
        "#GENERAL MUDTYPE quendar ISDOOR A LOCKED BC MOBPROG 0 END\n"
        "#ROOMFLAGS dark A end\n#POS stand 'Standing' end\n"
        "#OBJTYPES weapon 5 Class~L Dice~I Sides~I Attack~O Flags~F end\n"
        "#OBJTABLES 5 4 NEW flaming A sharp f end\n#OBJTABLES 5 0 WEAPON_CLASES\n"
        "#MOBFLAGS human A 0 0 0 0 0 HM f end\n#SECTORCOLORS 2 0 180 -5 end\n");
    const CCliResult r = RunCli({ "config", "--dump", cfg });
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* expected : {
             "MUDTYPE QUENDAR\nMOBPROG 0\nISDOOR A\nLOCKED BC\n",
             "\nROOMFLAGS\t0\tdark\t1\t\n",
             "\nPOS\t0\tstand\t0\tStanding\n",
             "\nOBJTYPES\t0\tweapon\t5\n",
             "\nOBJSLOT\t0\t0\tL\t2\tClass\n",
             "\nOBJSLOT\t0\t4\tF\t0\tFlags\n",
             "\nOWN\t0\t4\tflaming\t1\n",
             "\nOWN\t0\t4\tsharp\t-2147483648\n",
             "\nMOBFLAGS\t0\thuman\tA\t0\t0\t0\t0\t0\tHM\tf\n",
             "\nSECTORCOLORS\t0\t2\t0\t180\t-5\n" })
        EXPECT_NE(r.out.find(expected), std::string::npos) << "missing: " << expected << "\nin:\n"
                                                           << r.out;
}

TEST(ConfigCommand, FaultyFileExitsOneAndNamesTheLine)
{
    CScratchDir dir;
    const std::string cfg = dir.Write("bad.cfg", "comment\n#ROOMFLAGS\ndark A\nend\n\n#WEAPONCLASE\n");
    const CCliResult r = RunCli({ "config", cfg });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error leyendo tolvex.cfg! (6)\n");
    EXPECT_TRUE(r.out.empty());

    const CCliResult missing = RunCli({ "config", dir.Path("none.cfg") });
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, dir.Path("none.cfg") + ": error: cannot open the file: No such file or directory\n");
}

#include "support/RunCli.h"

#include <gtest/gtest.h>

namespace {

const std::string RomConfig = SourcePath("res/configs/rom24-default.cfg");

// Two rooms; a torch given twice at its limit of 1, so the second gets a note.
const char* const Area =
    "#AREA\nt.are~\nTest~\n{ All } Tolvex Test~\n100 199\n\n"
    "#MOBILES\n#100\nimp~\nthe imp~\nAn imp grins.\n~\n~\nhuman~\nABV 0 0 0\n1 0 1d1+10 1d1+1 1d4+0 punch\n"
    "0 0 0 0\n0 0 0 0\nstand stand none 0\n0 0 medium 0\n#0\n\n"
    "#OBJECTS\n#150\ntorch~\na torch~\nA torch lies here.~\nwood~\nlight 0 A\n0 0 10 0 0\n1 1 10 P\n#0\n\n"
    "#ROOMS\n#101\nHall~\nA hall.\n~\n0 0 0\nD0\n~\n~\n0 0 102\nS\n"
    "#102\nAttic~\nAn attic.\n~\n0 0 0\nD2\n~\n~\n0 0 101\nS\n#0\n\n"
    "#RESETS\nM 0 100 5 101 5\nG 1 150 1\nM 0 100 5 102 5\nG 1 150 1\nS\n\n#$\n";

} // namespace

TEST(LookCommand, PrintsTheLookAndEachCommandWithItsAnswer)
{
    CScratchDir dir;
    const std::string area = dir.Write("t.are", Area);
    const CCliResult run = RunCli({ "look", "--config", RomConfig, "--room=101", area, "north", "look imp" });
    EXPECT_EQ(run.Whole(),
        "status 0\nout: Hall\n  A hall.\n\n[Exits: north]\nAn imp grins.\n"
        "> north\nAttic\n  An attic.\n\n[Exits: south]\nAn imp grins.\n"
        "> look imp\nYou see nothing special about it.\nThe imp is in excellent condition.\n"
        "\nerr: note: room 102: a torch (150) is at its limit of 1: the server gives it to the imp one time in five\n");

    const std::string list = dir.Write("area.lst", "t.are\n$\n");
    EXPECT_EQ(RunCli({ "look", "--config", RomConfig, "--world", list, "--room", "102", "t.are" }).out,
        "Attic\n  An attic.\n\n[Exits: south]\nAn imp grins.\n");

    const struct {
        std::vector<std::string> args;
        int status;
        const char* err;
    } failures[] = {
        { { "look", "--config", RomConfig, "--room", "150", area }, 1, "t.are: no room 150 in the area\n" },
        { { "look", "--config", RomConfig, "--world", list, "--room", "101", "other.are" }, 1, "other.are: " },
        { { "look", "--config", RomConfig, area }, 2, "look: --room is needed\n" },
        { { "look", "--config", RomConfig, "--room", "x", area }, 2, "look: --room needs a number" },
    };
    for (const auto& f : failures) {
        const CCliResult failed = RunCli(f.args);
        EXPECT_EQ(failed.status, f.status) << failed.Whole();
        EXPECT_NE(failed.err.find(f.err), std::string::npos) << failed.Whole();
    }
}

#include "support/RunCli.h"

#include <gtest/gtest.h>

// Every command parses its arguments the same way: an unknown option is bad
// usage, even where it could pass for a file name, and --help answers on
// standard output.
TEST(CommandLine, EveryCommandRefusesUnknownOptionsAndAnswersHelp)
{
    for (const char* command : { "config", "check", "convert", "dump", "layout", "render" }) {
        const std::string usage = std::string("usage: tolvex-cli ") + command;
        const CCliResult bogus = RunCli({ command, "--bogus", "a.are", "b.are" });
        EXPECT_EQ(bogus.status, 2) << command;
        EXPECT_EQ(bogus.out, "") << command;
        EXPECT_NE(bogus.err.find(std::string(command) + ": unknown option '--bogus'\n" + usage), std::string::npos)
            << command << ": " << bogus.err;

        const CCliResult help = RunCli({ command, "--help" });
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind(usage, 0), 0u) << command << ": " << help.out;
        EXPECT_EQ(help.err, "") << command;

        EXPECT_EQ(RunCli({ command, "--config" }).status, 2) << command << ": an option without its value";
    }
    // -h, and --help before the command, as well as after it; --version anywhere.
    for (const std::vector<std::string>& args : { std::vector<std::string> { "--help" }, { "-h" } }) {
        const CCliResult help = RunCli(args);
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind("usage: tolvex-cli COMMAND", 0), 0u) << args[0];
    }
    EXPECT_EQ(RunCli({ "--help", "check" }).out.rfind("usage: tolvex-cli check", 0), 0u);
    EXPECT_EQ(RunCli({ "check", "-h" }).out.rfind("usage: tolvex-cli check", 0), 0u);
    for (const std::vector<std::string>& args : { std::vector<std::string> { "--version" }, { "layout", "--version" } })
        EXPECT_EQ(RunCli(args).Whole(), (CCliResult { 0, "tolvex-cli " TOLVEX_VERSION "\n", "" }).Whole());
    EXPECT_EQ(RunCli({ "frobnicate" }).status, 2);
}

// "--name=value" is "--name value"; a switch refuses a value.
TEST(CommandLine, ValuesFollowAnEqualsSign)
{
    const std::string area = SourcePath("res/examples/midden.are");
    const CCliResult joined = RunCli({ "layout", "--cell=24", "--config=" + SourcePath("res/tolvex.cfg"), area });
    EXPECT_EQ(joined.Whole(), RunCli({ "layout", "--cell", "24", "--config", SourcePath("res/tolvex.cfg"), area }).Whole());
    EXPECT_EQ(joined.status, 0) << joined.err;
    const CCliResult refused = RunCli({ "layout", "--all=yes", area });
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err.rfind("layout: --all takes no value\n", 0), 0u) << refused.err;
}

TEST(CommandLine, NumbersOutOfRangeOrMalformedAreBadUsage)
{
    // the arguments, the complaint
    const std::tuple<std::vector<std::string>, const char*> cases[] = {
        { { "layout", "--cell", "0", "a.are" }, "layout: --cell must be from 1 to" },
        { { "layout", "--cell", "3x", "a.are" }, "layout: --cell needs a number, not '3x'" },
        { { "layout", "--cell", "x", "a.are" }, "layout: --cell needs a number, not 'x'" },
        { { "render", "--cell", "4097", "a.are", "b.svg" }, "render: --cell must be from 1 to 4096" },
        { { "render", "--level", "", "a.are", "b.svg" }, "render: --level needs a number, not ''" },
    };
    for (const auto& [args, message] : cases) {
        const CCliResult r = RunCli(args);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

#include "area/CTolvexDoc.h"
#include "config/ConfigLoader.h"
#include "support/RunCli.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

// Each folder of tests/data that holds an input.are is a case: the input,
// loaded with a shipped configuration, must save as that dialect's expected
// file, and the expected file must save as itself again.
const struct {
    const char* config;
    const char* expected;
} Dialects[] = {
    { "res/configs/quendar-example.cfg", "expected-quendar.are" },
    { "res/configs/rom24-default.cfg", "expected-romdefault.are" },
    { "res/tolvex.cfg", "expected-romolc.are" },
};

std::vector<std::string> Cases()
{
    std::vector<std::string> cases;
    for (const auto& entry : std::filesystem::directory_iterator(SourcePath("tests/data")))
        if (std::filesystem::exists(entry.path() / "expected-quendar.are"))
            cases.push_back(entry.path().string());
    std::sort(cases.begin(), cases.end());
    return cases;
}

// The bytes saved from `bytes`; the header names `pathName`.
std::string Resaved(const std::string& config, const std::string& bytes, const std::string& pathName)
{
    CConfigTables tables;
    int line = 0;
    EXPECT_TRUE(LoadConfig(tables, SourcePath(config), line)) << config;
    CTolvexDoc doc(tables);
    std::istringstream in(bytes);
    CDiagnosticList diagnostics;
    EXPECT_TRUE(doc.Load(in, diagnostics));
    std::ostringstream out;
    doc.Save(out, pathName, diagnostics);
    return out.str();
}

} // namespace

TEST(GoldenAreas, EachInputSavesAsTheExpectedFileOfEveryDialectAndThatSavesAsItself)
{
    const std::vector<std::string> cases = Cases();
    ASSERT_GE(cases.size(), 2u);
    for (const std::string& folder : cases) {
        const std::string input = folder + "/input.are";
        for (const auto& dialect : Dialects) {
            SCOPED_TRACE(folder + " with " + dialect.config);
            const std::string expected = ReadWholeFile(folder + "/" + dialect.expected);
            ASSERT_FALSE(expected.empty());
            EXPECT_EQ(Resaved(dialect.config, ReadWholeFile(input), input), expected);
            EXPECT_EQ(Resaved(dialect.config, expected, input), expected) << "a second save must not change the file";
        }
    }
}

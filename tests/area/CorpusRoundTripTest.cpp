#include "area/CTolvexDoc.h"
#include "config/ConfigLoader.h"
#include "support/DocCompare.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> CorpusFiles()
{
    std::vector<std::string> files;
    if (!SharedAreasPresent())
        return files;
    for (const auto& entry : std::filesystem::directory_iterator(SharedPath("areas/rom24")))
        if (entry.path().extension() == ".are")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

CConfigTables Config(const std::string& relative)
{
    CConfigTables tables;
    int line = 0;
    EXPECT_TRUE(LoadConfig(tables, SourcePath(relative), line)) << relative << " line " << line;
    return tables;
}

std::string Describe(const std::vector<CDiagnostic>& items)
{
    std::string text;
    for (const CDiagnostic& d : items)
        text += "  line " + std::to_string(d.line) + ": " + d.text + "\n";
    return text;
}

std::string Save(CTolvexDoc& doc, const std::string& path)
{
    std::ostringstream out;
    CDiagnosticList diagnostics;
    doc.Save(out, path, diagnostics);
    EXPECT_TRUE(diagnostics.items.empty()) << path << " save:\n" << Describe(diagnostics.items);
    return out.str();
}

void CheckRoundTrip(const std::string& config)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "the shared ROM areas are not present";
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        CConfigTables tables = Config(config);
        CTolvexDoc original(tables);
        std::istringstream in(ReadFile(path));
        CDiagnosticList diagnostics;
        ASSERT_TRUE(original.Load(in, diagnostics));
        for (const CDiagnostic& d : diagnostics.items)
            EXPECT_FALSE(d.messageBox) << "unknown name in " << path << ": " << d.text;

        const std::string first = Save(original, path);
        CTolvexDoc reread(tables);
        std::istringstream again(first);
        CDiagnosticList rereadDiagnostics;
        ASSERT_TRUE(reread.Load(again, rereadDiagnostics));
        // Only what was already reported may be reported again (resets of
        // other areas stay outside this one).
        for (const CDiagnostic& d : rereadDiagnostics.items) {
            const std::string kind = d.text.substr(0, d.text.find(':'));
            bool known = false;
            for (const CDiagnostic& o : diagnostics.items)
                known = known || o.text.compare(0, kind.size(), kind) == 0;
            EXPECT_TRUE(known) << "a saved file reads back with a new warning: " << d.text;
        }

        const auto differences = CompareDocs(original, reread);
        std::string shown;
        for (size_t i = 0; i < differences.size() && i < 20; ++i)
            shown += "  " + differences[i] + "\n";
        EXPECT_TRUE(differences.empty()) << differences.size() << " differences, the first:\n" << shown;

        const std::string second = Save(reread, path);
        EXPECT_TRUE(first == second) << "a second save changed the bytes";
    }
}

} // namespace

TEST(Corpus, RomDefaultFilesRoundTripInTheirDialect)
{
    CheckRoundTrip("res/configs/rom24-default.cfg");
}

TEST(Corpus, RomFilesRoundTripWithTheOlcHeader)
{
    CheckRoundTrip("res/tolvex.cfg");
}

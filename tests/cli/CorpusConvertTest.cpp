#include "config/ConfigLoader.h"
#include "support/DocCompare.h"
#include "support/RunCli.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

// `tolvex-cli convert` over the stock ROM areas: what the server reads must
// come through, and a second convert must change nothing.
namespace {

namespace fs = std::filesystem;

const std::string Config = SourcePath("res/tolvex.cfg");

struct CLoaded {
    CConfigTables tables;
    std::unique_ptr<CTolvexDoc> doc;
    CDiagnosticList diagnostics;
};

std::unique_ptr<CLoaded> Load(const std::string& bytes, const CSaveOptions* options = nullptr)
{
    auto loaded = std::make_unique<CLoaded>();
    int line = 0;
    EXPECT_TRUE(LoadConfig(loaded->tables, Config, line));
    loaded->doc = std::make_unique<CTolvexDoc>(loaded->tables);
    std::istringstream in(bytes);
    EXPECT_TRUE(options ? loaded->doc->Load(in, loaded->diagnostics, *options) : loaded->doc->Load(in, loaded->diagnostics));
    return loaded;
}

std::string Convert(const std::string& in, const std::string& out, const std::string& dialect, bool rewrap)
{
    std::vector<std::string> args = { "convert", "--config", Config, "--dialect", dialect };
    if (rewrap)
        args.push_back("--rewrap");
    args.push_back(in);
    args.push_back(out);
    const CCliResult r = RunCli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    return ReadWholeFile(out);
}

void CheckKeptSections(const std::string& original, const CTolvexDoc& doc, const std::string& output)
{
    for (const CKeptSection& kept : doc.keptSections) {
        const size_t at = original.find("#" + kept.word);
        ASSERT_NE(at, std::string::npos) << kept.word;
        EXPECT_EQ(original.compare(at, kept.bytes.size(), kept.bytes), 0) << "#" << kept.word << " is not the file's own bytes";
        const std::string end = kept.word == "HELPS" ? "$~" : "#0\n";
        EXPECT_EQ(kept.bytes.compare(kept.bytes.size() - end.size(), end.size(), end), 0) << "#" << kept.word << " ends early";
        EXPECT_NE(output.find(kept.bytes), std::string::npos) << "#" << kept.word << " is not in the output";
    }
}

// The converted file reads back as the original did, field by field, and
// reports only what the original already reported (resets of other areas
// stay outside this one).
void CheckReadBack(const CLoaded& original, const CLoaded& converted, bool rewrap)
{
    const auto differences = CompareDocs(*original.doc, *converted.doc, rewrap);
    std::string shown;
    for (size_t i = 0; i < differences.size() && i < 20; ++i)
        shown += "  " + differences[i] + "\n";
    EXPECT_TRUE(differences.empty()) << differences.size() << " differences, the first:\n"
                                     << shown;
    for (const CDiagnostic& d : converted.diagnostics.items) {
        const std::string kind = d.text.substr(0, d.text.find(':'));
        bool known = false;
        for (const CDiagnostic& o : original.diagnostics.items)
            known = known || o.text.compare(0, kind.size(), kind) == 0;
        EXPECT_TRUE(known) << "a converted file reads back with a new warning: " << d.text;
    }
}

// Read with every money slot taken as a plain number, the output must give
// the same values: letters would read as 0.
void CheckMoneyIsDecimal(const CLoaded& original, const std::string& output)
{
    CLoaded numbers;
    int line = 0;
    ASSERT_TRUE(LoadConfig(numbers.tables, Config, line));
    for (const auto& type : numbers.tables.objTypes)
        for (CObjValueSlot& slot : type->slots)
            if (slot.kind == 'D' || slot.kind == 'd')
                slot.kind = 'I';
    CTolvexDoc doc(numbers.tables);
    std::istringstream in(output);
    ASSERT_TRUE(doc.Load(in, numbers.diagnostics));
    ASSERT_EQ(doc.objects.size(), original.doc->objects.size());
    for (size_t i = 0; i < doc.objects.size(); ++i)
        EXPECT_EQ(doc.objects[i].values, original.doc->objects[i].values) << "object " << doc.objects[i].vnum;
}

} // namespace

TEST(CorpusConvert, EveryStockAreaKeepsWhatTheServerReadsAndConvertsToAFixedPoint)
{
    const auto files = StockAreaFiles();
    if (files.empty())
        GTEST_SKIP() << "the shared ROM areas are not present";
    for (const std::string& path : files) {
        const std::string original = ReadWholeFile(path);
        const auto read = Load(original);
        for (const CDiagnostic& d : read->diagnostics.items)
            EXPECT_FALSE(d.messageBox) << "unknown name in " << path << ": " << d.text;
        for (const char* dialect : { "romdefault", "romolc" })
            for (const bool rewrap : { false, true }) {
                SCOPED_TRACE(path + " " + dialect + (rewrap ? " --rewrap" : ""));
                // Both runs read a file of the original's name: the #AREA header names it.
                CScratchDir first, second;
                const std::string name = fs::path(path).filename().string();
                const std::string output = Convert(path, first.Path(name), dialect, rewrap);
                EXPECT_EQ(Convert(first.Path(name), second.Path(name), dialect, rewrap), output)
                    << "a second convert changed the file";

                CheckKeptSections(original, *read->doc, output);
                CheckReadBack(*read, *Load(output), rewrap);
                CheckMoneyIsDecimal(*read, output);
            }
    }
}

// The stock files that showed each fault.
TEST(CorpusConvert, HelpAndSocialFilesComeBackWithoutAHeaderAndWithTheirText)
{
    if (!SharedAreasPresent())
        GTEST_SKIP() << "the shared ROM areas are not present";
    for (const char* name : { "help.are", "social.are" })
        for (const char* dialect : { "romdefault", "romolc" }) {
            SCOPED_TRACE(std::string(name) + " " + dialect);
            CScratchDir scratch;
            const std::string original = ReadWholeFile(SharedPath(std::string("areas/rom24/") + name));
            const std::string output = Convert(SharedPath(std::string("areas/rom24/") + name), scratch.Path(name), dialect, false);
            const auto read = Load(original);
            ASSERT_EQ(read->doc->keptSections.size(), 1u);
            const std::string& kept = read->doc->keptSections[0].bytes;
            EXPECT_EQ(original.rfind(kept, 0), 0u) << "the section is the file's start";
            EXPECT_EQ(output.rfind(kept + "\n", 0), 0u) << "no header goes before it";
            EXPECT_EQ(output.find("#AREA"), std::string::npos);
            for (const char* section : { "#MOBILES", "#OBJECTS", "#ROOMS", "#RESETS" })
                EXPECT_EQ(output.find(section), std::string::npos) << section << ": the server stops on it without a header";
        }
}

TEST(CorpusConvert, AstralKeepsItsBlockedExitsAndGetsTheGameSecurity)
{
    if (!SharedAreasPresent())
        GTEST_SKIP() << "the shared ROM areas are not present";
    CScratchDir scratch;
    const std::string original = ReadWholeFile(SharedPath("areas/rom24/astral.are"));
    const std::string output = Convert(SharedPath("areas/rom24/astral.are"), scratch.Path("astral.are"), "romolc", false);
    EXPECT_NE(output.find("Builders None~\nVNUMs"), std::string::npos);
    EXPECT_NE(output.find("Security 9\n"), std::string::npos);
    const auto count = [](const std::string& text, const std::string& what) {
        size_t n = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
            ++n;
        return n;
    };
    const std::string blocked = "The nexial link has been blocked by the gods";
    EXPECT_GT(count(original, blocked), 0u);
    EXPECT_EQ(count(output, blocked), count(original, blocked));
    const auto nowhere = [](const CTolvexDoc& doc) {
        int n = 0;
        for (const CRoomData& room : doc.rooms)
            n += static_cast<int>(std::count_if(room.exits.begin(), room.exits.end(), [](const CExitData& e) { return e.toVnum < 0; }));
        return n;
    };
    EXPECT_GT(nowhere(*Load(original)->doc), 0);
    EXPECT_EQ(nowhere(*Load(output)->doc), nowhere(*Load(original)->doc)) << "every exit to a negative vnum is written";
}

TEST(CorpusConvert, MahntorSignIsKeptUnlessEveryTextIsRewrapped)
{
    if (!SharedAreasPresent())
        GTEST_SKIP() << "the shared ROM areas are not present";
    const std::string original = ReadWholeFile(SharedPath("areas/rom24/mahntor.are"));
    CSaveOptions rewrap = Load("")->doc->DefaultSaveOptions();
    rewrap.rewrapAll = true;
    bool named = false;
    const auto rewrapped = Load(original, &rewrap); // the loops must not outlive them
    const auto kept = Load(original);
    for (const CDiagnostic& d : rewrapped->diagnostics.items)
        named = named || (d.text.find("descriptions have a layout (indented lines, blank lines or drawings) that "
                                      "re-wrapping loses; the first is room 2300 at line 1555.")
                        != std::string::npos
                    && d.line == 1555);
    EXPECT_TRUE(named) << "no layout warning naming room 2300 at line 1555";
    for (const CDiagnostic& d : kept->diagnostics.items)
        EXPECT_EQ(d.text.find("have a layout"), std::string::npos) << "no layout warning when texts are kept";

    CScratchDir scratch;
    const std::string sign = "sign~\n[]================================[]\n     |      BEWARE!      | Hope you   |\n";
    EXPECT_NE(original.find(sign), std::string::npos);
    EXPECT_NE(Convert(SharedPath("areas/rom24/mahntor.are"), scratch.Path("a.are"), "romolc", false).find(sign), std::string::npos);
    EXPECT_EQ(Convert(SharedPath("areas/rom24/mahntor.are"), scratch.Path("b.are"), "romolc", true).find(sign), std::string::npos);
}

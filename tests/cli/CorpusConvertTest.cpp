#include "text/TextWriter.h"
#include "config/ConfigLoader.h"
#include "support/DocCompare.h"
#include "support/RunCli.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>

// `tolvex-cli convert` over the stock ROM areas: what the server reads must
// come through, and a second convert must change nothing.
namespace {

namespace fs = std::filesystem;

const std::string Config = SourcePath("res/tolvex.cfg");

std::vector<std::string> CorpusFiles()
{
    std::vector<std::string> files;
    if (!SharedAreasPresent())
        return files;
    for (const auto& entry : fs::directory_iterator(SharedPath("areas/rom24")))
        if (entry.path().extension() == ".are")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string WithoutCarriageReturns(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

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

// Every description of the area, with where it is, in file order.
void ForEachDescription(const CTolvexDoc& doc, const std::function<void(const std::string&, const std::string&)>& f)
{
    for (const CMobData& m : doc.mobs) {
        f("mob " + std::to_string(m.vnum), m.longDesc);
        f("mob " + std::to_string(m.vnum), m.description);
    }
    for (const CObjData& o : doc.objects)
        for (const CExtraDescData& e : o.extraDescs)
            f("object " + std::to_string(o.vnum), e.description);
    for (const CRoomData& r : doc.rooms) {
        f("room " + std::to_string(r.vnum), r.description);
        for (const CExtraDescData& e : r.extraDescs)
            f("room " + std::to_string(r.vnum), e.description);
        for (const CExitData& e : r.exits)
            if (e.toVnum != 0)
                f("room " + std::to_string(r.vnum), e.description);
    }
}

std::string Convert(const std::string& in, const std::string& out, const std::string& dialect, bool keepLayout)
{
    std::vector<std::string> args = { "convert", "--config", Config, "--dialect", dialect };
    if (keepLayout)
        args.push_back("--keep-layout");
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

void CheckExits(const CTolvexDoc& original, const CTolvexDoc& converted)
{
    ASSERT_EQ(original.rooms.size(), converted.rooms.size());
    for (size_t i = 0; i < original.rooms.size(); ++i)
        for (size_t d = 0; d < DirectionCount; ++d) {
            const CExitData& a = original.rooms[i].exits[d];
            const CExitData& b = converted.rooms[i].exits[d];
            if (a.toVnum == 0)
                continue;
            EXPECT_TRUE(a.toVnum == b.toVnum && a.key == b.key && a.keyword == b.keyword
                && WrapInsensitive(a.description) == WrapInsensitive(b.description))
                << "room " << original.rooms[i].vnum << " exit " << d << " to " << a.toVnum << " did not come through";
        }
}

void CheckDescriptionsKept(const std::string& original, const CTolvexDoc& doc, const CTolvexDoc& converted,
    const std::string& output)
{
    const std::string file = WithoutCarriageReturns(original);
    std::vector<std::string> before, after;
    ForEachDescription(doc, [&](const std::string&, const std::string& text) { before.push_back(text); });
    ForEachDescription(converted, [&](const std::string&, const std::string& text) { after.push_back(text); });
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_NE(file.find(before[i] + "~"), std::string::npos) << "not the file's own text: " << before[i];
        EXPECT_NE(output.find(before[i] + "~"), std::string::npos) << "not written as it stands: " << before[i];
        EXPECT_EQ(before[i], after[i]);
    }
}

} // namespace

TEST(CorpusConvert, EveryStockAreaKeepsWhatTheServerReadsAndConvertsToAFixedPoint)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "the shared ROM areas are not present";
    for (const std::string& path : files) {
        const std::string original = ReadWholeFile(path);
        const auto read = Load(original);
        for (const char* dialect : { "romdefault", "romolc" })
            for (const bool keepLayout : { false, true }) {
                SCOPED_TRACE(path + " " + dialect + (keepLayout ? " --keep-layout" : ""));
                // Both runs read a file of the original's name: the #AREA header names it.
                CScratchDir first, second;
                const std::string name = fs::path(path).filename().string();
                const std::string output = Convert(path, first.Path(name), dialect, keepLayout);
                EXPECT_EQ(Convert(first.Path(name), second.Path(name), dialect, keepLayout), output)
                    << "a second convert changed the file";

                CheckKeptSections(original, *read->doc, output);
                const auto converted = Load(output);
                CheckExits(*read->doc, *converted->doc);
                if (keepLayout)
                    CheckDescriptionsKept(original, *read->doc, *converted->doc, output);
            }
    }
}

TEST(CorpusConvert, FormattingEveryStockDescriptionTwiceChangesNothing)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "the shared ROM areas are not present";
    int count = 0;
    for (const std::string& path : files) {
        const auto read = Load(ReadWholeFile(path));
        ForEachDescription(*read->doc, [&](const std::string& where, const std::string& text) {
            ++count;
            const std::string once = FormatDescription(text);
            EXPECT_EQ(FormatDescription(once), once) << path << ", " << where << ": " << text;
        });
    }
    EXPECT_GT(count, 5000);
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

TEST(CorpusConvert, MahntorSignIsNamedAtLoadAndKeptWithKeepLayout)
{
    if (!SharedAreasPresent())
        GTEST_SKIP() << "the shared ROM areas are not present";
    const std::string original = ReadWholeFile(SharedPath("areas/rom24/mahntor.are"));
    const auto read = Load(original);
    bool named = false;
    for (const CDiagnostic& d : read->diagnostics.items)
        named = named || (d.text.find("descriptions have a layout (indented lines, blank lines or drawings) that saving "
                                      "re-wraps; the first is room 2300 at line 1555. Area > Keep Text Layout keeps them.")
                                 != std::string::npos
                             && d.line == 1555);
    EXPECT_TRUE(named) << "no layout warning naming room 2300 at line 1555";

    CSaveOptions keep = read->doc->DefaultSaveOptions();
    keep.keepLayout = true;
    const auto kept = Load(original, &keep); // the loop must not outlive it
    for (const CDiagnostic& d : kept->diagnostics.items)
        EXPECT_EQ(d.text.find("have a layout"), std::string::npos) << "no layout warning when the layout is kept";

    CScratchDir scratch;
    const std::string sign = "sign~\n[]================================[]\n     |      BEWARE!      | Hope you   |\n";
    EXPECT_NE(original.find(sign), std::string::npos);
    EXPECT_NE(Convert(SharedPath("areas/rom24/mahntor.are"), scratch.Path("a.are"), "romolc", true).find(sign), std::string::npos);
    EXPECT_EQ(Convert(SharedPath("areas/rom24/mahntor.are"), scratch.Path("b.are"), "romolc", false).find(sign), std::string::npos);
}

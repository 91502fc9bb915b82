#include "area/MobRecord.h"
#include "area/ObjectRecord.h"
#include "area/RoomRecord.h"
#include "check/AreaCheck.h"
#include "support/AreaFiles.h"
#include "support/RunCli.h"
#include "text/TextWriter.h"

#include <set>

// The stock ROM areas through the checker and `tolvex-cli convert`: what the
// server reads must come through, and a second convert must change nothing.
namespace {

namespace fs = std::filesystem;

const std::string Config = SourcePath("res/tolvex.cfg");

struct CLoaded {
    CConfigTables tables;
    std::unique_ptr<CTolvexDoc> doc;
    CDiagnosticList diagnostics;
};

std::unique_ptr<CLoaded> Load(const std::string& bytes)
{
    auto loaded = std::make_unique<CLoaded>();
    LoadTables(loaded->tables, Config);
    loaded->doc = std::make_unique<CTolvexDoc>(loaded->tables);
    LoadArea(*loaded->doc, bytes, &loaded->diagnostics);
    return loaded;
}

std::string Convert(const std::string& in, const std::string& out, const std::string& dialect, bool rewrap)
{
    std::vector<std::string> args = { "convert", "--config", Config, "--dialect", dialect };
    if (rewrap)
        args.push_back("--rewrap");
    args.insert(args.end(), { in, out });
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

// Every record as the clipboard holds it, which no file writer makes, and
// what the clipboard leaves out: the exits and the stray resets.
std::vector<std::pair<std::string, std::string>> Records(const CTolvexDoc& doc)
{
    std::vector<std::pair<std::string, std::string>> all;
    const auto bytes = [](const std::vector<uint8_t>& b) { return std::string(b.begin(), b.end()); };
    for (const CRoomData& r : doc.rooms) {
        all.push_back({ "room " + std::to_string(r.vnum), bytes(WriteRoomRecord(r)) });
        for (const CExitData& e : r.exits)
            if (e.toVnum != 0) // not written
                all.push_back({ "exit of " + std::to_string(r.vnum), Format("%d %s|%s|%d|%d|%ld", { static_cast<int>(&e - r.exits.data()), e.description, e.keyword, e.key, e.toVnum, static_cast<long>(e.exitFlags) }) });
    }
    for (const CObjData& o : doc.objects)
        all.push_back({ "object " + std::to_string(o.vnum), bytes(WriteObjectRecord(o)) });
    for (const CMobData& m : doc.mobs)
        all.push_back({ "mob " + std::to_string(m.vnum), bytes(WriteMobRecord(m)) });
    for (const CResetData& r : doc.strayResets)
        all.push_back({ "stray reset", Format("%c %d %d %d %d", { r.command, r.arg1, r.arg2, r.arg3, r.arg4 }) });
    for (const CMobProgData& p : doc.mobprogs)
        all.push_back({ "mobprog " + std::to_string(p.vnum), p.code });
    return all;
}

// The converted file reads back as the original did: record for record (but
// for re-wrapped texts) and, saved alike in the dialect that writes every
// field, as the same file. It reports only what the original already
// reported (resets of other areas stay outside this one).
void CheckReadBack(const CLoaded& original, const CLoaded& converted, bool rewrap)
{
    CSaveOptions every;
    every.rewrapAll = rewrap;
    EXPECT_TRUE(SaveText(*original.doc, "x.are", &every) == SaveText(*converted.doc, "x.are", &every))
        << "saved alike, the converted area gives another file";
    const auto records = Records(*original.doc), back = Records(*converted.doc);
    ASSERT_EQ(records.size(), back.size());
    for (size_t i = 0; i < records.size() && !rewrap; ++i)
        EXPECT_TRUE(records[i] == back[i]) << records[i].first << " reads back as " << back[i].first << ", or otherwise";
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
    LoadTables(numbers.tables, Config);
    for (const auto& type : numbers.tables.objTypes)
        for (CObjValueSlot& slot : type->slots)
            if (slot.kind == 'D' || slot.kind == 'd')
                slot.kind = 'I';
    CTolvexDoc doc(numbers.tables);
    LoadArea(doc, output);
    ASSERT_EQ(doc.objects.size(), original.doc->objects.size());
    for (size_t i = 0; i < doc.objects.size(); ++i)
        EXPECT_EQ(doc.objects[i].values, original.doc->objects[i].values) << "object " << doc.objects[i].vnum;
}

} // namespace

// The stock areas boot, so the checker must find no error in them, and the
// ways back that the server logs for them at boot ("Fix_exits") must be among
// the warnings.
TEST(StockAreas, CheckWithoutErrorAndConvertToAFixedPointKeepingWhatTheServerReads)
{
    const auto files = StockAreaFiles();
    if (files.empty())
        GTEST_SKIP() << "the shared ROM areas are not present";
    std::set<int> rooms, waysBackWarned;
    for (const std::string& path : files) {
        const std::string original = ReadWholeFile(path);
        const auto read = Load(original);
        for (const CDiagnostic& d : read->diagnostics.items)
            EXPECT_FALSE(d.messageBox) << "unknown name in " << path << ": " << d.text;
        for (const CRoomData& room : read->doc->rooms)
            rooms.insert(room.vnum);
        for (const CFinding& f : CheckArea(*read->doc)) {
            EXPECT_EQ(f.severity, Severity::Warning) << path << ": " << f.text;
            if (f.text.find("Fix_exits") != std::string::npos)
                waysBackWarned.insert(f.vnum);
        }
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
    // The server's log names these four; a room that no shared file holds cannot be checked here.
    int present = 0;
    for (int vnum : { 10525, 3458, 8705, 8717 }) {
        present += static_cast<int>(rooms.count(vnum));
        EXPECT_EQ(waysBackWarned.count(vnum), rooms.count(vnum)) << "room " << vnum;
    }
    EXPECT_GE(present, 2) << "rooms 10525 and 3458 are in the shared areas";
}

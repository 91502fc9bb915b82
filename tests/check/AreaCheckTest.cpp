#include "check/AreaCheck.h"

#include "support/AreaFiles.h"

#include <functional>

namespace {

// The crafted area without faults: mob 100 with a trigger for mobprog 150,
// objects 100 and 101, rooms 100 and 101 joined by doors, and in room 100
// the resets M, E, G, P and D (north, locked); in room 101 an R reset.
class AreaCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadTables(tables);
        doc = std::make_unique<CTolvexDoc>(tables);
        LoadArea(*doc, ReadWholeFile(SourcePath("tests/data/check-clean/input.are")));
        ASSERT_TRUE(CheckArea(*doc).empty()) << "the clean area must give no finding";
    }

    CConfigTables tables;
    std::unique_ptr<CTolvexDoc> doc;
};

std::string Describe(const std::vector<CFinding>& findings)
{
    std::string text;
    for (const CFinding& f : findings)
        text += std::string(f.severity == Severity::Error ? "error " : "warning ") + RecordKindName(f.kind) + " "
            + std::to_string(f.vnum) + " line " + std::to_string(f.line) + ": " + f.text + "\n";
    return text;
}

bool Has(const std::vector<CFinding>& findings, Severity severity, RecordKind kind, int vnum, const std::string& fragment)
{
    for (const CFinding& f : findings)
        if (f.severity == severity && f.kind == kind && f.vnum == vnum && f.text.find(fragment) != std::string::npos)
            return true;
    return false;
}

} // namespace

// Faults that only editing can make (a file read back cannot hold them), and
// the range and reference checks as edits move the records; the faults a file
// can hold are the check-* golden cases.
TEST_F(AreaCheckTest, EditsThatBreakTheAreaGiveTheirFinding)
{
    // the edit, what it does, the finding: severity, record, vnum and a part of its text
    const std::tuple<const char*, std::function<void(CTolvexDoc&)>, Severity, RecordKind, int, const char*> cases[] = {
        { "E moved above its M", [](CTolvexDoc& d) { std::swap(d.rooms[0].resets[0], d.rooms[0].resets[1]); },
            Severity::Error, RecordKind::Room, 100, "The first reset of room 100 is E" },
        { "door reset to another direction", [](CTolvexDoc& d) { d.rooms[0].resets[4].arg2 = 9; },
            Severity::Error, RecordKind::Room, 100, "sets the door number 9" },
        { "R count above 6", [](CTolvexDoc& d) { d.rooms[1].resets[0].arg2 = -1; },
            Severity::Error, RecordKind::Room, 101, "shuffles -1 exits" },
        { "object type unknown", [](CTolvexDoc& d) { d.objects[1].itemType = 9999; },
            Severity::Error, RecordKind::Object, 101, "item type 9999, which the configuration does not have" },
        { "mob vnum repeated", [](CTolvexDoc& d) { d.mobs.push_back(d.mobs[0]); },
            Severity::Error, RecordKind::Mob, 100, "Mob 100 appears a second time" },
        { "mobprog vnum repeated", [](CTolvexDoc& d) { d.mobprogs.push_back(d.mobprogs[0]); },
            Severity::Error, RecordKind::Mobprog, 150, "Mobprog 150 appears a second time" },
        { "room vnum 0", [](CTolvexDoc& d) { d.rooms.push_back(CRoomData()); },
            Severity::Error, RecordKind::Room, 0, "Room 0 has a vnum below 1" },
        { "mobprog vnum past 65535", [](CTolvexDoc& d) { d.mobprogs[0].vnum = 100000; },
            Severity::Error, RecordKind::Mobprog, 100000, "reads it as -31072" },
        { "range shrunk below the rooms", [](CTolvexDoc& d) { d.upperVnum = 100; },
            Severity::Warning, RecordKind::Room, 101, "Room 101 lies outside the area's vnums 100 to 100" },
        { "container of a P deleted", [](CTolvexDoc& d) { d.objects.erase(d.objects.begin() + 1); },
            Severity::Error, RecordKind::Room, 100, "puts object 100 into object 101, which this area does not have; the server stops" },
        { "only a room's own exit leads to it", [](CTolvexDoc& d) { d.rooms[0].exits[DirNorth].toVnum = 100; },
            Severity::Warning, RecordKind::Room, 101, "No exit of this area leads to room 101." },
    };
    for (const auto& [edit, apply, severity, kind, vnum, fragment] : cases) {
        SCOPED_TRACE(edit);
        CTolvexDoc edited = *doc;
        apply(edited);
        const std::vector<CFinding> findings = CheckArea(edited);
        EXPECT_TRUE(Has(findings, severity, kind, vnum, fragment)) << Describe(findings);
    }
}

// A finding made in the editor has no line; errors come first and are counted.
TEST_F(AreaCheckTest, FindingsCarryTheFileLineOfTheirRecordOrResetAndErrorsComeFirst)
{
    doc->rooms[0].resets[4].arg3 = 5; // the D reset, at line 72 of the file
    doc->rooms.push_back(CRoomData()); // made in the editor, outside the range: no line
    doc->rooms.back().vnum = 250;
    doc->rooms[1].exits[DirSouth].toVnum = 150; // room 101 begins at line 55
    doc->rooms[0].resets[0].command = 'O'; // errors: E and G without a mob
    const std::vector<CFinding> findings = CheckArea(*doc);
    const int errors = CountFindings(findings, Severity::Error);
    ASSERT_EQ(errors, 4) << Describe(findings);
    EXPECT_EQ(CountFindings(findings, Severity::Warning), static_cast<int>(findings.size()) - errors);
    std::string lines;
    for (size_t i = 0; i < findings.size(); ++i) {
        EXPECT_EQ(findings[i].severity == Severity::Error, static_cast<int>(i) < errors) << Describe(findings);
        lines += std::to_string(findings[i].line) + " ";
    }
    EXPECT_EQ(lines, "69 70 72 55 0 45 45 ") << Describe(findings);
}

// Another area may hold what lies outside the range: such references give no error.
TEST_F(AreaCheckTest, MissingVnumsOutsideTheRangeAreNoErrors)
{
    doc->rooms[0].exits[DirEast].toVnum = 3001;
    doc->rooms[0].exits[DirEast].key = 3002;
    doc->rooms[0].resets.push_back(CResetData { 'M', 3000, 1, 100, 1 });
    doc->rooms[0].resets.push_back(CResetData { 'G', 3002 });
    doc->strayResets.push_back(CResetData { 'O', 100, 0, 3001 });
    doc->strayShops.push_back(CStrayShop { 3000, {}, 0 });
    doc->straySpecials.push_back(CStraySpecial { 3000, "spec_fido", 0 });
    doc->mobs[0].triggers[0].vnum = 9001;
    const std::vector<CFinding> findings = CheckArea(*doc, { 9001 });
    EXPECT_EQ(CountFindings(findings, Severity::Error), 0) << Describe(findings);
}

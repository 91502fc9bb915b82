#include "ObjectsRoomsFixture.h"
#include "area/TextWriter.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

const char* const roomsConfig = "#SECTORTYPE inside 0 city 1 end\n#ROOMFLAGS dark A end\n";

// One room with the given record lines, in a section body.
std::string RoomBody(const std::string& lines, const std::string& after = "#0\n")
{
    return "#3001\nThe Temple~\nYou stand in a temple.~\n0 AD 1\n" + lines + "S\n" + after;
}

CRoomData NewRoom()
{
    CRoomData room;
    room.vnum = 3001;
    room.name = "The Temple";
    room.description = "You stand in a temple.";
    room.sector = 1;
    return room;
}

std::string WriteOneRoom(CSectionArea& area, const CRoomData& room, int mudType = MudQuendar)
{
    area.doc.rooms.push_back(room);
    return area.Write(WriteRooms, mudType);
}

// The record lines of the first room written: between the sector line and `S`.
std::string RecordLines(const std::string& written)
{
    const size_t sector = written.find(" 1\n");
    const size_t end = written.find("S\n", sector);
    if (sector == std::string::npos || end == std::string::npos)
        return "<no room in: " + written + ">";
    return written.substr(sector + 3, end - sector - 3);
}

std::string ExitLines(const std::string& lock, int direction = 0)
{
    return "D" + std::to_string(direction) + "\nA door.~\ndoor~\n" + lock + "\n";
}

} // namespace

TEST(RoomsSection, FixedBlockIsReadAndWrittenWithTheDescriptionRewrapped)
{
    CSectionArea area(roomsConfig);
    ASSERT_TRUE(area.Read(ReadRooms, "#3001\nThe Temple~\nyou stand\nin a temple.   it is quiet.~\n7 AD 1\nS\n"
                                     "#3002\nA Road~\n~\n0 0 0\nS\n#0\n"));
    ASSERT_EQ(area.doc.rooms.size(), 2u);
    const CRoomData& temple = area.doc.rooms[0];
    EXPECT_EQ(temple.vnum, 3001);
    EXPECT_EQ(temple.name, "The Temple");
    EXPECT_EQ(temple.description, "you stand in a temple.   it is quiet.") << "line feeds become spaces";
    EXPECT_EQ(temple.roomFlags, 9u);
    EXPECT_EQ(temple.sector, 1);
    EXPECT_EQ(area.doc.rooms[1].roomFlags, 0u) << "the letters \"0\" set no bit";
    EXPECT_EQ(area.doc.rooms[1].sector, 0);
    EXPECT_EQ(area.Write(WriteRooms),
        "#ROOMS\n"
        "#3001\nThe Temple~\nYou stand in a temple. It is quiet.\n~\n0 AD 1\nS\n"
        "#3002\nA Road~\n\n~\n0 0 0\nS\n"
        "#0\n\n\n\n");
}

TEST(RoomsSection, HealAndManaLineOnlyWhenEitherIsNot100)
{
    const struct { int heal, mana; const char* written; } cases[] = {
        { 100, 100, "" }, { 120, 100, "H 120 M 100\n" }, { 100, 80, "H 100 M 80\n" }, { 0, 0, "H 0 M 0\n" },
    };
    for (const auto& c : cases) {
        CSectionArea area(roomsConfig);
        CRoomData room = NewRoom();
        room.healRate = c.heal;
        room.manaRate = c.mana;
        EXPECT_EQ(RecordLines(WriteOneRoom(area, room)), c.written) << "heal " << c.heal << " mana " << c.mana;
    }
    CSectionArea area(roomsConfig);
    ASSERT_TRUE(area.Read(ReadRooms, RoomBody("H 110 M 90\n")));
    EXPECT_EQ(area.doc.rooms.at(0).healRate, 110);
    EXPECT_EQ(area.doc.rooms.at(0).manaRate, 90);
}

TEST(RoomsSection, LockCodeTwoGivesDoorAndBit5)
{
    // Codes 1 to 4 replace the flags; 0 and codes outside the table leave them alone.
    const struct { int code; uint32_t before; uint32_t after; } cases[] = {
        { 0, 0x06, 0x06 }, { 1, 0x06, 0x01 }, { 2, 0, 0x21 }, { 3, 0, 0x41 }, { 4, 0, 0x61 },
        { 5, 0x06, 0x06 }, { -1, 0x06, 0x06 },
    };
    for (const auto& c : cases) {
        CSectionArea area(roomsConfig);
        const std::string flags = c.before ? "X0 " + FlagsToLetters(c.before) + "\n" : "";
        ASSERT_TRUE(area.Read(ReadRooms, RoomBody(flags + ExitLines(std::to_string(c.code) + " 0 3002"))));
        const CExitData& exit = area.doc.rooms.at(0).exits[0];
        EXPECT_EQ(exit.exitFlags, c.after) << "lock code " << c.code;
        EXPECT_EQ(exit.toVnum, 3002) << "lock code " << c.code;
        EXPECT_EQ(exit.description, "A door.");
        EXPECT_EQ(exit.keyword, "door");
    }
}

TEST(RoomsSection, LockCodeWrittenFromTheDoorBits)
{
    const struct { uint32_t flags; int code; } cases[] = {
        { 0x00, 0 }, { 0x06, 0 }, { 0x60, 0 }, { 0x01, 1 }, { 0x07, 1 }, { 0x21, 2 }, { 0x41, 3 }, { 0x61, 4 },
        { 0xFFFFFFFFu, 4 },
    };
    for (const auto& c : cases) {
        CSectionArea area(roomsConfig);
        CRoomData room = NewRoom();
        room.exits[2].toVnum = 3002;
        room.exits[2].key = -1;
        room.exits[2].exitFlags = c.flags;
        const std::string written = WriteOneRoom(area, room, MudRomDefault);
        EXPECT_EQ(RecordLines(written), "D2\n\n~\n~\n" + std::to_string(c.code) + " -1 3002\n") << "flags " << c.flags;
    }
}

TEST(RoomsSection, ExitFlagLinesOnlyInDialectOne)
{
    const struct { int mudType; const char* lines; uint32_t flagsBack; } cases[] = {
        { MudQuendar, "D1\nA gate.\n~\ngate~\n2 5 3002\nX1 ABFK\n", 0x423 },
        { MudRomDefault, "D1\nA gate.\n~\ngate~\n2 5 3002\n", 0x21 },
        { MudRomOlc, "D1\nA gate.\n~\ngate~\n2 5 3002\n", 0x21 },
    };
    for (const auto& c : cases) {
        CSectionArea area(roomsConfig);
        CRoomData room = NewRoom();
        room.exits[1] = { "a gate.", "gate", 5, 3002, 0x423 };
        room.exits[3] = { "", "", 0, 3003, 0 }; // no flags: no X line in any dialect
        const std::string written = WriteOneRoom(area, room, c.mudType);
        EXPECT_EQ(RecordLines(written), c.lines + std::string("D3\n\n~\n~\n0 0 3003\n")) << "dialect " << c.mudType;

        CSectionArea back(roomsConfig);
        ASSERT_TRUE(back.Read(ReadRooms, written.substr(7)));
        EXPECT_EQ(back.doc.rooms.at(0).exits[1].exitFlags, c.flagsBack) << "dialect " << c.mudType;
    }
}

TEST(RoomsSection, ExitLinesWithADirectionOutside0To5AreDropped)
{
    CSectionArea area(roomsConfig);
    ASSERT_TRUE(area.Read(ReadRooms, RoomBody(ExitLines("1 0 3002", 6) + "D-1\nx~\ny~\n1 0 3003\nX7 AB\n"
                                              + ExitLines("1 0 3004", 5))));
    const CRoomData& room = area.doc.rooms.at(0);
    for (int d = 0; d < 5; ++d)
        EXPECT_EQ(room.exits[d].toVnum, 0) << "direction " << d;
    EXPECT_EQ(room.exits[5].toVnum, 3004) << "a good exit after bad ones is kept";
    ASSERT_EQ(area.diagnostics.items.size(), 1u) << area.Reported();
    EXPECT_EQ(area.diagnostics.items[0].line, 5);
    EXPECT_NE(area.diagnostics.items[0].text.find("3 exit lines"), std::string::npos) << area.Reported();
}

TEST(RoomsSection, ExitsLeadingNowhereAreNotWrittenAndWarnedOncePerSection)
{
    CSectionArea area(roomsConfig);
    // The second room repeats vnum 3001: the reader takes vnums as they stand.
    ASSERT_TRUE(area.Read(ReadRooms, RoomBody(ExitLines("1 0 3002") + ExitLines("0 0 -1", 2) + ExitLines("0 0 -5", 3), "")
                                         + RoomBody(ExitLines("0 -1 0", 4))));
    ASSERT_EQ(area.doc.rooms.size(), 2u);
    EXPECT_EQ(area.doc.rooms[0].exits[2].toVnum, -1) << "kept in memory as read";
    ASSERT_EQ(area.diagnostics.items.size(), 1u) << area.Reported();
    EXPECT_EQ(area.diagnostics.items[0].severity, Severity::Warning);
    EXPECT_EQ(area.diagnostics.items[0].text,
        "3 exits lead nowhere (vnum 0 or less) and will not be saved; the first is at line 9.");
    EXPECT_EQ(area.diagnostics.items[0].line, 9);

    const std::string written = area.Write(WriteRooms);
    EXPECT_NE(written.find("D0\n"), std::string::npos);
    for (const char* gone : { "D2", "D3", "D4" })
        EXPECT_EQ(written.find(gone), std::string::npos) << gone << " leads nowhere but was written";
}

TEST(RoomsSection, ExtraDescriptionsClanAndOwnerLines)
{
    CSectionArea area(roomsConfig);
    ASSERT_TRUE(area.Read(ReadRooms, RoomBody("O Saska~\nE\naltar stone~\nthe altar\nis old.~\nC guardians~\n")));
    const CRoomData& room = area.doc.rooms.at(0);
    EXPECT_EQ(room.owner, "Saska");
    EXPECT_EQ(room.clan, "guardians");
    ASSERT_EQ(room.extraDescs.size(), 1u);
    EXPECT_EQ(room.extraDescs[0].keyword, "altar stone");
    EXPECT_EQ(room.extraDescs[0].description, "the altar is old.");
    EXPECT_EQ(RecordLines(area.Write(WriteRooms)), "E\naltar stone~\nThe altar is old.\n~\nC guardians~\nO Saska~\n");

    const struct { const char* clan; const char* owner; const char* written; } cases[] = {
        { "", "", "" },
        { "gu~ards", "", "C guards~\n" },
        { "", "Sa\r~ska", "O Saska~\n" },
    };
    for (const auto& c : cases) {
        CSectionArea out(roomsConfig);
        CRoomData r = NewRoom();
        r.clan = c.clan;
        r.owner = c.owner;
        EXPECT_EQ(RecordLines(WriteOneRoom(out, r)), c.written) << "clan «" << c.clan << "» owner «" << c.owner << "»";
    }
}

TEST(RoomsSection, RecordLettersAreReadInEitherCase)
{
    CSectionArea area(roomsConfig);
    ASSERT_TRUE(area.Read(ReadRooms, "#3001\nT~\nD~\n0 0 0\nh 50 m 60\nd0\n~\n~\n1 0 3002\nx0 AB\ne\nk~\nd~\n"
                                     "c clan~\no owner~\ns\n#3002\nR~\n~\n0 0 0\nS\n#0\n"));
    ASSERT_EQ(area.doc.rooms.size(), 2u);
    const CRoomData& room = area.doc.rooms[0];
    EXPECT_EQ(room.healRate, 50);
    EXPECT_EQ(room.manaRate, 60);
    EXPECT_EQ(room.exits[0].toVnum, 3002);
    EXPECT_EQ(room.exits[0].exitFlags, 3u);
    EXPECT_EQ(room.extraDescs.size(), 1u);
    EXPECT_EQ(room.clan, "clan");
    EXPECT_EQ(room.owner, "owner");
    EXPECT_TRUE(area.diagnostics.items.empty()) << area.Reported();
}

TEST(RoomsSection, UnknownBytesAreSkippedOneAtATimeWithOneWarning)
{
    CSectionArea area(roomsConfig);
    ASSERT_TRUE(area.Read(ReadRooms, RoomBody("Q 12\nH 90\n")));
    EXPECT_EQ(area.doc.rooms.at(0).healRate, 90);
    ASSERT_EQ(area.diagnostics.items.size(), 1u) << area.Reported();
    EXPECT_EQ(area.diagnostics.items[0].line, 5);
    EXPECT_NE(area.diagnostics.items[0].text.find("3 characters"), std::string::npos) << area.Reported();
}

TEST(RoomsSection, EndOfFileCompletesTheRoomAndTheSection)
{
    for (const char* body : { "#3001\nT~\nD~\n0 0 0\n", "#3001\nT~\nD~\n0 0 0\nD1\n~\n~\n1 0 3002", "#3001\nT~\nD~" }) {
        CSectionArea area(roomsConfig);
        ASSERT_TRUE(area.Read(ReadRooms, body));
        EXPECT_EQ(area.doc.rooms.size(), 1u) << body;
    }
    CSectionArea area(roomsConfig);
    ASSERT_TRUE(area.Read(ReadRooms, "#3001\nT~\nD~\n0 0 0\nD1\n~\n~\n1 0 3002"));
    EXPECT_EQ(area.doc.rooms.at(0).exits[1].toVnum, 3002);
}

namespace {

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

int ExitsLeadingSomewhere(const CRoomData& room)
{
    int count = 0;
    for (const CExitData& e : room.exits)
        count += e.toVnum > 0;
    return count;
}

} // namespace

TEST(RoomsSection, RomAreasSaveToAFixedPointKeepingEveryRoomAndExit)
{
    if (!SharedAreasPresent())
        GTEST_SKIP() << "no shared ROM areas";
    const std::string config = ReadFile(SourcePath("res/configs/rom24-default.cfg"));
    ASSERT_FALSE(config.empty());
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SharedPath("areas/rom24"))) {
        if (entry.path().extension() != ".are")
            continue;
        const std::string text = ReadFile(entry.path());
        const size_t section = text.find("#ROOMS");
        if (section == std::string::npos)
            continue;
        ++files;
        const std::string name = entry.path().filename().string();
        CSectionArea first(config);
        ASSERT_TRUE(first.Read(ReadRooms, text.substr(section + 6))) << name;
        for (const CDiagnostic& d : first.diagnostics.items)
            EXPECT_NE(d.text.find(" nowhere (vnum 0 or less)"), std::string::npos) << name << ": " << d.text;
        const std::string saved = first.Write(WriteRooms, MudQuendar);

        CSectionArea second(config);
        ASSERT_TRUE(second.Read(ReadRooms, saved.substr(7))) << name;
        EXPECT_TRUE(second.diagnostics.items.empty()) << name << "\n" << second.Reported();
        ASSERT_EQ(second.doc.rooms.size(), first.doc.rooms.size()) << name;
        for (size_t i = 0; i < first.doc.rooms.size(); ++i) {
            const CRoomData& a = first.doc.rooms[i];
            const CRoomData& b = second.doc.rooms[i];
            EXPECT_TRUE(a.vnum == b.vnum && a.roomFlags == b.roomFlags && a.sector == b.sector
                && a.healRate == b.healRate && a.manaRate == b.manaRate && a.owner == b.owner
                && a.extraDescs.size() == b.extraDescs.size() && ExitsLeadingSomewhere(a) == ExitsLeadingSomewhere(b))
                << name << ": room " << a.vnum << " changed on the way through a save";
        }
        EXPECT_EQ(second.Write(WriteRooms, MudQuendar), saved) << name << ": a second save differs";
    }
    EXPECT_GT(files, 10);
}

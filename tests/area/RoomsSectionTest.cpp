#include "SectionFixture.h"
#include "text/TextWriter.h"

namespace {

const char* const roomsConfig = "#SECTORTYPE inside 0 city 1 end\n#ROOMFLAGS dark A end\n";

// One room with the given record lines, in a section body.
std::string RoomBody(const std::string& lines, const std::string& after = "#0\n")
{
    return "#3001\nThe Temple~\nYou stand in a temple.~\n0 AD 1\n" + lines + "S\n" + after;
}

std::string ExitLines(const std::string& numbers, int direction = 0)
{
    return "D" + std::to_string(direction) + "\nA door.~\ndoor~\n" + numbers + "\n";
}

CRoomData NewRoom()
{
    CRoomData room;
    room.vnum = 3001, room.name = "The Temple", room.description = "You stand in a temple.", room.sector = 1;
    return room;
}

std::string Written(const CRoomData& room, MudType mudType = MudType::Quendar)
{
    SectionArea area(roomsConfig);
    area.doc.rooms.push_back(room);
    return area.Write(WriteRooms, mudType);
}

// The record lines of the first room written: between the sector line and `S`.
std::string RecordLines(const std::string& written)
{
    const size_t sector = written.find(" 1\n") + 3;
    return written.substr(sector, written.find("S\n", sector) - sector);
}

} // namespace

TEST(RoomsSection, FixedBlockIsReadAndWrittenWithTheDescriptionAsReadUntilEdited)
{
    SectionArea area(roomsConfig);
    ASSERT_TRUE(area.Read(ReadRooms,
        "#3001\nThe Temple~\nyou stand\nin a temple.   it is quiet.~\n7 AD 1\nS\n"
        "#3002\nA Road~\n~\n0 0 0\nS\n#0\n"));
    const CRoomData& temple = area.doc.rooms.at(0);
    EXPECT_EQ(temple.description, "you stand\nin a temple.   it is quiet.") << "line feeds are kept";
    EXPECT_EQ(temple.roomFlags, 9u);
    EXPECT_EQ(temple.sector, 1);
    EXPECT_EQ(area.Write(WriteRooms),
        "#ROOMS\n#3001\nThe Temple~\nyou stand\nin a temple.   it is quiet.~\n0 AD 1\nS\n"
        "#3002\nA Road~\n~\n0 0 0\nS\n"
        "#0\n\n\n\n");
    area.doc.rooms[0].descriptionEdited = true;
    EXPECT_NE(area.Write(WriteRooms).find("#3001\nThe Temple~\nyou stand in a temple. it is quiet.\n~\n0 AD 1\n"),
        std::string::npos);
}

TEST(RoomsSection, LockCodesSetTheDoorBitsAndAreWrittenFromThem)
{
    // Codes 1 to 4 replace the flags; 0 and codes outside the table leave them alone.
    const struct {
        int code;
        uint32_t before;
        uint32_t after;
    } read[] = {
        { 0, 0x06, 0x06 },
        { 1, 0x06, 0x01 },
        { 2, 0, 0x21 },
        { 3, 0, 0x41 },
        { 4, 0, 0x61 },
        { 5, 0x06, 0x06 },
        { -1, 0x06, 0x06 },
    };
    for (const auto& c : read) {
        SectionArea area(roomsConfig);
        const std::string flags = c.before ? "X0 " + FlagsToLetters(c.before) + "\n" : "";
        ASSERT_TRUE(area.Read(ReadRooms, RoomBody(flags + ExitLines(std::to_string(c.code) + " 0 3002"))));
        EXPECT_EQ(area.doc.rooms.at(0).exits[0].exitFlags, c.after) << "lock code " << c.code;
        EXPECT_EQ(area.doc.rooms[0].exits[0].toVnum, 3002) << "lock code " << c.code;
    }
    const struct {
        uint32_t flags;
        int code;
    } written[] = {
        { 0x00, 0 },
        { 0x06, 0 },
        { 0x60, 0 },
        { 0x01, 1 },
        { 0x07, 1 },
        { 0x21, 2 },
        { 0x41, 3 },
        { 0x61, 4 },
        { 0xFFFFFFFFu, 4 },
    };
    for (const auto& c : written) {
        CRoomData room = NewRoom();
        room.exits[2].toVnum = 3002, room.exits[2].key = -1, room.exits[2].exitFlags = c.flags;
        EXPECT_EQ(RecordLines(Written(room, MudType::RomDefault)), "D2\n~\n~\n" + std::to_string(c.code) + " -1 3002\n")
            << "flags " << c.flags;
    }
}

// Exit lines for a direction outside 0 to 5 are dropped; exits to vnum 0 are
// kept in memory but not written. Each kind is warned about once. What is
// written of exits to vnum 0 and below is the exits-nowhere golden files.
TEST(RoomsSection, ExitsOutsideTheDirectionsOrToVnumZeroAreWarnedAboutOnce)
{
    SectionArea area(roomsConfig);
    ASSERT_TRUE(area.Read(ReadRooms, RoomBody(ExitLines("1 0 3002", 6) + "D-1\nx~\ny~\n1 0 3003\nX7 AB\n" + ExitLines("1 0 3004", 5) + ExitLines("0 0 -1", 2) + ExitLines("0 0 -5", 3), "") + RoomBody(ExitLines("0 -1 0", 4))));
    EXPECT_EQ(area.doc.rooms.at(0).exits[5].toVnum, 3004) << "a good exit after bad ones is kept";
    ASSERT_EQ(area.diagnostics.items.size(), 2u) << area.Reported();
    EXPECT_EQ(area.diagnostics.items[0].text, "1 exit leads to vnum 0 and will not be saved; it is at line 31.");
    EXPECT_EQ(area.diagnostics.items[1].line, 5);
    EXPECT_NE(area.diagnostics.items[1].text.find("3 exit lines"), std::string::npos) << area.Reported();
}

// Letters are read in either case; a byte that starts no record is skipped
// one at a time, with one warning for the section.
TEST(RoomsSection, RecordLinesInEitherCaseAreWrittenBackWithHealAndManaAndStrayBytesWarnOnce)
{
    SectionArea area(roomsConfig);
    ASSERT_TRUE(area.Read(ReadRooms,
        "#3001\nT~\nD~\n0 0 1\nh 50 m 60\nQ 12\nd0\n~\n~\n1 0 3002\nx0 AB\n"
        "o Sa~\ne\naltar  stone~\nthe altar\nis old.~\nc guardians~\ns\n#3002\nR~\n~\n0 0 0\nS\n#0\n"));
    ASSERT_EQ(area.doc.rooms.size(), 2u);
    ASSERT_EQ(area.diagnostics.items.size(), 1u) << area.Reported();
    EXPECT_EQ(area.diagnostics.items[0].line, 6);
    EXPECT_NE(area.diagnostics.items[0].text.find("3 characters"), std::string::npos) << area.Reported();
    EXPECT_EQ(RecordLines(area.Write(WriteRooms)),
        "H 50 M 60\nE\naltar  stone~\nthe altar\nis old.~\nD0\n~\n~\n1 0 3002\nX0 AB\nC guardians~\nO Sa~\n");

    // Rates of 100 and 100 write no H line; a ~ must not end a clan or owner
    // early; an exit without flags has no X line.
    CRoomData room = NewRoom();
    room.healRate = 120, room.clan = "gu~ards", room.owner = "Sa\r~ska", room.exits[3] = { "", "", 0, 3003, 0 };
    EXPECT_EQ(RecordLines(Written(room)), "H 120 M 100\nD3\n~\n~\n0 0 3003\nC guards~\nO Saska~\n");
}

TEST(RoomsSection, EndOfFileCompletesTheRoomAndTheSection)
{
    for (const char* body : { "#3001\nT~\nD~\n0 0 0\n", "#3001\nT~\nD~\n0 0 0\nD1\n~\n~\n1 0 3002", "#3001\nT~\nD~" }) {
        SectionArea area(roomsConfig);
        ASSERT_TRUE(area.Read(ReadRooms, body));
        EXPECT_EQ(area.doc.rooms.size(), 1u) << body;
    }
}

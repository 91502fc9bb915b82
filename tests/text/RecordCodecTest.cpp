#include "text/RecordReader.h"
#include "text/RecordWriter.h"
#include "area/RoomRecord.h"
#include "support/RecordBytes.h"

#include <gtest/gtest.h>

namespace {

// A room whose clan takes a one-byte length and whose description a three-byte one.
CRoomData SampleRoom()
{
    CRoomData room;
    room.vnum = 3001, room.clan = std::string(254, 'c'), room.description = std::string(255, 'd');
    room.extraDescs = { { "ab", "c" } }, room.resets = { { 'M', 3005, 1, 3001, 258 } };
    room.healRate = 100, room.manaRate = -2, room.name = "", room.owner = "Zo";
    room.roomFlags = 0x80000001u, room.sector = 7, room.exits[DirNorth].toVnum = 3002;
    return room;
}

} // namespace

TEST(RecordWriter, TextLengthTakesOneThreeOrSevenBytesAndReadsBack)
{
    const struct {
        size_t length;
        Bytes prefix;
    } cases[] = {
        { 0, { 0x00 } },
        { 254, { 0xFE } },
        { 255, { 0xFF, 0xFF, 0x00 } },
        { 65533, { 0xFF, 0xFD, 0xFF } },
        { 65534, { 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00 } },
        { 70000, { 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00 } },
    };
    for (const auto& c : cases) {
        CRecordWriter out;
        out.WriteText(std::string(c.length, 'x'));
        const Bytes& bytes = out.Bytes();
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length) << "length " << c.length;
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(c.prefix.size())), c.prefix) << "length " << c.length;
        std::string back;
        CRecordReader in(bytes);
        EXPECT_TRUE(in.ReadText(back) && back.size() == c.length && in.Position() == bytes.size()) << "length " << c.length;
    }
}

TEST(RecordReader, FailedReadsLeaveTheirTargetAndStayFailed)
{
    std::string text = "keep";
    uint8_t byte = 0;
    const Bytes shortText { 0x05, 'a', 'b' }, marker { 0xFF, 0xFE, 0xFF, 0x00 };
    CRecordReader in(shortText), wide(marker);
    EXPECT_FALSE(in.ReadText(text) || text != "keep");
    EXPECT_FALSE(in.ReadByte(byte)) << "the bytes are there, but the reader has failed";
    EXPECT_FALSE(wide.ReadText(text)) << "0xFFFE marks wide characters, not a length";
}

// The record holds neither the vnum nor the exits nor the map place: a paste
// keeps those of the room pasted into.
TEST(RoomRecord, CopiedRoomHasTheExactBytesAndPastesOverTheRoomFields)
{
    Bytes expected;
    Append(expected, { 0xFE }, std::string(254, 'c')); // clan
    Append(expected, { 0xFF, 0xFF, 0x00 }, std::string(255, 'd')); // description
    Append(expected, { 1, 0, 0, 0, 2, 'a', 'b', 1, 'c' }); // one extra description
    Append(expected, { 100, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0, 2 }, "Zo"); // heal, mana -2, no name, owner
    Append(expected, { 1, 0, 0, 0, 'M', 0xBD, 0x0B, 0, 0, 1, 0, 0, 0, 0xB9, 0x0B, 0, 0, 0x02, 0x01, 0, 0 }); // one reset
    Append(expected, { 0x01, 0, 0, 0x80, 7, 0, 0, 0 }); // flags, sector
    Bytes bytes = WriteRoomRecord(SampleRoom());
    EXPECT_EQ(bytes, expected);

    CRoomData target;
    target.vnum = 4000, target.exits[DirEast].toVnum = 4001, target.gridX = 3, target.unplaced = false;
    target.extraDescs.push_back({ "old", "gone" });
    bytes.resize(bytes.size() + 4096, 0); // the clipboard block may be longer
    ASSERT_TRUE(ReadRoomRecord(bytes, target));
    EXPECT_TRUE(target.vnum == 4000 && target.exits[DirEast].toVnum == 4001 && target.exits[DirNorth].toVnum == 0
        && target.gridX == 3 && !target.unplaced)
        << "vnum, exits and place must stay";
    EXPECT_TRUE(target.extraDescs.size() == 1 && target.resets.size() == 1 && target.resets[0].arg4 == 258
        && target.roomFlags == 0x80000001u && target.manaRate == -2)
        << "the fields must arrive, the lists replaced";
}

TEST(RoomRecord, IncompleteRecordChangesNothing)
{
    CRoomData source = SampleRoom();
    source.resets.push_back({ 'D', 3001, 2, 1, 0 });
    const Bytes whole = WriteRoomRecord(source);
    Bytes garbledCount = whole;
    garbledCount[254 + 1 + 255 + 3] = 0x7F; // extra descriptions: 127 instead of 1

    const struct {
        const char* what;
        Bytes bytes;
    } cases[] = {
        { "cut in the middle of the second reset", Bytes(whole.begin(), whole.end() - 8 - 17 + 5) },
        { "cut before the sector", Bytes(whole.begin(), whole.end() - 1) },
        { "cut inside the first text", Bytes(whole.begin(), whole.begin() + 100) },
        { "no block at all", Bytes() },
        { "a count whose entries cannot fit", garbledCount },
        { "an absurd count", { 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 'k', 1, 'd' } },
    };
    for (const auto& c : cases) {
        CRoomData target;
        target.clan = "mine", target.roomFlags = 0x10, target.sector = 3, target.resets = { { 'O', 1, 2, 3, 4 } };
        const std::vector<uint8_t> before = WriteRoomRecord(target);
        EXPECT_FALSE(ReadRoomRecord(c.bytes, target)) << c.what;
        EXPECT_EQ(WriteRoomRecord(target), before) << c.what << ": the room must stay as it was";
    }
}

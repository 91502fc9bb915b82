#include "area/RecordReader.h"
#include "area/RecordWriter.h"
#include "area/RoomRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Append(Bytes& out, std::initializer_list<int> bytes)
{
    for (int b : bytes)
        out.push_back(static_cast<uint8_t>(b));
}

void AppendText(Bytes& out, const std::string& text)
{
    out.insert(out.end(), text.begin(), text.end());
}

std::string Hex(const Bytes& bytes)
{
    std::string s;
    char buffer[4];
    for (uint8_t b : bytes) {
        snprintf(buffer, sizeof buffer, "%02X ", b);
        s += buffer;
    }
    return s;
}

CRoomData SampleRoom()
{
    CRoomData room;
    room.vnum = 3001;
    room.clan = "K";
    room.description = "Hi";
    room.extraDescs.push_back({ "ab", "c" });
    room.healRate = 100;
    room.manaRate = -2;
    room.name = "";
    room.owner = "Zo";
    room.resets.push_back({ 'M', 3005, 1, 3001, 258 });
    room.roomFlags = 0x80000001u;
    room.sector = 7;
    room.exits[DirNorth].toVnum = 3002;
    return room;
}

} // namespace

TEST(RecordWriter, TextLengthTakesOneThreeOrSevenBytes)
{
    const struct { size_t length; Bytes prefix; } cases[] = {
        { 0, { 0x00 } },
        { 254, { 0xFE } },
        { 255, { 0xFF, 0xFF, 0x00 } },
        { 256, { 0xFF, 0x00, 0x01 } },
        { 65533, { 0xFF, 0xFD, 0xFF } },
        { 65534, { 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00 } },
        { 70000, { 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00 } },
    };
    for (const auto& c : cases) {
        CRecordWriter out;
        out.WriteText(std::string(c.length, 'x'));
        const Bytes& bytes = out.Bytes();
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length) << "length " << c.length;
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(c.prefix.size())), c.prefix)
            << "length " << c.length << " gave " << Hex(Bytes(bytes.begin(), bytes.begin() + 8));

        std::string back;
        CRecordReader in(bytes);
        EXPECT_TRUE(in.ReadText(back)) << "length " << c.length;
        EXPECT_EQ(back.size(), c.length);
        EXPECT_EQ(in.Position(), bytes.size());
    }
}

TEST(RecordReader, FailedReadsLeaveTheirTargetAndStayFailed)
{
    std::string text = "keep";
    const Bytes shortText { 0x05, 'a', 'b' };
    CRecordReader in(shortText);
    EXPECT_FALSE(in.ReadText(text));
    EXPECT_EQ(text, "keep");
    uint8_t byte = 0;
    EXPECT_FALSE(in.ReadByte(byte)) << "the bytes are there, but the reader has failed";

    const Bytes marker { 0xFF, 0xFE, 0xFF, 0x00 };
    CRecordReader wide(marker);
    EXPECT_FALSE(wide.ReadText(text)) << "0xFFFE marks wide characters, not a length";
}

TEST(RoomRecord, CopiedRoomHasTheExactBytes)
{
    Bytes expected;
    Append(expected, { 1 });
    AppendText(expected, "K"); // clan
    Append(expected, { 2 });
    AppendText(expected, "Hi"); // description
    Append(expected, { 1, 0, 0, 0 }); // one extra description
    Append(expected, { 2 });
    AppendText(expected, "ab");
    Append(expected, { 1 });
    AppendText(expected, "c");
    Append(expected, { 100, 0, 0, 0 }); // healRate
    Append(expected, { 0xFE, 0xFF, 0xFF, 0xFF }); // manaRate -2
    Append(expected, { 0 }); // empty name
    Append(expected, { 2 });
    AppendText(expected, "Zo"); // owner
    Append(expected, { 1, 0, 0, 0 }); // one reset
    Append(expected, { 'M', 0xBD, 0x0B, 0, 0, 1, 0, 0, 0, 0xB9, 0x0B, 0, 0, 0x02, 0x01, 0, 0 });
    Append(expected, { 0x01, 0, 0, 0x80 }); // roomFlags
    Append(expected, { 7, 0, 0, 0 }); // sector

    const Bytes bytes = WriteRoomRecord(SampleRoom());
    EXPECT_EQ(Hex(bytes), Hex(expected));
}

TEST(RoomRecord, LongTextsAroundTheOneByteLimit)
{
    CRoomData room;
    room.clan = std::string(254, 'c');
    room.description = std::string(255, 'd');
    const Bytes bytes = WriteRoomRecord(room);
    ASSERT_GE(bytes.size(), 1u + 254 + 3);
    EXPECT_EQ(bytes[0], 254) << "254 bytes take a one-byte length";
    EXPECT_EQ(bytes[1], 'c');
    EXPECT_EQ(bytes[255], 0xFF) << "255 bytes take 0xFF and a two-byte length";
    EXPECT_EQ(bytes[256], 0xFF);
    EXPECT_EQ(bytes[257], 0x00);
    EXPECT_EQ(bytes[258], 'd');

    CRoomData back;
    ASSERT_TRUE(ReadRoomRecord(bytes, back));
    EXPECT_EQ(back.clan, room.clan);
    EXPECT_EQ(back.description, room.description);
}

TEST(RoomRecord, PasteKeepsVnumExitsAndPlacement)
{
    CRoomData target;
    target.vnum = 4000;
    target.exits[DirEast].toVnum = 4001;
    target.exits[DirEast].keyword = "gate";
    target.x = 36;
    target.unplaced = false;
    target.extraDescs.push_back({ "old", "gone" });

    Bytes bytes = WriteRoomRecord(SampleRoom());
    bytes.resize(bytes.size() + 4096, 0); // the clipboard block may be longer
    ASSERT_TRUE(ReadRoomRecord(bytes, target));

    EXPECT_EQ(target.vnum, 4000);
    EXPECT_EQ(target.exits[DirEast].toVnum, 4001);
    EXPECT_EQ(target.exits[DirEast].keyword, "gate");
    EXPECT_EQ(target.exits[DirNorth].toVnum, 0) << "exits do not travel";
    EXPECT_EQ(target.x, 36);
    EXPECT_FALSE(target.unplaced);
    ASSERT_EQ(target.extraDescs.size(), 1u) << "the list is replaced, not extended";
    EXPECT_EQ(target.extraDescs[0].keyword, "ab");
    ASSERT_EQ(target.resets.size(), 1u);
    EXPECT_EQ(target.resets[0].command, 'M');
    EXPECT_EQ(target.resets[0].arg4, 258);
    EXPECT_EQ(target.roomFlags, 0x80000001u);
    EXPECT_EQ(target.sector, 7);
    EXPECT_EQ(target.manaRate, -2);
}

TEST(RoomRecord, TruncatedRecordKeepsWhatWasRead)
{
    CRoomData source = SampleRoom();
    source.resets.push_back({ 'D', 3001, 2, 1, 0 });
    const Bytes whole = WriteRoomRecord(source);

    // Cut in the middle of the second reset: everything before it arrives,
    // the first reset is kept, the flags and the sector stay as they were.
    const size_t secondReset = whole.size() - 8 - 17;
    CRoomData target;
    target.roomFlags = 0x10;
    target.sector = 3;
    target.resets.push_back({ 'O', 1, 2, 3, 4 });
    EXPECT_FALSE(ReadRoomRecord(whole.data(), secondReset + 5, target));
    EXPECT_EQ(target.clan, "K");
    EXPECT_EQ(target.owner, "Zo");
    ASSERT_EQ(target.resets.size(), 1u) << "the list keeps the entries read so far";
    EXPECT_EQ(target.resets[0].command, 'M');
    EXPECT_EQ(target.roomFlags, 0x10u);
    EXPECT_EQ(target.sector, 3);

    // Cut inside the very first text: nothing changes.
    CRoomData untouched;
    untouched.clan = "mine";
    untouched.extraDescs.push_back({ "kw", "text" });
    EXPECT_FALSE(ReadRoomRecord(whole.data(), 1, untouched));
    EXPECT_EQ(untouched.clan, "mine");
    EXPECT_EQ(untouched.extraDescs.size(), 1u);

    // An empty block changes nothing either.
    EXPECT_FALSE(ReadRoomRecord(nullptr, 0, untouched));
    EXPECT_EQ(untouched.clan, "mine");
}

TEST(RoomRecord, GarbledCountStopsQuietly)
{
    Bytes bytes;
    Append(bytes, { 0, 0 }); // empty clan and description
    Append(bytes, { 0xFF, 0xFF, 0xFF, 0x7F }); // an absurd number of extra descriptions
    Append(bytes, { 1, 'k', 1, 'd' });
    CRoomData target;
    target.clan = "old";
    EXPECT_FALSE(ReadRoomRecord(bytes, target));
    EXPECT_EQ(target.clan, "");
    ASSERT_EQ(target.extraDescs.size(), 1u);
    EXPECT_EQ(target.extraDescs[0].keyword, "k");
    EXPECT_EQ(target.healRate, 100) << "items after the broken list keep their values";
}

#include "text/RecordReader.h"
#include "text/RecordWriter.h"
#include "support/RecordBytes.h"

#include <gtest/gtest.h>

TEST(RecordWriter, TextLengthTakesOneThreeOrSevenBytesAndReadsBack)
{
    // the text's length, the bytes before it
    const std::tuple<size_t, Bytes> cases[] = {
        { 0, { 0x00 } },
        { 254, { 0xFE } },
        { 255, { 0xFF, 0xFF, 0x00 } },
        { 65533, { 0xFF, 0xFD, 0xFF } },
        { 65534, { 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00 } },
        { 70000, { 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00 } },
    };
    for (const auto& [length, prefix] : cases) {
        CRecordWriter out;
        out.WriteText(std::string(length, 'x'));
        const Bytes& bytes = out.Bytes();
        ASSERT_EQ(bytes.size(), prefix.size() + length) << "length " << length;
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(prefix.size())), prefix) << "length " << length;
        std::string back;
        CRecordReader in(bytes);
        EXPECT_TRUE(in.ReadText(back) && back.size() == length && in.Position() == bytes.size()) << "length " << length;
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

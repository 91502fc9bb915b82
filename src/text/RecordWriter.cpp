#include "text/RecordWriter.h"

void CRecordWriter::WriteLittleEndian(uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void CRecordWriter::WriteInt(int32_t value)
{
    WriteLittleEndian(static_cast<uint32_t>(value), 4);
}

void CRecordWriter::WriteByte(uint8_t value)
{
    bytes.push_back(value);
}

void CRecordWriter::WriteText(const std::string& text)
{
    const size_t length = text.size();
    // 0xFF announces a wider length; a two-byte 0xFFFF announces a four-byte
    // one, and 0xFFFE is kept free as readers take it for a marker.
    if (length < 0xFF) {
        WriteByte(static_cast<uint8_t>(length));
    } else if (length < 0xFFFE) {
        WriteByte(0xFF);
        WriteLittleEndian(static_cast<uint32_t>(length), 2);
    } else {
        WriteByte(0xFF);
        WriteLittleEndian(0xFFFF, 2);
        WriteLittleEndian(static_cast<uint32_t>(length), 4);
    }
    bytes.insert(bytes.end(), text.begin(), text.end());
}

void CRecordWriter::WriteCount(size_t count)
{
    WriteInt(static_cast<int32_t>(count));
}

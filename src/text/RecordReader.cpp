#include "text/RecordReader.h"

CRecordReader::CRecordReader(const uint8_t* bytes, size_t length)
    : data(bytes)
    , size(length)
{
}

CRecordReader::CRecordReader(const std::vector<uint8_t>& bytes)
    : CRecordReader(bytes.data(), bytes.size())
{
}

bool CRecordReader::Fail()
{
    failed = true;
    return false;
}

bool CRecordReader::ReadLittleEndian(uint32_t& value, int width)
{
    if (failed || size - position < static_cast<size_t>(width))
        return Fail();
    uint32_t result = 0;
    for (int i = 0; i < width; ++i)
        result |= static_cast<uint32_t>(data[position + static_cast<size_t>(i)]) << (8 * i);
    position += static_cast<size_t>(width);
    value = result;
    return true;
}

bool CRecordReader::ReadInt(uint32_t& value)
{
    return ReadLittleEndian(value, 4);
}

bool CRecordReader::ReadInt(int32_t& value)
{
    uint32_t raw = 0;
    if (!ReadLittleEndian(raw, 4))
        return false;
    value = static_cast<int32_t>(raw);
    return true;
}

bool CRecordReader::ReadByte(uint8_t& value)
{
    uint32_t raw = 0;
    if (!ReadLittleEndian(raw, 1))
        return false;
    value = static_cast<uint8_t>(raw);
    return true;
}

bool CRecordReader::ReadText(std::string& text)
{
    uint32_t length = 0;
    if (!ReadLittleEndian(length, 1))
        return false;
    if (length == 0xFF) {
        if (!ReadLittleEndian(length, 2))
            return false;
        if (length == 0xFFFE) // a wide-character marker: not a text of ours
            return Fail();
        if (length == 0xFFFF && !ReadLittleEndian(length, 4))
            return false;
    }
    if (size - position < length)
        return Fail();
    text.assign(reinterpret_cast<const char*>(data + position), length);
    position += length;
    return true;
}

bool CRecordReader::ReadCount(size_t& count, size_t leastEntryBytes)
{
    int32_t value = 0;
    if (!ReadInt(value))
        return false;
    if (value < 0 || (leastEntryBytes > 0 && static_cast<size_t>(value) > (size - position) / leastEntryBytes))
        return Fail();
    count = static_cast<size_t>(value);
    return true;
}

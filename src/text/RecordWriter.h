#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes the byte stream of a clipboard record: little-endian ints, single
// bytes, and texts prefixed with a one-, three- or seven-byte length.
class CRecordWriter {
public:
    void WriteInt(int32_t value);
    void WriteByte(uint8_t value);
    void WriteText(const std::string& text);
    // A list's entry count, written as an int.
    void WriteCount(size_t count);
    // A list: its count, then each entry written by `writeEntry(writer, entry)`.
    template <class T, class WriteEntry>
    void WriteList(const std::vector<T>& list, WriteEntry writeEntry)
    {
        WriteCount(list.size());
        for (const T& entry : list)
            writeEntry(*this, entry);
    }

    const std::vector<uint8_t>& Bytes() const { return bytes; }

private:
    void WriteLittleEndian(uint32_t value, int size);

    std::vector<uint8_t> bytes;
};

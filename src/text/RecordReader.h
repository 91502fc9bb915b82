#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Reads the byte stream written by CRecordWriter. Every read gives false,
// and leaves its target untouched, when the bytes end early or make no sense;
// the reader then stays failed so that a caller can stop at the first failure.
class CRecordReader {
public:
    CRecordReader(const uint8_t* data, size_t size);
    explicit CRecordReader(const std::vector<uint8_t>& bytes);
    // The reader keeps a pointer into the bytes: they must outlive it.
    explicit CRecordReader(std::vector<uint8_t>&&) = delete;

    bool ReadInt(int32_t& value);
    bool ReadInt(uint32_t& value);
    bool ReadByte(uint8_t& value);
    bool ReadText(std::string& text);
    // A list's entry count. Each entry takes at least `leastEntryBytes`, so a
    // negative count, or one whose entries cannot fit in the bytes left, is
    // garbage and fails.
    bool ReadCount(size_t& count, size_t leastEntryBytes);
    // A list: its count, then each entry read by `readEntry(reader, entry)`.
    template <class T, class ReadEntry>
    bool ReadList(std::vector<T>& list, size_t leastEntryBytes, ReadEntry readEntry);

    bool Failed() const { return failed; }
    size_t Position() const { return position; }

private:
    bool ReadLittleEndian(uint32_t& value, int size);
    bool Fail();

    const uint8_t* data;
    size_t size;
    size_t position = 0;
    bool failed = false;
};

template <class T, class ReadEntry>
bool CRecordReader::ReadList(std::vector<T>& list, size_t leastEntryBytes, ReadEntry readEntry)
{
    size_t count = 0;
    if (!ReadCount(count, leastEntryBytes))
        return false;
    list.clear();
    for (size_t i = 0; i < count; ++i) {
        T entry {};
        if (!readEntry(*this, entry))
            return false;
        list.push_back(std::move(entry));
    }
    return true;
}

#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One named entry of a configuration table: a flag bit, a number, or a keyword
// with a display text, depending on the table.
class CTableEntry {
public:
    virtual ~CTableEntry() = default;

    int32_t value = 0;
    std::string name;
    std::string text;
};

// An ordered list that owns its entries. Entries are only appended; an entry's
// index is its position in file order. Copying a table copies every entry.
template <typename T>
class CEntryTable {
public:
    CEntryTable() = default;
    CEntryTable(const CEntryTable& other) { *this = other; }
    CEntryTable(CEntryTable&&) noexcept = default;
    CEntryTable& operator=(const CEntryTable& other)
    {
        if (this != &other) {
            entries.clear();
            entries.reserve(other.entries.size());
            for (const auto& e : other.entries)
                entries.push_back(std::make_unique<T>(*e));
        }
        return *this;
    }
    CEntryTable& operator=(CEntryTable&&) noexcept = default;

    int Count() const { return static_cast<int>(entries.size()); }
    const T& operator[](int index) const { return *entries[static_cast<size_t>(index)]; }
    T& operator[](int index) { return *entries[static_cast<size_t>(index)]; }

    T& Append(T entry)
    {
        entries.push_back(std::make_unique<T>(std::move(entry)));
        return *entries.back();
    }

    void Clear() { entries.clear(); }

    auto begin() const { return entries.begin(); }
    auto end() const { return entries.end(); }

private:
    std::vector<std::unique_ptr<T>> entries;
};

// Which list names the values of an object value slot.
// The numbers are what `tolvex-cli config --dump` prints.
enum class SlotBinding {
    Own = 0,
    Spells = 1,
    WeaponClasses = 2,
    Liquids = 3,
    AttackTypes = 4,
    ExitFlags = 5,
    PortalFlags = 6,
};

class CObjValueSlot {
public:
    char kind = 'N';
    std::string label;
    CEntryTable<CTableEntry> own;
    SlotBinding binding = SlotBinding::Own;
};

class CObjTypeEntry : public CTableEntry {
public:
    CObjValueSlot slots[5];
};

// A race: the flags every mob of the race has on top of its own.
class CRaceEntry : public CTableEntry {
public:
    uint32_t act = 0;
    uint32_t aff = 0;
    uint32_t off = 0;
    uint32_t imm = 0;
    uint32_t res = 0;
    uint32_t vuln = 0;
    uint32_t form = 0;
    uint32_t parts = 0;
};

class CSectorColorEntry : public CTableEntry {
public:
    int32_t sector = 0;
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
};

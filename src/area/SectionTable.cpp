#include "area/SectionTable.h"

#include "area/Sections.h"

#include <algorithm>

namespace {

bool ReadArea(CReadContext& c, const std::string&)
{
    ReadAreaHeader(c);
    return true;
}

bool ReadAreaData(CReadContext& c, const std::string&)
{
    ReadAreaDataHeader(c);
    return true;
}

template <bool (*Reader)(CReadContext&)>
bool ReadRecords(CReadContext& c, const std::string&)
{
    return Reader(c);
}

const CAreaSection sections[] = {
    { "AREA", SectionRole::Header, ReadArea, WriteHeader, 0 },
    { "AREADATA", SectionRole::Header, ReadAreaData, nullptr, 0 },
    // Right after the header, in file order.
    { "HELPS", SectionRole::Kept, ReadKeptSection, WriteKeptSections, 1 },
    { "SOCIALS", SectionRole::Kept, ReadKeptSection, nullptr, 1 },
    { "MOBOLD", SectionRole::Kept, ReadKeptSection, nullptr, 1 },
    { "OBJOLD", SectionRole::Kept, ReadKeptSection, nullptr, 1 },
    { "MOBILES", SectionRole::Records, ReadRecords<ReadMobiles>, WriteMobiles, 2 },
    { "OBJECTS", SectionRole::Records, ReadRecords<ReadObjects>, WriteObjects, 3 },
    { "ROOMS", SectionRole::Records, ReadRecords<ReadRooms>, WriteRooms, 4 },
    { "SHOPS", SectionRole::Records, ReadRecords<ReadShops>, WriteShops, 5 },
    { "SPECIALS", SectionRole::Records, ReadRecords<ReadSpecials>, WriteSpecials, 6 },
    { "MOBPROGS", SectionRole::Records, ReadRecords<ReadMobprogs>, WriteMobprogs, 7 },
    // Last: a reset names the rooms, objects and mobs written before it.
    { "RESETS", SectionRole::Records, ReadRecords<ReadResets>, WriteResets, 8 },
};

} // namespace

const CAreaSection* FindSection(const std::string& word)
{
    for (const CAreaSection& section : sections)
        if (word == section.word)
            return &section;
    return nullptr;
}

const std::vector<const CAreaSection*>& SectionsInSaveOrder()
{
    static const std::vector<const CAreaSection*> order = [] {
        std::vector<const CAreaSection*> rows;
        for (const CAreaSection& section : sections)
            if (section.write)
                rows.push_back(&section);
        std::stable_sort(rows.begin(), rows.end(),
            [](const CAreaSection* a, const CAreaSection* b) { return a->saveOrder < b->saveOrder; });
        return rows;
    }();
    return order;
}

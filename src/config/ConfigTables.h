#pragma once

#include "config/MudType.h"
#include "config/TableEntry.h"

#include <cstdint>
#include <string>

// The game's name tables and the four GENERAL settings, as read from tolvex.cfg.
class CConfigTables {
public:
    CConfigTables() = default;
    CConfigTables(const CConfigTables&) = default;
    CConfigTables(CConfigTables&&) = default;
    CConfigTables& operator=(const CConfigTables&) = default;
    CConfigTables& operator=(CConfigTables&&) = default;
    virtual ~CConfigTables() = default;

    uint32_t isDoor = 0;
    uint32_t locked = 0;
    MudType mudType = MudType::Quendar;
    int mobprog = 1;

    CEntryTable<CTableEntry> sectorType;
    CEntryTable<CTableEntry> roomFlags;
    CEntryTable<CTableEntry> exitFlags;
    CEntryTable<CObjTypeEntry> objTypes;
    CEntryTable<CTableEntry> extraFlags;
    CEntryTable<CTableEntry> wearFlags;
    CEntryTable<CTableEntry> spells;
    CEntryTable<CTableEntry> liquids;
    CEntryTable<CTableEntry> weaponClasses;
    CEntryTable<CTableEntry> attackTypes;
    CEntryTable<CTableEntry> portalFlags;
    CEntryTable<CTableEntry> affectFlags;
    CEntryTable<CTableEntry> affectLocation;
    CEntryTable<CTableEntry> immFlags;
    CEntryTable<CTableEntry> mercMsg;
    CEntryTable<CRaceEntry> mobFlags;
    CEntryTable<CTableEntry> actFlags;
    CEntryTable<CTableEntry> offFlags;
    CEntryTable<CTableEntry> form;
    CEntryTable<CTableEntry> parts;
    CEntryTable<CTableEntry> sex;
    CEntryTable<CTableEntry> size;
    CEntryTable<CTableEntry> pos;
    CEntryTable<CTableEntry> mobProgTrig;
    CEntryTable<CTableEntry> skills;
    CEntryTable<CTableEntry> trainFlags;
    CEntryTable<CTableEntry> wearPos;
    CEntryTable<CTableEntry> dirName;
    CEntryTable<CTableEntry> recuName;
    CEntryTable<CSectorColorEntry> sectorColors;
    CEntryTable<CTableEntry> affTo;
    CEntryTable<CTableEntry> classes;

    // SlotTable: the list that names the values of slot `slot` of item type
    // `itemType`, or nullptr when the type is unknown or the slot is out of range.
    const CEntryTable<CTableEntry>* SlotTable(int32_t itemType, int slot) const;

    // Appends a race with no flags, for a race an area uses and the table lacks.
    int AppendRace(const std::string& race);

    // The OBJTYPES entry of an item-type number, or nullptr.
    const CObjTypeEntry* ObjType(int32_t itemType) const;
};

// The one table set of the application.
extern CConfigTables theTables;

template <typename T>
int FindByName(const CEntryTable<T>& table, const std::string& name)
{
    for (int i = 0; i < table.Count(); ++i)
        if (table[i].name == name)
            return i;
    return -1;
}

template <typename T>
int FindByValue(const CEntryTable<T>& table, int32_t value)
{
    for (int i = 0; i < table.Count(); ++i)
        if (table[i].value == value)
            return i;
    return -1;
}

// Sector colours are found by their sector, not by a value.
int FindByValue(const CEntryTable<CSectorColorEntry>& table, int32_t sector);

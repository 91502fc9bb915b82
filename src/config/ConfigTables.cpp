#include "config/ConfigTables.h"

CConfigTables theTables;

int FindByValue(const CEntryTable<CSectorColorEntry>& table, int32_t sector)
{
    for (int i = 0; i < table.Count(); ++i)
        if (table[i].sector == sector)
            return i;
    return -1;
}

const CObjTypeEntry* CConfigTables::ObjType(int32_t itemType) const
{
    int index = FindByValue(objTypes, itemType);
    return index < 0 ? nullptr : &objTypes[index];
}

const CEntryTable<CTableEntry>* CConfigTables::SlotTable(int32_t itemType, int slot) const
{
    const CObjTypeEntry* type = ObjType(itemType);
    if (!type || slot < 0 || slot > 4)
        return nullptr;
    const CObjValueSlot& s = type->slots[slot];
    switch (s.binding) {
    case SlotBinding::Spells: return &spells;
    case SlotBinding::WeaponClasses: return &weaponClasses;
    case SlotBinding::Liquids: return &liquids;
    case SlotBinding::AttackTypes: return &attackTypes;
    case SlotBinding::ExitFlags: return &exitFlags;
    case SlotBinding::PortalFlags: return &portalFlags;
    default: return &s.own;
    }
}

int CConfigTables::AppendRace(const std::string& race)
{
    CRaceEntry entry;
    entry.name = race;
    mobFlags.Append(std::move(entry));
    return mobFlags.Count() - 1;
}

#pragma once

#include "support/AreaFiles.h"
#include "text/TextWriter.h"

// The shipped example tables of the dialect that edits every area field.
inline void LoadExampleTables(CConfigTables& tables) { LoadTables(tables, SourcePath("res/configs/quendar-example.cfg")); }

inline void AddEntry(CEntryTable<CTableEntry>& table, const char* name, int value)
{
    CTableEntry entry;
    entry.name = name, entry.value = value;
    table.Append(entry);
}

// One more object type, "gadget" (90), whose slots are of the kinds no
// example type uses: M, S, U (low 5, high 9) and A (red 1, blue 4, purple 5).
constexpr int GadgetType = 90;
inline void AddGadgetType(CConfigTables& tables)
{
    CObjTypeEntry gadget;
    gadget.value = GadgetType, gadget.name = "gadget";
    const char kinds[] = { 'M', 'S', 'U', 'A', 'N' };
    const char* labels[] = { "Parts", "Inscription", "Mode", "Marks", "Unused" };
    for (int i = 0; i < 5; ++i) {
        gadget.slots[i].kind = kinds[i];
        gadget.slots[i].label = labels[i];
    }
    AddEntry(gadget.slots[2].own, "low", 5);
    AddEntry(gadget.slots[2].own, "high", 9);
    AddEntry(gadget.slots[3].own, "red", 0x1);
    AddEntry(gadget.slots[3].own, "blue", 0x4);
    AddEntry(gadget.slots[3].own, "purple", 0x5);
    tables.objTypes.Append(gadget);
}

// An area of vnums 3000..3099 on `tables`: rooms 3001-3003, mobs 3005 (the
// baker) and 3006, objects 3010 (a sword) and 3011 (a bag).
inline CTolvexDoc ExampleArea(CConfigTables& tables)
{
    CTolvexDoc doc(tables);
    doc.lowerVnum = 3000, doc.upperVnum = 3099;
    for (int vnum : { 3001, 3002, 3003 }) {
        CRoomData& room = doc.rooms.emplace_back();
        room.vnum = vnum, room.name = "Room " + std::to_string(vnum);
    }
    for (const auto& [vnum, name] : { std::pair { 3005, "the baker" }, std::pair { 3006, "a guard" } }) {
        CMobData& mob = doc.mobs.emplace_back(tables);
        mob.vnum = vnum, mob.shortDesc = name;
    }
    for (const auto& [vnum, name] : { std::pair { 3010, "a sword" }, std::pair { 3011, "a bag" } }) {
        CObjData& obj = doc.objects.emplace_back();
        obj.vnum = vnum, obj.shortDesc = name;
    }
    return doc;
}

// A mob whose every field holds a value of its own, so a swapped pair shows;
// the example tables know its words.
inline CMobData FullMob(const CConfigTables& tables)
{
    CMobData mob(tables);
    mob.vnum = 3011, mob.name = "Hassan", mob.shortDesc = "Hassan", mob.longDesc = "Hassan is here.";
    mob.description = "A big man.", mob.race = "human", mob.act = 0x80000001u, mob.aff = 2;
    mob.alignment = -3, mob.group = 3000, mob.level = 45, mob.hitroll = -1;
    mob.hitDice = { 4, 5, 6 }, mob.manaDice = { 7, 8, 9 }, mob.damDice = { 10, 11, 12 };
    mob.damType = "pound", mob.ac = { -100, -110, -120, -130 };
    mob.off = 13, mob.imm = 14, mob.res = 15, mob.vuln = 16, mob.form = 17, mob.parts = 18;
    mob.startPos = "stand", mob.defaultPos = "sit", mob.sex = "male", mob.wealth = 58000;
    mob.size = "medium", mob.material = "flesh", mob.clan = "rats", mob.rank = 4;
    mob.mercMessages.resize(std::max<size_t>(mob.mercMessages.size(), 3)); // as many as the tables have
    mob.mercMessages[0] = "hi", mob.mercMessages[2] = "bye", mob.mercSkills = { { 50, "dodge" } };
    mob.triggers = { { "greet", 3000, "100" }, { "speech", 3001, "hello" } };
    mob.special = "spec_fido", mob.shop = CShopData { { 2, 3, 4, 10, 0 }, 105, 15, 6, 22 };
    mob.trainerClass = "mage", mob.trainerSkills = { { "dodge", 1, 2, 3, 4 } };
    return mob;
}

// Object 3010 "thing" of the type named.
inline CObjData Thing(const CConfigTables& tables, const char* type)
{
    CObjData obj;
    obj.vnum = 3010, obj.name = "thing", obj.itemType = tables.objTypes[FindByName(tables.objTypes, type)].value;
    return obj;
}

// A reset as its letter and four arguments.
inline std::string ResetArgs(const CResetData& r) { return Format("%c %i %i %i %i", { r.command, r.arg1, r.arg2, r.arg3, r.arg4 }); }

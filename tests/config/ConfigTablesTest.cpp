#include "config/ConfigTables.h"
#include "support/ExampleArea.h"

TEST(TableLookup, FirstMatchInFileOrderWinsAndNamesAreCaseSensitive)
{
    CEntryTable<CTableEntry> table;
    for (const auto& [name, value] : { std::pair { "dark", 1 }, { "safe", 2 }, { "dark", 4 }, { "law", 2 } })
        AddEntry(table, name, value);
    // by name, then by value: what is looked for, the index found
    const std::pair<const char*, int> names[] = { { "dark", 0 }, { "law", 3 }, { "Dark", -1 }, { "", -1 } };
    for (const auto& [name, index] : names)
        EXPECT_EQ(FindByName(table, name), index) << name;
    for (const auto& [value, index] : { std::pair { 2, 1 }, { 4, 2 }, { 8, -1 } })
        EXPECT_EQ(FindByValue(table, value), index) << value;
}

TEST(SlotTable, BindingSelectsTheListAndUnknownTypesOrSlotsGiveNothing)
{
    CConfigTables t;
    CObjTypeEntry weapon;
    weapon.name = "weapon", weapon.value = 5;
    weapon.slots[0].binding = SlotBinding::WeaponClasses, weapon.slots[1].binding = SlotBinding::Spells;
    weapon.slots[2].binding = SlotBinding::Liquids, weapon.slots[3].binding = SlotBinding::AttackTypes;
    AddEntry(weapon.slots[4].own, "flaming", 1);
    t.objTypes.Append(weapon);
    CObjTypeEntry portal;
    portal.value = 29, portal.slots[1].binding = SlotBinding::ExitFlags, portal.slots[2].binding = SlotBinding::PortalFlags;
    t.objTypes.Append(portal);
    CObjTypeEntry shadow; // same number again: never reached
    shadow.value = 5;
    t.objTypes.Append(shadow);

    // the type, the slot, the list it takes
    const std::tuple<int, int, const CEntryTable<CTableEntry>*> cases[] = { { 5, 0, &t.weaponClasses }, { 5, 1, &t.spells },
        { 5, 2, &t.liquids }, { 5, 3, &t.attackTypes }, { 29, 1, &t.exitFlags }, { 29, 2, &t.portalFlags }, { 7, 0, nullptr },
        { 5, 5, nullptr }, { 5, -1, nullptr } };
    for (const auto& [type, slot, list] : cases)
        EXPECT_EQ(t.SlotTable(type, slot), list) << type << " slot " << slot;
    ASSERT_NE(t.SlotTable(5, 4), nullptr);
    EXPECT_EQ(t.SlotTable(5, 4)->Count(), 1);
    EXPECT_EQ(t.SlotTable(29, 0)->Count(), 0) << "a slot without binding uses its own, empty list";
}

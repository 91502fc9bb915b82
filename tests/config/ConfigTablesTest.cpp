#include "config/ConfigTables.h"

#include <gtest/gtest.h>

namespace {

CTableEntry Entry(const std::string& name, int32_t value)
{
    CTableEntry e;
    e.name = name;
    e.value = value;
    return e;
}

} // namespace

TEST(TableLookup, FirstMatchInFileOrderWinsAndNamesAreCaseSensitive)
{
    CEntryTable<CTableEntry> table;
    table.Append(Entry("dark", 1));
    table.Append(Entry("safe", 2));
    table.Append(Entry("dark", 4));
    table.Append(Entry("law", 2));

    EXPECT_EQ(FindByName(table, "dark"), 0);
    EXPECT_EQ(FindByName(table, "law"), 3);
    EXPECT_EQ(FindByName(table, "Dark"), -1);
    EXPECT_EQ(FindByName(table, ""), -1);
    EXPECT_EQ(FindByValue(table, 2), 1);
    EXPECT_EQ(FindByValue(table, 4), 2);
    EXPECT_EQ(FindByValue(table, 8), -1);
}

TEST(SlotTable, BindingSelectsTheListAndUnknownTypesOrSlotsGiveNothing)
{
    CConfigTables t;
    CObjTypeEntry weapon;
    weapon.name = "weapon", weapon.value = 5;
    weapon.slots[0].binding = SlotBinding::WeaponClasses, weapon.slots[1].binding = SlotBinding::Spells;
    weapon.slots[2].binding = SlotBinding::Liquids, weapon.slots[3].binding = SlotBinding::AttackTypes;
    weapon.slots[4].own.Append(Entry("flaming", 1));
    t.objTypes.Append(weapon);
    CObjTypeEntry portal;
    portal.value = 29, portal.slots[1].binding = SlotBinding::ExitFlags, portal.slots[2].binding = SlotBinding::PortalFlags;
    t.objTypes.Append(portal);
    CObjTypeEntry shadow; // same number again: never reached
    shadow.value = 5;
    t.objTypes.Append(shadow);

    EXPECT_EQ(t.SlotTable(5, 0), &t.weaponClasses);
    EXPECT_EQ(t.SlotTable(5, 1), &t.spells);
    EXPECT_EQ(t.SlotTable(5, 2), &t.liquids);
    EXPECT_EQ(t.SlotTable(5, 3), &t.attackTypes);
    ASSERT_NE(t.SlotTable(5, 4), nullptr);
    EXPECT_EQ(t.SlotTable(5, 4)->Count(), 1);
    EXPECT_EQ(t.SlotTable(29, 1), &t.exitFlags);
    EXPECT_EQ(t.SlotTable(29, 2), &t.portalFlags);
    EXPECT_EQ(t.SlotTable(29, 0)->Count(), 0) << "a slot without binding uses its own, empty list";

    EXPECT_EQ(t.SlotTable(7, 0), nullptr);
    EXPECT_EQ(t.SlotTable(5, 5), nullptr);
    EXPECT_EQ(t.SlotTable(5, -1), nullptr);
}

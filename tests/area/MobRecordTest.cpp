#include "area/MobRecord.h"
#include "config/ConfigTables.h"
#include "support/RecordBytes.h"

#include <gtest/gtest.h>

namespace {

// A mob whose every field holds a value of its own, so a swapped pair shows.
CMobData SampleMob()
{
    CConfigTables none;
    CMobData mob(none);
    mob.vnum = 3011, mob.name = "Hassan", mob.shortDesc = "Hassan", mob.longDesc = "Hassan is here.";
    mob.description = "A big man.", mob.race = "human", mob.act = 0x80000001u, mob.aff = 2;
    mob.alignment = -3, mob.group = 3000, mob.level = 45, mob.hitroll = -1;
    mob.hitDice = { 4, 5, 6 }, mob.manaDice = { 7, 8, 9 }, mob.damDice = { 10, 11, 12 };
    mob.damType = "pound", mob.ac = { -100, -110, -120, -130 };
    mob.off = 13, mob.imm = 14, mob.res = 15, mob.vuln = 16, mob.form = 17, mob.parts = 18;
    mob.startPos = "stand", mob.defaultPos = "sit", mob.sex = "male", mob.wealth = 58000;
    mob.size = "medium", mob.material = "flesh", mob.clan = "rats", mob.rank = 4;
    mob.mercMessages = { "hi", "", "bye" }, mob.mercSkills = { { 50, "dodge" } };
    mob.triggers = { { "greet", 3000, "100" }, { "speech", 3001, "hello" } };
    mob.special = "spec_fido", mob.shop = CShopData { { 2, 3, 4, 10, 0 }, 105, 15, 6, 22 };
    mob.trainerClass = "mage", mob.trainerSkills = { { "dodge", 1, 2, 3, 4 } };
    return mob;
}

Bytes Int(int32_t v)
{
    const auto u = static_cast<uint32_t>(v);
    return { static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
        static_cast<uint8_t>(u >> 24) };
}

Bytes Text(const std::string& s)
{
    Bytes out { static_cast<uint8_t>(s.size()) };
    for (const char c : s)
        out.push_back(static_cast<uint8_t>(c));
    return out;
}

Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

} // namespace

TEST(MobRecord, ItemsComeInTheRecordOrderWithDiceBonusFirstAndTheShopAfterItsFlag)
{
    const Bytes bytes = WriteMobRecord(SampleMob());
    const Bytes expected = Join({ Int(-110), Int(-130), Int(-100), Int(-120), Int(static_cast<int32_t>(0x80000001u)),
        Int(2), Int(-3), Text("rats"), Int(12), Int(10), Int(11), Text("sit"), Text("A big man."), Int(17), Int(3000),
        Int(6), Int(4), Int(5), Int(-1), Int(14), Int(45), Text("Hassan is here."), Int(9), Int(7), Int(8),
        Text("flesh"), Int(3), Text("hi"), Text(""), Text("bye"), Int(2), Text("100"), Text("greet"), Int(3000),
        Text("hello"), Text("speech"), Int(3001), Text("Hassan"), Int(13), Int(18), Int(4), Int(15), Text("pound"),
        Text("human"), Text("male"), Int(1), Int(22), Int(6), Int(105), Int(15), Int(2), Int(3), Int(4), Int(10),
        Int(0), Text("medium"), Int(1), Int(50), Text("dodge"), Text("spec_fido"), Text("stand"), Int(16),
        Int(58000), Text("Hassan") });
    EXPECT_EQ(bytes, expected);
}

// Any shop flag but 0 carries a shop; 0 takes the target's shop away.
TEST(MobRecord, ReadingKeepsTheVnumAndTrainerDataAndTakesEverythingElseShopAndAll)
{
    CMobData source = SampleMob();
    CConfigTables none;
    CMobData target(none);
    target.vnum = 4000, target.trainerClass = "thief", target.trainerSkills = { { "steal", 5, 6, 7, 1 } };
    Bytes bytes = WriteMobRecord(source);
    const Bytes marker = Join({ Text("male"), Int(1) }); // the shop flag stands after the sex
    const auto at = std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end());
    ASSERT_NE(at, bytes.end());
    at[static_cast<long>(Text("male").size())] = 7;
    ASSERT_TRUE(ReadMobRecord(bytes, target));
    EXPECT_TRUE(target.vnum == 4000 && target.trainerClass == "thief" && target.trainerSkills.at(0).skill == "steal");
    EXPECT_EQ(WriteMobRecord(target), WriteMobRecord(source)) << "every other field arrives";
    ASSERT_TRUE(target.shop.has_value()) << "7 means a shop follows";
    EXPECT_EQ(target.shop->closeHour, 22);

    source.shop.reset();
    ASSERT_TRUE(ReadMobRecord(WriteMobRecord(source), target));
    EXPECT_FALSE(target.shop.has_value()) << "a mob without a shop takes the shop away";
}

TEST(MobRecord, ARecordCutAnywhereOrWithACountBeyondItsBytesChangesNothing)
{
    const Bytes whole = WriteMobRecord(SampleMob());
    CConfigTables none;
    for (size_t length = 0; length < whole.size(); ++length) {
        CMobData target(none);
        target.name = "untouched";
        const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(length));
        EXPECT_FALSE(ReadMobRecord(cut, target)) << "cut at " << length;
        EXPECT_EQ(target.name, "untouched") << "cut at " << length;
        EXPECT_FALSE(target.shop.has_value()) << "cut at " << length;
    }
    // The merc message count says a million texts follow.
    CMobData mob = SampleMob();
    mob.mercMessages.clear();
    Bytes bytes = WriteMobRecord(mob);
    const Bytes marker = Join({ Text("flesh"), Int(0) });
    auto at = std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end());
    ASSERT_NE(at, bytes.end());
    const Bytes huge = Int(1000000);
    std::copy(huge.begin(), huge.end(), at + static_cast<long>(Text("flesh").size()));
    CMobData target(none);
    EXPECT_FALSE(ReadMobRecord(bytes, target));
    EXPECT_TRUE(target.mercMessages.empty());
}

#include "area/MobRecord.h"
#include "area/ObjectRecord.h"
#include "area/RoomRecord.h"
#include "config/ConfigTables.h"
#include "support/ExampleArea.h"
#include "support/RecordBytes.h"

// The records the clipboard carries: exact bytes, and all or nothing on paste.
namespace {

// A room whose clan takes a one-byte length and whose description a three-byte one.
CRoomData SampleRoom()
{
    CRoomData room;
    room.vnum = 3001, room.clan = std::string(254, 'c'), room.description = std::string(255, 'd');
    room.extraDescs = { { "ab", "c" } }, room.resets = { { 'M', 3005, 1, 3001, 258 } };
    room.healRate = 100, room.manaRate = -2, room.name = "", room.owner = "Zo";
    room.roomFlags = 0x80000001u, room.sector = 7, room.exits[DirNorth].toVnum = 3002;
    return room;
}

// Every list with one entry, a short description long enough for a
// three-byte length, numbers of both signs and every width.
CObjData SampleObject()
{
    CObjData obj;
    obj.vnum = 3010, obj.affects = { { 2, 17, -5, 0x2 } };
    obj.condition = "P", obj.cost = 74600, obj.longDesc = "L", obj.extraFlags = 0x80000001u;
    obj.extraDescs = { { "kw", "d" } }, obj.shortDesc = std::string(255, 'x');
    obj.itemType = 25, obj.material = "A oldstyle", obj.name = "", obj.level = -1, obj.weight = 300;
    obj.trainStops = { { 3001, 0x5, 2, "in", "" } }, obj.wearFlags = 0x4001;
    obj.values = { 100000, 0, 0, -1, 0 }, obj.valueTexts = { "", "", "it's", "", "" };
    return obj;
}

CMobData SampleMob()
{
    CConfigTables none;
    return FullMob(none);
}

// A record as tests/data/clipboard-records holds it.
Bytes Golden(const std::string& name)
{
    const std::string bytes = ReadWholeFile(SourcePath("tests/data/clipboard-records/" + name));
    return Bytes(bytes.begin(), bytes.end());
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

// Cut anywhere, or with a count that promises more entries than its bytes
// hold, a record reads as nothing and leaves the target as it was.
template <typename T, typename Read>
void ExpectNothingChanges(const Bytes& whole, const std::vector<Bytes>& garbled, T target, Read read, Bytes (*write)(const T&))
{
    const Bytes before = write(target);
    for (size_t length = 0; length < whole.size(); ++length) {
        ASSERT_FALSE(read(whole.data(), length, target)) << "cut at " << length;
        ASSERT_EQ(write(target), before) << "cut at " << length;
    }
    for (const Bytes& bytes : garbled) {
        EXPECT_FALSE(read(bytes.data(), bytes.size(), target));
        EXPECT_EQ(write(target), before);
    }
}

} // namespace

// The record holds neither the vnum nor the exits nor the map place: a paste
// keeps those of the room pasted into.
TEST(RoomRecord, CopiedRoomHasTheExactBytesAndPastesOverTheRoomFields)
{
    // Clan and description (a one- and a three-byte length), one extra
    // description, heal, mana -2, no name, owner, one reset, flags, sector.
    Bytes bytes = WriteRoomRecord(SampleRoom());
    EXPECT_EQ(bytes, Golden("room.bin"));

    CRoomData target;
    target.vnum = 4000, target.exits[DirEast].toVnum = 4001, target.gridX = 3, target.unplaced = false;
    target.extraDescs.push_back({ "old", "gone" });
    bytes.resize(bytes.size() + 4096, 0); // the clipboard block may be longer
    ASSERT_TRUE(ReadRoomRecord(bytes, target));
    EXPECT_TRUE(target.vnum == 4000 && target.exits[DirEast].toVnum == 4001 && target.exits[DirNorth].toVnum == 0
        && target.gridX == 3 && !target.unplaced)
        << "vnum, exits and place must stay";
    EXPECT_TRUE(target.extraDescs.size() == 1 && target.resets.size() == 1 && target.resets[0].arg4 == 258
        && target.roomFlags == 0x80000001u && target.manaRate == -2)
        << "the fields must arrive, the lists replaced";
}

TEST(ObjectRecord, CopiedObjectHasTheExactBytesAndPastesEverythingButTheVnum)
{
    // One affect (bits, location, modifier, where), condition, cost, long
    // description, extra flags, one extra description (description, then
    // keyword), item type, material, no name, level -1, weight, short
    // description, one stop (flags, arrival, leave, room, time), each value's
    // number then text, wear flags.
    Bytes bytes = WriteObjectRecord(SampleObject());
    ASSERT_EQ(bytes, Golden("object.bin"));

    CObjData target;
    target.vnum = 4000, target.affects = { {}, {} };
    bytes.resize(bytes.size() + 4096, 0); // the clipboard block may be longer
    ASSERT_TRUE(ReadObjectRecord(bytes, target));
    EXPECT_EQ(target.vnum, 4000) << "the vnum never travels";
    target.vnum = 3010;
    EXPECT_EQ(WriteObjectRecord(target), WriteObjectRecord(SampleObject())) << "every other field arrives, the lists replaced";
}

// Four-byte numbers and texts after a length byte, in the record's order,
// dice bonus first, the shop after its flag. Any shop flag but 0 carries a
// shop; 0 takes the target's shop away.
TEST(MobRecord, CopiedMobHasTheExactBytesAndReadingKeepsTheVnumAndTrainerDataAndTakesEverythingElseShopAndAll)
{
    CMobData source = SampleMob();
    Bytes bytes = WriteMobRecord(source);
    EXPECT_EQ(bytes, Golden("mob.bin"));
    CConfigTables none;
    CMobData target(none);
    target.vnum = 4000, target.trainerClass = "thief", target.trainerSkills = { { "steal", 5, 6, 7, 1 } };
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

TEST(ClipboardRecords, ARecordCutAnywhereOrWithACountBeyondItsBytesChangesNothing)
{
    CRoomData room = SampleRoom(), roomTarget;
    room.resets.push_back({ 'D', 3001, 2, 1, 0 });
    const Bytes rooms = WriteRoomRecord(room);
    Bytes extras = rooms;
    extras[254 + 1 + 255 + 3] = 0x7F; // extra descriptions: 127 instead of 1
    roomTarget.clan = "mine", roomTarget.roomFlags = 0x10, roomTarget.sector = 3, roomTarget.resets = { { 'O', 1, 2, 3, 4 } };
    ExpectNothingChanges(
        rooms, { extras, { 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 'k', 1, 'd' } }, roomTarget,
        [](const uint8_t* d, size_t n, CRoomData& r) { return ReadRoomRecord(d, n, r); }, WriteRoomRecord);

    CObjData objectTarget;
    objectTarget.name = "mine", objectTarget.affects = { { 1, 2, 3, 4 } };
    std::vector<Bytes> counts = { { 0xFF, 0xFF, 0xFF, 0x7F }, { 0xFF, 0xFF, 0xFF, 0xFF }, { 2, 0, 0, 0, 1, 2 } };
    for (Bytes& bytes : counts)
        bytes.resize(40, 0);
    ExpectNothingChanges(
        WriteObjectRecord(SampleObject()), counts, objectTarget,
        [](const uint8_t* d, size_t n, CObjData& o) { return ReadObjectRecord(d, n, o); }, WriteObjectRecord);

    // The merc message count says a million texts follow.
    CMobData mob = SampleMob();
    mob.mercMessages.clear();
    Bytes messages = WriteMobRecord(mob);
    const Bytes marker = Join({ Text("flesh"), Int(0) });
    const auto at = std::search(messages.begin(), messages.end(), marker.begin(), marker.end());
    ASSERT_NE(at, messages.end());
    const Bytes huge = Int(1000000);
    std::copy(huge.begin(), huge.end(), at + static_cast<long>(Text("flesh").size()));
    CConfigTables none;
    CMobData mobTarget(none);
    mobTarget.name = "untouched";
    ExpectNothingChanges(
        WriteMobRecord(SampleMob()), { messages }, mobTarget,
        [](const uint8_t* d, size_t n, CMobData& m) { return ReadMobRecord(d, n, m); }, WriteMobRecord);
}

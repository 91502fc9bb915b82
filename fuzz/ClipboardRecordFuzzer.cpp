#include "FuzzTables.h"
#include "area/CTolvexDoc.h"
#include "area/MobRecord.h"
#include "area/ObjectRecord.h"
#include "area/RoomRecord.h"
#include "config/ConfigLoader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

// The first byte picks the record (its value modulo 3); the rest is the record.
//
// Run with TOLVEX_WRITE_SEEDS=DIR and area files as arguments, the program
// writes every room, object and mob of those areas to DIR as inputs of this
// kind, and exits: the records of real areas make the best seeds.

namespace {

using Bytes = std::vector<uint8_t>;

enum Kind : uint8_t {
    Room = 0,
    Object = 1,
    Mob = 2,
};

// What a read must leave alone, set apart from the defaults so that a reader
// that touched it would show.
constexpr int KeptVnum = 4321;

CRoomData BlankRoom()
{
    CRoomData room;
    room.vnum = KeptVnum;
    room.exits[DirUp].toVnum = KeptVnum + 1;
    room.exits[DirUp].keyword = "kept";
    return room;
}

CObjData BlankObject()
{
    CObjData object;
    object.vnum = KeptVnum;
    return object;
}

CMobData BlankMob()
{
    CMobData mob(BaseTables());
    mob.vnum = KeptVnum;
    mob.trainerClass = "kept";
    mob.trainerSkills.push_back(CTrainerSkill());
    return mob;
}

bool RoomKept(const CRoomData& room)
{
    return room.vnum == KeptVnum && room.exits[DirUp].toVnum == KeptVnum + 1 && room.exits[DirUp].keyword == "kept";
}

bool ObjectKept(const CObjData& object)
{
    return object.vnum == KeptVnum;
}

bool MobKept(const CMobData& mob)
{
    return mob.vnum == KeptVnum && mob.trainerClass == "kept" && mob.trainerSkills.size() == 1;
}

// What travels of each record, field by field: comparing the written bytes
// alone would miss a writer that loses something the same way each time.
template <class T, class Key>
bool SameList(const std::vector<T>& a, const std::vector<T>& b, Key key)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [&key](const T& x, const T& y) { return key(x) == key(y); });
}

auto ExtraDescKey(const CExtraDescData& e)
{
    return std::tie(e.keyword, e.description);
}

bool SameRoom(const CRoomData& a, const CRoomData& b)
{
    auto key = [](const CRoomData& r) {
        return std::tie(r.clan, r.description, r.healRate, r.manaRate, r.name, r.owner, r.roomFlags, r.sector);
    };
    auto resetKey = [](const CResetData& r) { return std::tie(r.command, r.arg1, r.arg2, r.arg3, r.arg4); };
    return key(a) == key(b) && SameList(a.extraDescs, b.extraDescs, ExtraDescKey)
        && SameList(a.resets, b.resets, resetKey);
}

bool SameObject(const CObjData& a, const CObjData& b)
{
    auto key = [](const CObjData& o) {
        return std::tie(o.condition, o.cost, o.longDesc, o.extraFlags, o.itemType, o.material, o.name, o.level,
            o.weight, o.shortDesc, o.values, o.valueTexts, o.wearFlags);
    };
    auto affectKey = [](const CAffectData& f) { return std::tie(f.bits, f.location, f.modifier, f.where); };
    auto stopKey = [](const CTrainStop& t) {
        return std::tie(t.flags, t.arrivalMessage, t.leaveMessage, t.room, t.time);
    };
    return key(a) == key(b) && SameList(a.affects, b.affects, affectKey)
        && SameList(a.extraDescs, b.extraDescs, ExtraDescKey) && SameList(a.trainStops, b.trainStops, stopKey);
}

bool SameMob(const CMobData& a, const CMobData& b)
{
    auto key = [](const CMobData& m) {
        return std::tie(m.ac, m.act, m.aff, m.alignment, m.clan, m.damDice, m.defaultPos, m.description, m.form,
            m.group, m.hitDice, m.hitroll, m.imm, m.level, m.longDesc, m.manaDice, m.material, m.mercMessages,
            m.name, m.off, m.parts, m.rank, m.res, m.damType, m.race, m.sex, m.size, m.special, m.startPos,
            m.vuln, m.wealth, m.shortDesc);
    };
    auto triggerKey = [](const CMobTrigger& t) { return std::tie(t.phrase, t.trigger, t.vnum); };
    auto skillKey = [](const CMercSkill& k) { return std::tie(k.value, k.skill); };
    auto shopKey = [](const CShopData& s) {
        return std::tie(s.closeHour, s.openHour, s.profitBuy, s.profitSell, s.buyTypes);
    };
    const bool sameShop = a.shop.has_value() == b.shop.has_value() && (!a.shop || shopKey(*a.shop) == shopKey(*b.shop));
    return key(a) == key(b) && sameShop && SameList(a.triggers, b.triggers, triggerKey)
        && SameList(a.mercSkills, b.mercSkills, skillKey);
}

[[noreturn]] void Fault(const char* kind, const char* what, const Bytes& first, const Bytes& second)
{
    std::fprintf(stderr, "%s record: %s (%zu bytes, then %zu bytes)\n", kind, what, first.size(), second.size());
    std::abort();
}

// Reads `data` over a blank record. A failed read must leave the record as it
// was; a read must keep what does not travel, and what it read must write to
// bytes that read to the same record, which writes the same bytes again.
template <class Record>
void Check(const char* kind, const uint8_t* data, size_t size, Record (*blank)(),
    bool (*read)(const uint8_t*, size_t, Record&), Bytes (*write)(const Record&), bool (*kept)(const Record&),
    bool (*same)(const Record&, const Record&))
{
    Record record = blank();
    const Bytes blankBytes = write(record);
    if (!read(data, size, record)) {
        const Bytes after = write(record);
        if (after != blankBytes || !kept(record))
            Fault(kind, "a failed read changed the record", blankBytes, after);
        return;
    }
    if (!kept(record))
        Fault(kind, "the read changed what does not travel", blankBytes, write(record));
    const Bytes first = write(record);
    Record reread = blank();
    if (!read(first.data(), first.size(), reread))
        Fault(kind, "the written record cannot be read back", first, first);
    if (!same(reread, record))
        Fault(kind, "the record read back differs from the record written", first, write(reread));
    const Bytes second = write(reread);
    if (second != first)
        Fault(kind, "the record read back writes other bytes", first, second);
}

void WriteSeed(const std::string& path, Kind kind, const Bytes& record)
{
    std::ofstream out(path, std::ios::binary);
    const char selector = static_cast<char>(kind);
    out.write(&selector, 1);
    out.write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
}

// Returns the number of seeds written.
size_t WriteSeeds(const std::string& dir, const std::string& areaPath, int fileIndex)
{
    CConfigTables tables = BaseTables();
    CTolvexDoc doc(tables);
    std::ifstream in(areaPath, std::ios::binary);
    CDiagnosticList diagnostics;
    if (!in || !doc.Load(in, diagnostics))
        return 0;
    const std::string prefix = dir + "/" + std::to_string(fileIndex) + "-";
    size_t written = 0;
    for (size_t i = 0; i < doc.rooms.size(); ++i, ++written)
        WriteSeed(prefix + "room-" + std::to_string(i), Room, WriteRoomRecord(doc.rooms[i]));
    for (size_t i = 0; i < doc.objects.size(); ++i, ++written)
        WriteSeed(prefix + "obj-" + std::to_string(i), Object, WriteObjectRecord(doc.objects[i]));
    for (size_t i = 0; i < doc.mobs.size(); ++i, ++written)
        WriteSeed(prefix + "mob-" + std::to_string(i), Mob, WriteMobRecord(doc.mobs[i]));
    return written;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    const char* dir = std::getenv("TOLVEX_WRITE_SEEDS");
    if (dir == nullptr)
        return 0;
    size_t written = 0;
    for (int i = 1; i < *argc; ++i)
        written += WriteSeeds(dir, (*argv)[i], i);
    std::printf("%zu seeds written to %s\n", written, dir);
    std::exit(0);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t* record = data + 1;
    const size_t length = size - 1;
    switch (data[0] % 3) {
    case Room:
        Check<CRoomData>("room", record, length, BlankRoom, ReadRoomRecord, WriteRoomRecord, RoomKept, SameRoom);
        break;
    case Object:
        Check<CObjData>("object", record, length, BlankObject, ReadObjectRecord, WriteObjectRecord, ObjectKept,
            SameObject);
        break;
    default:
        Check<CMobData>("mob", record, length, BlankMob, ReadMobRecord, WriteMobRecord, MobKept, SameMob);
        break;
    }
    return 0;
}

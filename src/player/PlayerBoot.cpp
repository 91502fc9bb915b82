#include "player/PlayerWorld.h"

#include "config/ConfigTables.h"

#include <algorithm>
#include <map>

namespace {

template <typename T>
uint32_t Bits(const CEntryTable<T>& table, const char* name)
{
    const int index = FindByName(table, name);
    return index < 0 ? 0 : static_cast<uint32_t>(table[index].value);
}

template <typename T>
int Number(const CEntryTable<T>& table, const char* name)
{
    const int index = FindByName(table, name);
    return index < 0 ? -1 : table[index].value;
}

// The server's alignment bands (IS_GOOD, IS_EVIL).
bool IsGood(int alignment) { return alignment >= 350; }
bool IsEvil(int alignment) { return alignment <= -350; }

class CBoot {
public:
    CBoot(CPlayerWorld& booted, const CPlayerFlags& names)
        : world(booted)
        , flags(names)
    {
    }

    void Room(int vnum);

private:
    void Mob(CRoomThing& room, const CResetData& reset);
    void Obj(CRoomThing& room, const CResetData& reset);
    void Put(CRoomThing& room, const CResetData& reset);
    void Give(CRoomThing& room, const CResetData& reset);
    void Equip(CRoomThing& room, int mob, int obj, int slot);
    int NewObj(const CObjData* proto);
    void Note(std::string text) { world.notes.push_back({ roomVnum, std::move(text) }); }
    std::string Named(const CObjData* proto) const { return proto->shortDesc + " (" + std::to_string(proto->vnum) + ")"; }

    CPlayerWorld& world;
    const CPlayerFlags& flags;
    // The newest copy of each object: the boot destroys none.
    std::map<const CObjData*, int> newest;
    int roomVnum = 0;
    bool last = false; // the reset before took place
    int lastMob = -1;
};

void CBoot::Room(int vnum)
{
    CRoomThing& room = *world.Room(vnum);
    roomVnum = vnum;
    last = false;
    lastMob = -1;
    for (const CResetData* reset : room.resets) {
        switch (reset->command) {
        case 'M': Mob(room, *reset); break;
        case 'O': Obj(room, *reset); break;
        case 'P': Put(room, *reset); break;
        case 'G':
        case 'E': Give(room, *reset); break;
        case 'R':
            Note("exits are shuffled here (R reset): the server deals them out at random");
            break;
        default: break;
        }
    }
}

void CBoot::Mob(CRoomThing& room, const CResetData& reset)
{
    const auto proto = world.mobProtos.find(reset.arg1);
    // A missing mob leaves the chain as it was: a G or E after it arms the mob before.
    if (proto == world.mobProtos.end())
        return;
    if (world.mobCount[proto->second] >= reset.arg2) {
        last = false;
        return;
    }
    // As the server counts: a room limit of 0 stops the mob and leaves the
    // chain alone while none of its kind is there.
    int count = 0;
    for (int id : room.people)
        if (world.mobs[static_cast<size_t>(id)].proto == proto->second && ++count >= reset.arg4) {
            last = false;
            break;
        }
    if (count >= reset.arg4)
        return;
    CMobThing mob;
    mob.proto = proto->second;
    mob.aff = proto->second->aff | world.mobRaceAff[proto->second->vnum];
    mob.room = roomVnum;
    world.mobs.push_back(mob);
    lastMob = static_cast<int>(world.mobs.size()) - 1;
    room.people.insert(room.people.begin(), lastMob);
    ++world.mobCount[proto->second];
    last = true;
}

int CBoot::NewObj(const CObjData* proto)
{
    CObjThing obj;
    obj.proto = proto;
    obj.extraFlags = proto->extraFlags;
    obj.value1 = static_cast<uint32_t>(proto->values[1]);
    world.objs.push_back(obj);
    ++world.objCount[proto];
    const int id = static_cast<int>(world.objs.size()) - 1;
    newest[proto] = id;
    return id;
}

void CBoot::Obj(CRoomThing& room, const CResetData& reset)
{
    const auto proto = world.objProtos.find(reset.arg1);
    if (proto == world.objProtos.end())
        return;
    // The limit is not looked at: one copy on the floor is enough.
    for (int id : room.contents)
        if (world.objs[static_cast<size_t>(id)].proto == proto->second) {
            last = false;
            return;
        }
    const int id = NewObj(proto->second);
    world.objs[static_cast<size_t>(id)].room = roomVnum;
    room.contents.insert(room.contents.begin(), id);
    last = true;
}

void CBoot::Put(CRoomThing&, const CResetData& reset)
{
    const auto proto = world.objProtos.find(reset.arg1);
    const auto containerProto = world.objProtos.find(reset.arg3);
    if (proto == world.objProtos.end() || containerProto == world.objProtos.end())
        return;
    const int limit = reset.arg2 > 50 ? 6 : reset.arg2 == -1 ? 999
                                                             : reset.arg2;
    // The newest copy of the container anywhere, as get_obj_type finds it.
    const auto found = newest.find(containerProto->second);
    const int container = found == newest.end() ? -1 : found->second;
    if (container < 0 || (world.objs[static_cast<size_t>(container)].room == 0 && !last)) {
        last = false;
        return;
    }
    if (world.objCount[proto->second] >= limit)
        Note(Named(proto->second) + " is at its limit of " + std::to_string(limit)
            + ": the server puts it in " + Named(containerProto->second) + " one time in five");
    int count = 0;
    for (int id : world.objs[static_cast<size_t>(container)].contents)
        if (world.objs[static_cast<size_t>(id)].proto == proto->second)
            ++count;
    if (count > reset.arg4) {
        last = false;
        return;
    }
    const int fill = std::max(reset.arg4, 1);
    while (count < fill) {
        const int id = NewObj(proto->second);
        world.objs[static_cast<size_t>(id)].container = container;
        std::vector<int>& contents = world.objs[static_cast<size_t>(container)].contents;
        contents.insert(contents.begin(), id);
        ++count;
        if (world.objCount[proto->second] >= limit)
            break;
    }
    last = true;
}

void CBoot::Give(CRoomThing& room, const CResetData& reset)
{
    const auto proto = world.objProtos.find(reset.arg1);
    if (proto == world.objProtos.end() || !last)
        return;
    if (lastMob < 0) {
        last = false;
        return;
    }
    // A shopkeeper's stock knows no limit.
    const bool shop = world.mobs[static_cast<size_t>(lastMob)].proto->shop.has_value();
    if (!shop) {
        const int limit = reset.arg2 > 50 ? 6 : (reset.arg2 == -1 || reset.arg2 == 0) ? 999
                                                                                      : reset.arg2;
        if (world.objCount[proto->second] >= limit)
            Note(Named(proto->second) + " is at its limit of " + std::to_string(limit) + ": the server gives it to "
                + world.mobs[static_cast<size_t>(lastMob)].proto->shortDesc + " one time in five");
    }
    const int id = NewObj(proto->second);
    if (shop)
        world.objs[static_cast<size_t>(id)].extraFlags |= flags.extraInventory;
    CObjThing& obj = world.objs[static_cast<size_t>(id)];
    obj.carrier = lastMob;
    std::vector<int>& carried = world.mobs[static_cast<size_t>(lastMob)].carried;
    carried.insert(carried.begin(), id);
    if (reset.command == 'E')
        Equip(room, lastMob, id, reset.arg3);
    last = true;
}

// equip_char: a taken slot keeps the object in the inventory; an object of
// the wrong alignment is dropped to the floor.
void CBoot::Equip(CRoomThing& room, int mobId, int objId, int slot)
{
    CMobThing& mob = world.mobs[static_cast<size_t>(mobId)];
    CObjThing& obj = world.objs[static_cast<size_t>(objId)];
    if (slot < 0 || slot >= WearSlots || mob.worn[static_cast<size_t>(slot)] >= 0)
        return;
    const int alignment = mob.proto->alignment;
    if (((obj.extraFlags & flags.extraAntiEvil) && IsEvil(alignment))
        || ((obj.extraFlags & flags.extraAntiGood) && IsGood(alignment))
        || ((obj.extraFlags & flags.extraAntiNeutral) && !IsEvil(alignment) && !IsGood(alignment))) {
        mob.carried.erase(std::find(mob.carried.begin(), mob.carried.end(), objId));
        obj.carrier = -1;
        obj.room = roomVnum;
        room.contents.insert(room.contents.begin(), objId);
        return;
    }
    mob.worn[static_cast<size_t>(slot)] = objId;
    for (const CAffectData& affect : obj.proto->affects)
        if (affect.where == 1)
            mob.aff |= affect.bits;
    if (obj.proto->itemType == flags.typeLight && obj.proto->values[2] != 0)
        ++room.light;
}

} // namespace

CPlayerFlags::CPlayerFlags(const CConfigTables& tables)
{
    roomDark = Bits(tables.roomFlags, "dark");
    roomPrivate = Bits(tables.roomFlags, "private");
    roomSolitary = Bits(tables.roomFlags, "solitary");
    roomImpOnly = Bits(tables.roomFlags, "imp_only");
    roomGodsOnly = Bits(tables.roomFlags, "gods_only");
    roomHeroesOnly = Bits(tables.roomFlags, "heroes_only");
    affInvisible = Bits(tables.affectFlags, "invisible");
    affHide = Bits(tables.affectFlags, "hide");
    affSneak = Bits(tables.affectFlags, "sneak");
    affPassDoor = Bits(tables.affectFlags, "pass_door");
    affFaerieFire = Bits(tables.affectFlags, "faerie_fire");
    affSanctuary = Bits(tables.affectFlags, "sanctuary");
    affCharm = Bits(tables.affectFlags, "charm");
    affInfrared = Bits(tables.affectFlags, "infrared");
    extraInvis = Bits(tables.extraFlags, "invis");
    extraGlow = Bits(tables.extraFlags, "glow");
    extraHum = Bits(tables.extraFlags, "hum");
    extraVisDeath = Bits(tables.extraFlags, "visdeath");
    extraAntiGood = Bits(tables.extraFlags, "antigood");
    extraAntiEvil = Bits(tables.extraFlags, "antievil");
    extraAntiNeutral = Bits(tables.extraFlags, "antineutral");
    extraInventory = Bits(tables.extraFlags, "inventory");
    exitDoor = Bits(tables.exitFlags, "door");
    if (exitDoor == 0)
        exitDoor = tables.isDoor;
    exitClosed = Bits(tables.exitFlags, "closed");
    exitLocked = Bits(tables.exitFlags, "locked");
    exitNoClose = Bits(tables.exitFlags, "noclose");
    sectorAir = Number(tables.sectorType, "air");
    sectorNoSwim = Number(tables.sectorType, "noswim");
    typeLight = Number(tables.objTypes, "light");
    typeContainer = Number(tables.objTypes, "container");
    typePortal = Number(tables.objTypes, "portal");
    if (const CEntryTable<CTableEntry>* container = typeContainer >= 0 ? tables.SlotTable(typeContainer, 1) : nullptr) {
        containerCloseable = Bits(*container, "closeable");
        containerClosed = Bits(*container, "closed");
        containerLocked = Bits(*container, "locked");
    }
}

CRoomThing* CPlayerWorld::Room(int vnum)
{
    const auto found = rooms.find(vnum);
    return found == rooms.end() ? nullptr : &found->second;
}

const CRoomThing* CPlayerWorld::Room(int vnum) const
{
    const auto found = rooms.find(vnum);
    return found == rooms.end() ? nullptr : &found->second;
}

bool CPlayerWorld::HasExit(const CExitData& exit)
{
    return exit.toVnum != 0 || exit.exitFlags != 0 || !exit.keyword.empty() || !exit.description.empty();
}

void BootWorld(CPlayerWorld& world, const CPlayerFlags& flags)
{
    world.mobs.clear();
    world.objs.clear();
    world.mobCount.clear();
    world.objCount.clear();
    world.notes.clear();
    for (auto& [vnum, room] : world.rooms) {
        room.light = 0;
        room.people.clear();
        room.contents.clear();
        for (int d = 0; d < DirectionCount; ++d)
            room.exitFlags[static_cast<size_t>(d)] = room.data->exits[static_cast<size_t>(d)].exitFlags;
    }
    // Door states are set as the areas load, before any reset runs.
    for (auto& [vnum, room] : world.rooms)
        for (const CResetData* reset : room.resets) {
            if (reset->command != 'D')
                continue;
            CRoomThing* target = world.Room(reset->arg1);
            if (!target || reset->arg2 < 0 || reset->arg2 >= DirectionCount)
                continue;
            uint32_t& exitFlags = target->exitFlags[static_cast<size_t>(reset->arg2)];
            if (!(exitFlags & flags.exitDoor)) {
                world.notes.push_back({ reset->arg1, "a D reset closes an exit without a door: the server refuses the area" });
                continue;
            }
            if (reset->arg3 == 1)
                exitFlags |= flags.exitClosed;
            else if (reset->arg3 == 2)
                exitFlags |= flags.exitClosed | flags.exitLocked;
        }
    CBoot boot(world, flags);
    for (int vnum : world.bootOrder)
        boot.Room(vnum);
}

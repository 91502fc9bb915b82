#pragma once

#include "area/CMobData.h"
#include "area/CObjData.h"
#include "area/CRoomData.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CConfigTables;

// The bits and numbers the server's rules test, found by their names in the
// configuration; a name the configuration lacks gives 0 (or -1), which turns
// its rule off.
struct CPlayerFlags {
    explicit CPlayerFlags(const CConfigTables& tables);

    uint32_t roomDark = 0, roomPrivate = 0, roomSolitary = 0;
    uint32_t roomImpOnly = 0, roomGodsOnly = 0, roomHeroesOnly = 0;
    uint32_t affInvisible = 0, affHide = 0, affSneak = 0, affPassDoor = 0, affFaerieFire = 0;
    uint32_t affSanctuary = 0, affCharm = 0, affInfrared = 0;
    uint32_t extraInvis = 0, extraGlow = 0, extraHum = 0, extraVisDeath = 0;
    uint32_t extraAntiGood = 0, extraAntiEvil = 0, extraAntiNeutral = 0, extraInventory = 0;
    uint32_t exitDoor = 0, exitClosed = 0, exitLocked = 0, exitNoClose = 0;
    uint32_t containerCloseable = 0, containerClosed = 0, containerLocked = 0;
    int sectorAir = -1, sectorNoSwim = -1;
    int typeLight = -1, typeContainer = -1, typePortal = -1;
};

// The server's wear slots: MAX_WEAR.
constexpr int WearSlots = 19;

// A mob as create_mobile makes it.
struct CMobThing {
    const CMobData* proto = nullptr;
    uint32_t aff = 0;
    int room = 0;
    std::array<int, WearSlots> worn; // object ids, -1 for an empty slot
    std::vector<int> carried; // newest first
    CMobThing() { worn.fill(-1); }
};

// An object as create_object makes it, with where it is.
struct CObjThing {
    const CObjData* proto = nullptr;
    uint32_t extraFlags = 0;
    uint32_t value1 = 0; // the lock state of containers and portals
    int room = 0; // on the floor of this room, or 0
    int container = -1; // inside this object
    int carrier = -1; // carried or worn by this mob
    std::vector<int> contents; // newest first
};

struct CRoomThing {
    const CRoomData* data = nullptr;
    std::array<uint32_t, DirectionCount> exitFlags {};
    int light = 0;
    std::vector<int> people; // mob ids, newest first
    std::vector<int> contents; // object ids, newest first
    std::vector<const CResetData*> resets; // in the order the server runs them
};

struct CPlayerNote {
    int room = 0;
    std::string text;
};

// The world's records (the first area with a vnum has it, as the server
// refuses the second) and what the boot made of them.
struct CPlayerWorld {
    // What the areas held, copied: the model outlives the documents.
    std::vector<CRoomData> roomRecords;
    std::vector<CObjData> objRecords;
    std::vector<CMobData> mobRecords;
    std::vector<std::vector<CResetData>> strayResets;
    std::vector<int> bootOrder; // room vnums

    std::map<int, const CObjData*> objProtos;
    std::map<int, const CMobData*> mobProtos;
    std::map<int, uint32_t> mobRaceAff; // by mob vnum: the race's affects

    std::map<int, CRoomThing> rooms;
    std::vector<CMobThing> mobs;
    std::vector<CObjThing> objs; // in creation order: the newest is last
    std::map<const CMobData*, int> mobCount;
    std::map<const CObjData*, int> objCount;
    std::vector<CPlayerNote> notes;

    CRoomThing* Room(int vnum);
    const CRoomThing* Room(int vnum) const;
    // The exit the server keeps for a direction: a D line was there.
    static bool HasExit(const CExitData& exit);
};

// Runs the boot resets of every room, as reset_room does at boot.
void BootWorld(CPlayerWorld& world, const CPlayerFlags& flags);

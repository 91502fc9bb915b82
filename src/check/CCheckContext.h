#pragma once

#include "check/CFinding.h"
#include "area/CTolvexDoc.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// ROM keeps vnums in 16 bits: a larger one wraps (40000 becomes -25536).
constexpr int HighestVnum = 32767;

// What every check works with: the document, lookups by vnum built once, and
// the list the findings go to with the severity of the check that runs.
class CCheckContext {
public:
    CCheckContext(const CTolvexDoc& doc, const std::vector<int>& otherMobprogs);

    const CTolvexDoc& doc;

    bool InRange(int vnum) const { return vnum >= doc.lowerVnum && vnum <= doc.upperVnum; }
    // The first room with the vnum, as the server and the map find it; null when none.
    const CRoomData* Room(int vnum) const;
    bool HasObject(int vnum) const { return objects.count(vnum) > 0; }
    bool HasMob(int vnum) const { return mobs.count(vnum) > 0; }
    bool HasMobprog(int vnum) const { return mobprogs.count(vnum) > 0; }
    bool OtherAreaHasMobprog(int vnum) const { return otherMobprogs.count(vnum) > 0; }

    // "north" and so on, as the configuration names the direction.
    std::string DirectionName(int direction) const;

    void Add(RecordKind kind, int vnum, int line, std::string text);
    // A finding about a reset of `room`: the reset's line, or the room's.
    void AddForReset(const CRoomData& room, const CResetData& reset, std::string text);

    Severity severity = Severity::Error;
    std::vector<CFinding> findings;

private:
    std::unordered_map<int, const CRoomData*> rooms;
    std::unordered_set<int> objects;
    std::unordered_set<int> mobs;
    std::unordered_set<int> mobprogs;
    std::unordered_set<int> otherMobprogs;
};

// "north" and so on, as the configuration names the direction.
std::string DirectionName(const CConfigTables& tables, int direction);

// "1", "1 and 2", "1, 2 and 3".
std::string JoinVnums(const std::vector<int>& vnums);

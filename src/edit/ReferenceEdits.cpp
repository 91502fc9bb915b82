#include "edit/ReferenceEdits.h"

#include "area/CTolvexDoc.h"

#include <algorithm>

namespace {

bool Loads(const CResetData& reset, RecordKind kind, int vnum)
{
    if (kind == RecordKind::Mob)
        return reset.command == 'M' && reset.arg1 == vnum;
    if (kind != RecordKind::Object)
        return false;
    switch (reset.command) {
    case 'O':
    case 'G':
    case 'E': return reset.arg1 == vnum;
    case 'P': return reset.arg1 == vnum || reset.arg3 == vnum;
    default: return false;
    }
}

// The positions of the records of which some part passes `test`.
template <typename Record, typename Parts, typename Test>
std::vector<int> Positions(const std::vector<Record>& list, Parts Record::*parts, Test test)
{
    std::vector<int> found;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (std::any_of((list[i].*parts).begin(), (list[i].*parts).end(), test))
            found.push_back(static_cast<int>(i));
    return found;
}

} // namespace

namespace ReferenceEdits {

int TriggersCalling(const CTolvexDoc& doc, int vnum)
{
    int count = 0;
    for (const CMobData& mob : doc.mobs)
        count += static_cast<int>(std::count_if(mob.triggers.begin(), mob.triggers.end(),
            [vnum](const CMobTrigger& trigger) { return trigger.vnum == vnum; }));
    return count;
}

void RenumberTriggers(CTolvexDoc& doc, int from, int to)
{
    for (CMobData& mob : doc.mobs)
        for (CMobTrigger& trigger : mob.triggers)
            if (trigger.vnum == from)
                trigger.vnum = to;
}

void DeleteTriggers(CTolvexDoc& doc, int vnum)
{
    for (CMobData& mob : doc.mobs)
        mob.triggers.erase(std::remove_if(mob.triggers.begin(), mob.triggers.end(),
                               [vnum](const CMobTrigger& trigger) { return trigger.vnum == vnum; }),
            mob.triggers.end());
}

int ResetsOf(const CTolvexDoc& doc, RecordKind kind, int vnum)
{
    int count = 0;
    for (const CRoomData& room : doc.rooms)
        count += static_cast<int>(std::count_if(room.resets.begin(), room.resets.end(),
            [&](const CResetData& reset) { return Loads(reset, kind, vnum); }));
    return count;
}

void DeleteResetsOf(CTolvexDoc& doc, RecordKind kind, int vnum)
{
    for (CRoomData& room : doc.rooms) {
        std::vector<CResetData> kept;
        kept.reserve(room.resets.size());
        bool droppedMob = false;
        for (const CResetData& reset : room.resets) {
            const bool equipsDropped = droppedMob && (reset.command == 'G' || reset.command == 'E');
            if (reset.command != 'G' && reset.command != 'E')
                droppedMob = false;
            if (Loads(reset, kind, vnum)) {
                droppedMob = reset.command == 'M';
                continue;
            }
            if (!equipsDropped)
                kept.push_back(reset);
        }
        if (kept.size() != room.resets.size())
            room.resets = std::move(kept);
    }
}

std::vector<int> RoomsWithExitsTo(const CTolvexDoc& doc, int vnum)
{
    return Positions(doc.rooms, &CRoomData::exits, [vnum](const CExitData& exit) { return exit.toVnum == vnum; });
}

std::vector<int> RoomsWithResetsOf(const CTolvexDoc& doc, RecordKind kind, int vnum)
{
    return Positions(doc.rooms, &CRoomData::resets, [&](const CResetData& reset) { return Loads(reset, kind, vnum); });
}

std::vector<int> MobsWithTriggersCalling(const CTolvexDoc& doc, int vnum)
{
    return Positions(doc.mobs, &CMobData::triggers, [vnum](const CMobTrigger& trigger) { return trigger.vnum == vnum; });
}

} // namespace ReferenceEdits

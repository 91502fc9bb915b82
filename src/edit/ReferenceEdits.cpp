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
    std::vector<int> found;
    for (std::size_t i = 0; i < doc.rooms.size(); ++i)
        if (std::any_of(doc.rooms[i].exits.begin(), doc.rooms[i].exits.end(),
                [vnum](const CExitData& exit) { return exit.toVnum == vnum; }))
            found.push_back(static_cast<int>(i));
    return found;
}

std::vector<int> RoomsWithResetsOf(const CTolvexDoc& doc, RecordKind kind, int vnum)
{
    std::vector<int> found;
    for (std::size_t i = 0; i < doc.rooms.size(); ++i)
        if (std::any_of(doc.rooms[i].resets.begin(), doc.rooms[i].resets.end(),
                [&](const CResetData& reset) { return Loads(reset, kind, vnum); }))
            found.push_back(static_cast<int>(i));
    return found;
}

std::vector<int> MobsWithTriggersCalling(const CTolvexDoc& doc, int vnum)
{
    std::vector<int> found;
    for (std::size_t i = 0; i < doc.mobs.size(); ++i)
        if (std::any_of(doc.mobs[i].triggers.begin(), doc.mobs[i].triggers.end(),
                [vnum](const CMobTrigger& trigger) { return trigger.vnum == vnum; }))
            found.push_back(static_cast<int>(i));
    return found;
}

} // namespace ReferenceEdits

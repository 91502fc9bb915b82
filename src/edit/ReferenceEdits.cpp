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

} // namespace ReferenceEdits

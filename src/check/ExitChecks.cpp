#include "check/Checks.h"

#include "text/TextWriter.h"

#include <unordered_set>

// The server looks every exit's room up at boot and stops on one it lacks
// ("Get_room_index: bad vnum").
void CheckExitRooms(CCheckContext& c)
{
    for (const CRoomData& room : c.doc.rooms) {
        for (int d = 0; d < DirectionCount; ++d) {
            const CExitData& exit = room.exits[static_cast<size_t>(d)];
            if (exit.toVnum > 0 && c.InRange(exit.toVnum) && !c.Room(exit.toVnum))
                c.Add(RecordKind::Room, room.vnum, room.line,
                    Format("Room %d's exit %s leads to room %d, which this area does not have; the server stops at boot without it.",
                        { room.vnum, c.DirectionName(d), exit.toVnum }));
        }
    }
}

// Keys are looked up only when a player uses one, so a missing key boots.
void CheckExitKeys(CCheckContext& c)
{
    for (const CRoomData& room : c.doc.rooms) {
        for (int d = 0; d < DirectionCount; ++d) {
            const CExitData& exit = room.exits[static_cast<size_t>(d)];
            if (exit.toVnum > 0 && exit.key > 0 && c.InRange(exit.key) && !c.HasObject(exit.key))
                c.Add(RecordKind::Room, room.vnum, room.line,
                    Format("Room %d's exit %s has the key object %d, which this area does not have.",
                        { room.vnum, c.DirectionName(d), exit.key }));
        }
    }
}

// The server logs these at boot as "Fix_exits: A:d -> B:d' -> C".
void CheckWaysBack(CCheckContext& c)
{
    for (const CRoomData& room : c.doc.rooms) {
        for (int d = 0; d < DirectionCount; ++d) {
            const CRoomData* next = c.Room(room.exits[static_cast<size_t>(d)].toVnum);
            if (!next)
                continue;
            const int back = OppositeDirection(d);
            const int backVnum = next->exits[static_cast<size_t>(back)].toVnum;
            if (backVnum <= 0 || backVnum == room.vnum)
                continue;
            c.Add(RecordKind::Room, room.vnum, room.line,
                Format("Room %d's exit %s leads to room %d, whose exit %s leads to room %d, not back to %d "
                       "(the server logs Fix_exits: %d:%d -> %d:%d -> %d).",
                    { room.vnum, c.DirectionName(d), next->vnum, c.DirectionName(back), backVnum, room.vnum, room.vnum,
                        d, next->vnum, back, backVnum }));
        }
    }
}

void CheckUnreachedRooms(CCheckContext& c)
{
    std::unordered_set<int> reached;
    for (const CRoomData& room : c.doc.rooms)
        for (const CExitData& exit : room.exits)
            if (exit.toVnum > 0 && exit.toVnum != room.vnum)
                reached.insert(exit.toVnum);
    std::vector<int> unreached;
    const CRoomData* first = nullptr;
    for (const CRoomData& room : c.doc.rooms) {
        if (reached.count(room.vnum) == 0) {
            unreached.push_back(room.vnum);
            if (!first)
                first = &room;
        }
    }
    if (!first)
        return;
    c.Add(RecordKind::Room, first->vnum, first->line,
        Format(unreached.size() == 1 ? "No exit of this area leads to room %s." : "No exit of this area leads to rooms %s.",
            { JoinVnums(unreached) }));
}

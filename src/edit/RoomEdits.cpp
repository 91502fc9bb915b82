#include "edit/RoomEdits.h"

#include "area/CTolvexDoc.h"

#include <cstddef>
#include <utility>

namespace RoomEdits {

namespace {

bool IsRoom(const CTolvexDoc& doc, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < doc.rooms.size();
}

} // namespace

void ReplaceRoom(CTolvexDoc& doc, int index, CRoomData room)
{
    const int oldVnum = doc.rooms[static_cast<std::size_t>(index)].vnum;
    const int newVnum = room.vnum;
    // A renumbered room keeps the exits that led to it, unless another room
    // still answers to the old vnum.
    const bool follow = oldVnum > 0 && oldVnum != newVnum && doc.FindRoomIndex(oldVnum, index) < 0;
    doc.rooms[static_cast<std::size_t>(index)] = std::move(room);
    if (follow)
        for (CRoomData& other : doc.rooms)
            for (CExitData& exit : other.exits)
                if (exit.toVnum == oldVnum)
                    exit.toVnum = newVnum;
}

int AddRoom(CTolvexDoc& doc, const CRoomData& room, int from, int direction)
{
    doc.rooms.push_back(room);
    const int index = static_cast<int>(doc.rooms.size()) - 1;
    if (IsRoom(doc, from) && from != index && OppositeDirection(direction) >= 0)
        doc.rooms[static_cast<std::size_t>(from)].exits[static_cast<std::size_t>(direction)].toVnum = room.vnum;
    return index;
}

bool DeleteRoom(CTolvexDoc& doc, int index)
{
    if (!IsRoom(doc, index))
        return false;
    const int vnum = doc.rooms[static_cast<std::size_t>(index)].vnum;
    // An exit whose destination is 0 or below leads nowhere but may still
    // carry a description; a room with such a vnum must not wipe those.
    if (vnum > 0)
        for (CRoomData& room : doc.rooms)
            for (CExitData& exit : room.exits)
                if (exit.toVnum == vnum)
                    exit = CExitData();
    doc.rooms.erase(doc.rooms.begin() + index);
    return true;
}

} // namespace RoomEdits

#include "world/WorldMap.h"

#include "area/CTolvexDoc.h"
#include "layout/RoomLayout.h"

#include <algorithm>

void CWorldMap::Build(const std::vector<CWorldArea>& areas, CTolvexDoc& into)
{
    size_t count = 0;
    for (const CWorldArea& area : areas)
        count += area.doc->rooms.size();
    std::vector<CRoomData> rooms;
    rooms.reserve(count);
    firstRoom.clear();
    for (const CWorldArea& area : areas) {
        firstRoom.push_back(rooms.size());
        // What the map draws, names and follows; texts the map never shows stay behind.
        for (const CRoomData& room : area.doc->rooms) {
            CRoomData& copy = rooms.emplace_back();
            copy.vnum = room.vnum;
            copy.name = room.name;
            copy.sector = room.sector;
            copy.roomFlags = room.roomFlags;
            for (size_t d = 0; d < DirectionCount; ++d) {
                copy.exits[d].toVnum = room.exits[d].toVnum;
                copy.exits[d].exitFlags = room.exits[d].exitFlags;
            }
        }
    }
    firstRoom.push_back(rooms.size());
    into.rooms = std::move(rooms);
    into.ForgetVnumIndexes();
    LayoutRooms(into, true);
}

std::size_t CWorldMap::AreaOf(std::size_t room) const
{
    // The last area that starts at or before the room: an empty area shares
    // its start with the next.
    const auto after = std::upper_bound(firstRoom.begin(), firstRoom.end() - 1, room);
    return static_cast<std::size_t>(after - firstRoom.begin()) - 1;
}

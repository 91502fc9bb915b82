#pragma once

#include "world/WorldCheck.h"

#include <cstddef>
#include <vector>

class CTolvexDoc;

// The rooms of every area of a world as one map: copies, area after area in
// list order, laid out together so that exits between areas are lines like
// any other. Rooms that no room before them reaches start a group of their
// own, as the areas' All Rooms do.
class CWorldMap {
public:
    // Puts copies of the areas' rooms into `into` (its other records stay as
    // they are) and lays them out.
    void Build(const std::vector<CWorldArea>& areas, CTolvexDoc& into);

    // Which area a room of the map comes from, and its index there.
    std::size_t AreaOf(std::size_t room) const;
    std::size_t IndexInArea(std::size_t room) const { return room - firstRoom[AreaOf(room)]; }
    // The map's index of an area's room.
    std::size_t MapIndex(std::size_t area, std::size_t room) const { return firstRoom[area] + room; }

private:
    // Where each area's rooms start, then the room count.
    std::vector<std::size_t> firstRoom { 0 };
};

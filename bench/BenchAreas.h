#pragma once

#include "area/CTolvexDoc.h"

// width x height rooms on each of `levels` levels, with two-way exits to
// every neighbour and, between levels, up and down exits in every room.
inline void FillBuilding(CTolvexDoc& doc, int width, int height, int levels)
{
    doc.rooms.assign(static_cast<size_t>(width) * height * levels, CRoomData());
    auto index = [&](int x, int y, int l) { return (l * height + y) * width + x; };
    for (int l = 0; l < levels; ++l)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                CRoomData& room = doc.rooms[index(x, y, l)];
                room.vnum = 1 + index(x, y, l);
                if (y > 0)
                    room.exits[DirNorth].toVnum = 1 + index(x, y - 1, l);
                if (x + 1 < width)
                    room.exits[DirEast].toVnum = 1 + index(x + 1, y, l);
                if (y + 1 < height)
                    room.exits[DirSouth].toVnum = 1 + index(x, y + 1, l);
                if (x > 0)
                    room.exits[DirWest].toVnum = 1 + index(x - 1, y, l);
                if (l + 1 < levels)
                    room.exits[DirUp].toVnum = 1 + index(x, y, l + 1);
                if (l > 0)
                    room.exits[DirDown].toVnum = 1 + index(x, y, l - 1);
            }
}

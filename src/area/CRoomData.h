#pragma once

#include "area/CExtraDescData.h"
#include "area/CResetData.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum Direction { DirNorth = 0,
    DirEast = 1,
    DirSouth = 2,
    DirWest = 3,
    DirUp = 4,
    DirDown = 5 };
constexpr int DirectionCount = 6;

// The direction back (north and south, east and west, up and down); -1 for
// what is no direction.
inline int OppositeDirection(int direction)
{
    constexpr int opposite[DirectionCount] = { DirSouth, DirWest, DirNorth, DirEast, DirDown, DirUp };
    return direction >= 0 && direction < DirectionCount ? opposite[direction] : -1;
}

// An exit leads somewhere only when toVnum > 0.
class CExitData {
public:
    std::string description;
    std::string keyword;
    int key = 0;
    int toVnum = 0;
    uint32_t exitFlags = 0;
    bool descriptionEdited = false; // see CExtraDescData::edited
};

// The ROM lock code (0 to 4) that a D line of #ROOMS gives exit flags; the
// server sees a door only where it is not 0.
int LockCodeOfFlags(uint32_t flags);

class CRoomData {
public:
    // Map placement on the layout's grid (column and row from 0), computed by
    // the layout and never stored in files; windows turn it into pixels.
    int gridX = 0;
    int gridY = 0;
    int level = 0;
    bool unplaced = true;
    bool descriptionEdited = false; // see CExtraDescData::edited

    int vnum = 0;
    // The file line the record began on, 0 for a record not read from a file;
    // never written.
    int line = 0;
    std::string name;
    std::string description;
    uint32_t roomFlags = 0;
    int sector = 0;
    std::vector<CExtraDescData> extraDescs;
    std::array<CExitData, DirectionCount> exits;
    int manaRate = 100;
    int healRate = 100;
    std::string owner;
    std::string clan;
    // The resets that take place in this room, in reset order.
    std::vector<CResetData> resets;
};

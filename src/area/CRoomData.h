#pragma once

#include "area/CExtraDescData.h"
#include "area/CResetData.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum Direction { DirNorth = 0, DirEast = 1, DirSouth = 2, DirWest = 3, DirUp = 4, DirDown = 5 };
constexpr int DirectionCount = 6;

// An exit leads somewhere only when toVnum > 0.
class CExitData {
public:
    std::string description;
    std::string keyword;
    int key = 0;
    int toVnum = 0;
    uint32_t exitFlags = 0;
};

class CRoomData {
public:
    // Map placement on the layout's grid (column and row from 0), computed by
    // the layout and never stored in files; windows turn it into pixels.
    int gridX = 0;
    int gridY = 0;
    int level = 0;
    bool unplaced = true;

    int vnum = 0;
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
    // The file line the record began on, 0 for a record not read from a file;
    // never written.
    int line = 0;
};

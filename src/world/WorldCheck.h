#pragma once

#include "check/CFinding.h"

#include <cstddef>
#include <string>
#include <vector>

class CTolvexDoc;

// One area of a world: its file as the area list names it, and the area.
struct CWorldArea {
    std::string file;
    const CTolvexDoc* doc = nullptr;
};

// A finding about the world, in the area it belongs to (an index into the areas).
struct CWorldFinding {
    std::size_t area = 0;
    CFinding finding;
};

// What only the areas together tell, as the server sees them at boot: a vnum
// defined in two areas, overlapping ranges, an exit, a reset, a shop or a
// special naming a vnum that no area has, a trigger whose program no area
// has, and the way back of an exit into another area. Errors come first,
// then the areas in list order.
std::vector<CWorldFinding> CheckWorld(const std::vector<CWorldArea>& areas);

// The findings of one area of the world: its own, with what the other areas
// hold, followed by the world's that belong to it; errors first.
std::vector<CFinding> CheckAreaInWorld(const std::vector<CWorldArea>& areas, std::size_t area,
    const std::vector<CWorldFinding>& world);

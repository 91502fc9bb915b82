#pragma once

#include "area/RecordKind.h"
#include "world/WorldCheck.h"

#include <cstddef>
#include <string>
#include <vector>

// A record of the world that a search found: its area (an index into the
// areas), kind and vnum, and the name it is known by (a room's name, an
// object's or a mob's short description, a mobprog's first line of code).
struct CWorldMatch {
    std::size_t area = 0;
    RecordKind kind = RecordKind::Room;
    int vnum = 0;
    std::string name;
};

struct CWorldMatches {
    // The first matches in world order.
    std::vector<CWorldMatch> matches;
    // How many records match in all; more than `matches` holds when capped.
    std::size_t found = 0;
};

// So a search for one letter in a big world stays quick to list.
constexpr std::size_t WorldFindLimit = 1000;

// Every record of the world that matches the query, the areas in list order
// and in each its rooms, objects, mobs and mobprogs in file order. Digits
// alone are a vnum; any other text is looked for, ignoring case, in room
// names and descriptions, object and mob keywords, short and long
// descriptions, and mobprog code. Blanks around the query do not count.
CWorldMatches FindInWorld(const std::vector<CWorldArea>& areas, const std::string& query,
    std::size_t limit = WorldFindLimit);

// "Room 3001 The Temple Square".
std::string MatchText(const CWorldMatch& match);

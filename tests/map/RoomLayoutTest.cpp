#include "area/CTolvexDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

enum Arrival { None, North, East, South, West };

// The layout as the recursive description puts it, with the naive scans: the
// yardstick the fast layout must match room for room.
class CReferenceLayout {
public:
    struct Spot {
        bool placed = false;
        int x = 0;
        int y = 0;
        int level = 0;
    };

    CReferenceLayout(const CTolvexDoc& area, int cell)
        : spots(area.rooms.size())
        , doc(area)
        , c(cell)
        , target(area.rooms.size())
    {
        for (size_t r = 0; r < doc.rooms.size(); ++r)
            for (int d = 0; d < DirectionCount; ++d)
                target[r][d] = doc.FindRoomIndex(doc.rooms[r].exits[d].toVnum, -1);
        PlaceRoom(0, 0, 0, 0, None);
        int mx = spots[0].x, my = spots[0].y;
        for (const Spot& s : spots)
            if (s.placed) {
                mx = std::min(mx, s.x);
                my = std::min(my, s.y);
                highest = std::max(highest, s.level);
                lowest = std::min(lowest, s.level);
            }
        for (Spot& s : spots)
            if (s.placed) {
                s.x += 3 * c - mx;
                s.y += 3 * c - my;
            }
    }

    std::vector<Spot> spots;
    int highest = 0;
    int lowest = 0;
    int collisions = 0;
    int crossLevelCollisions = 0; // caused by an exit whose rooms lie on two levels

private:
    void PlaceRoom(int r, int x, int y, int level, Arrival a)
    {
        bool hit = false;
        for (size_t R = 0; a != None && R < spots.size() && !hit; ++R) {
            const Spot& from = spots[R];
            if (!from.placed)
                continue;
            if (from.level == level && from.x == x && from.y == y)
                hit = true;
            for (int d = 0; d < DirDown; ++d) {
                int t = target[R][d];
                if (doc.rooms[R].exits[d].toVnum < 1 || t < 0 || !spots[t].placed || spots[t].level != level)
                    continue;
                const Spot& to = spots[t];
                bool crossed = (a == East || a == West)
                    ? from.x == x && to.x == x && Between(y, from.y, to.y)
                    : from.y == y && to.y == y && Between(x, from.x, to.x);
                if (crossed && !hit && from.level != level)
                    ++crossLevelCollisions;
                hit = hit || crossed;
            }
        }
        if (hit) {
            ++collisions;
            ShiftRooms(x, y, a, level);
        }
        spots[r] = {true, x, y, level};
        for (int d = 0; d < DirectionCount; ++d) {
            int t = target[r][d];
            if (doc.rooms[r].exits[d].toVnum == 0 || t < 0 || spots[t].placed)
                continue;
            int rx = spots[r].x, ry = spots[r].y;
            switch (d) {
            case DirNorth: PlaceRoom(t, rx, ry - 4 * c, level, North); break;
            case DirEast: PlaceRoom(t, rx + 4 * c, ry, level, East); break;
            case DirSouth: PlaceRoom(t, rx, ry + 4 * c, level, South); break;
            case DirWest: PlaceRoom(t, rx - 4 * c, ry, level, West); break;
            case DirUp: PlaceRoom(t, rx, ry, level + 1, North); break;
            default: PlaceRoom(t, rx, ry, level - 1, North); break;
            }
        }
    }

    void ShiftRooms(int X, int Y, Arrival a, int level)
    {
        for (Spot& s : spots) {
            if (!s.placed || s.level != level)
                continue;
            if (a == North && s.y <= Y)
                s.y -= 4 * c;
            else if (a == East && s.x >= X)
                s.x += 4 * c;
            else if (a == South && s.y >= Y)
                s.y += 4 * c;
            else if (a == West && s.x <= X)
                s.x -= 4 * c;
        }
    }

    static bool Between(int v, int a, int b) { return a < b ? a < v && v < b : b < v && v < a; }

    const CTolvexDoc& doc;
    int c;
    std::vector<std::array<int, DirectionCount>> target;
};

// Random areas of three shapes, all with up/down exits, duplicate vnums,
// exits to missing rooms, self exits and a few negative vnums.
enum Shape { Tangle, NoisyGrid, Tree };

void FillRandomArea(CTolvexDoc& doc, Shape shape, int count, std::mt19937& rng)
{
    auto chance = [&](double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; };
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    doc.rooms.assign(count, CRoomData());
    for (int i = 0; i < count; ++i) {
        int& vnum = doc.rooms[i].vnum;
        vnum = 1000 + i;
        if (i > 0 && chance(0.04))
            vnum = doc.rooms[pick(i)].vnum;
        else if (chance(0.02))
            vnum = -vnum;
    }
    auto vnumOf = [&](int i) { return doc.rooms[i].vnum; };
    // An odd target now and then: a missing room, the room itself, anywhere.
    auto oddTarget = [&](int i) {
        int kind = pick(3);
        return kind == 0 ? 99999 : kind == 1 ? vnumOf(i) : vnumOf(pick(count));
    };
    double density = 0.2 + 0.5 * std::uniform_real_distribution<double>(0, 1)(rng);
    int width = std::max(2, static_cast<int>(std::sqrt(count / 2.0)));
    for (int i = 0; i < count; ++i) {
        auto& exits = doc.rooms[i].exits;
        for (int d = 0; d < DirectionCount; ++d) {
            bool vertical = d == DirUp || d == DirDown;
            if (shape == Tangle && chance(vertical ? density / 4 : density))
                exits[d].toVnum = chance(0.1) ? oddTarget(i) : vnumOf(pick(count));
            if (shape == NoisyGrid && chance(vertical ? 0.1 : 0.8)) {
                // Two layers of width x width cells; most exits go to the neighbour.
                static const int step[DirectionCount] = {-1, 1, 1, -1, 1, -1};
                int cell = i % (width * width), layer = i / (width * width);
                int cx = cell % width + (d == DirEast || d == DirWest ? step[d] : 0);
                int cy = cell / width + (d == DirNorth || d == DirSouth ? step[d] : 0);
                int to = (layer + (vertical ? step[d] : 0)) * width * width + cy * width + cx;
                bool inside = cx >= 0 && cx < width && cy >= 0 && cy < width && to >= 0 && to < count;
                if (chance(0.12))
                    exits[d].toVnum = oddTarget(i);
                else if (inside)
                    exits[d].toVnum = vnumOf(to);
            }
        }
        if (shape == Tree && i > 0) {
            // A recent parent with a free side, mostly; now and then a side is
            // taken over and cuts a branch off.
            int parent = 0, d = 0;
            for (int tries = 0; tries < 10; ++tries) {
                parent = chance(0.5) ? pick(i) : std::max(0, i - 1 - pick(8));
                d = chance(0.1) ? DirUp + pick(2) : pick(4);
                if (doc.rooms[parent].exits[d].toVnum == 0)
                    break;
            }
            doc.rooms[parent].exits[d].toVnum = vnumOf(i);
            if (chance(0.6))
                exits[d ^ (d < DirUp ? 2 : 1)].toVnum = vnumOf(parent);
            if (chance(0.05))
                exits[pick(DirectionCount)].toVnum = oddTarget(i);
        }
    }
}

std::string Describe(const CRoomData& room)
{
    std::ostringstream out;
    if (room.unplaced)
        out << "unplaced (" << room.x << ", " << room.y << ", level " << room.level << ")";
    else
        out << "(" << room.x << ", " << room.y << ") on level " << room.level;
    return out.str();
}

// ---------------------------------------------------------------------------
// The described cases, each with the points before the final move, in units
// of the cell size.

struct Exit {
    int direction;
    char to;
};
struct RoomCase {
    char name; // also the vnum, unless `vnum` says otherwise
    std::vector<Exit> exits;
    bool placed;
    int x, y, level; // before the final move
    int vnum = 0;
};
struct LayoutCase {
    const char* behaviour;
    std::vector<RoomCase> rooms;
    int highest, lowest;
};

const int N = DirNorth, E = DirEast, S = DirSouth, W = DirWest, U = DirUp, D = DirDown;

const std::vector<LayoutCase> describedCases = {
    {"OneRoomSitsAtThreeCells", {{'A', {}, true, 0, 0, 0}}, 0, 0},
    {"NorthAndBackPutsBAboveA", {{'A', {{N, 'B'}}, true, 0, 0, 0}, {'B', {{S, 'A'}}, true, 0, -4, 0}}, 0, 0},
    {"RoomsReachedOnlyFromUnreachableRoomsStayUnplaced",
        {{'A', {{E, 'X'}}, true, 0, 0, 0},
            {'B', {{N, 'C'}, {E, 'A'}, {S, 'C'}, {U, 'C'}}, false, 0, 0, 0},
            {'C', {{N, 'A'}, {E, 'B'}, {W, 'A'}, {D, 'B'}}, false, 0, 0, 0}},
        0, 0},
    {"ConflictingExitsPushTheRowsAboveNorth",
        {{'A', {{N, 'B'}, {E, 'K'}}, true, 0, 0, 0}, {'B', {{E, 'E'}}, true, 0, -8, 0}, {'E', {}, true, 4, -8, 0},
            {'K', {{N, 'D'}}, true, 4, 0, 0}, {'D', {}, true, 4, -4, 0}},
        0, 0},
    // G, reached through A's north exit, pushes A west; A's east exit then
    // starts from A's new point and lands on G.
    {"LaterExitsStartFromWhereEarlierOnesLeftTheRoom",
        {{'A', {{N, 'B'}, {E, 'C'}}, true, -4, 0, 0}, {'B', {{E, 'E'}}, true, -4, -4, 0},
            {'E', {{S, 'F'}}, true, 8, -4, 0}, {'F', {{W, 'G'}}, true, 8, 0, 0}, {'G', {}, true, 4, 0, 0},
            {'C', {}, true, 0, 0, 0}},
        0, 0},
    {"SelfExitIsIgnored", {{'A', {{N, 'A'}, {E, 'B'}}, true, 0, 0, 0}, {'B', {{W, 'B'}, {S, 'B'}}, true, 4, 0, 0}}, 0, 0},
    {"ExitsToADuplicateVnumLeadToTheFirstRoom",
        {{'A', {{E, 'B'}}, true, 0, 0, 0}, {'B', {{S, 'C'}}, true, 4, 0, 0}, {'b', {{W, 'A'}}, false, 0, 0, 0, 'B'},
            {'C', {{W, 'B'}, {N, 'B'}}, true, 4, 4, 0}},
        0, 0},
    {"UpThenDownLandsOnTheFirstRoomAndPushesItsRowNorth",
        {{'A', {{S, 'S'}, {U, 'U'}}, true, 0, -4, 0}, {'S', {}, true, 0, 4, 0}, {'U', {{D, 'V'}}, true, 0, 0, 1},
            {'V', {}, true, 0, 0, 0}},
        1, 0},
    // A's up exit to T runs across Q's point on T's level although A lies
    // on another level.
    {"UpExitFromAnotherLevelBlocksThePoint",
        {{'A', {{E, 'B'}, {U, 'T'}}, true, 0, 0, 0}, {'B', {{E, 'C'}, {U, 'Q'}}, true, 4, 0, 0},
            {'C', {{U, 'T'}}, true, 8, 0, 0}, {'T', {}, true, 8, -4, 1}, {'Q', {}, true, 4, 0, 1}},
        1, 0},
    {"DownExitNeverBlocksAPoint",
        {{'A', {{E, 'B'}, {D, 'T'}}, true, 0, 0, 0}, {'B', {{E, 'C'}, {D, 'Q'}}, true, 4, 0, 0},
            {'C', {{D, 'T'}}, true, 8, 0, 0}, {'T', {}, true, 8, 0, -1}, {'Q', {}, true, 4, 0, -1}},
        0, -1},
    {"LevelBoundsSpanEveryPlacedLevel",
        {{'A', {{D, 'B'}}, true, 0, 0, 0}, {'B', {{D, 'C'}}, true, 0, 0, -1}, {'C', {}, true, 0, 0, -2},
            {'Z', {{U, 'A'}}, false, 0, 0, 0}},
        0, -2},
};

TEST(RoomLayout, DescribedCasesGiveExactPoints)
{
    const int c = 12;
    for (const LayoutCase& test : describedCases) {
        CConfigTables tables;
        CTolvexDoc doc(tables);
        int minX = 0, minY = 0;
        for (const RoomCase& rc : test.rooms) {
            CRoomData room;
            room.vnum = rc.vnum ? rc.vnum : rc.name;
            for (const Exit& exit : rc.exits)
                room.exits[exit.direction].toVnum = exit.to;
            // Leftovers of an earlier layout must not survive.
            room.x = room.y = room.level = 99;
            room.unplaced = false;
            doc.rooms.push_back(room);
            if (rc.placed) {
                minX = std::min(minX, rc.x);
                minY = std::min(minY, rc.y);
            }
        }
        doc.LayoutRooms(c);
        for (size_t i = 0; i < test.rooms.size(); ++i) {
            const RoomCase& rc = test.rooms[i];
            int x = rc.placed ? c * (rc.x + 3 - minX) : 0;
            int y = rc.placed ? c * (rc.y + 3 - minY) : 0;
            CRoomData want;
            want.unplaced = !rc.placed;
            want.x = x;
            want.y = y;
            want.level = rc.placed ? rc.level : 0;
            EXPECT_EQ(Describe(doc.rooms[i]), Describe(want)) << test.behaviour << ": room " << rc.name;
        }
        EXPECT_EQ(doc.highestLevel, test.highest) << test.behaviour;
        EXPECT_EQ(doc.lowestLevel, test.lowest) << test.behaviour;
    }
}

TEST(RoomLayout, LevelBoundsStayAfterTheLastRoomIsDeleted)
{
    CConfigTables tables;
    CTolvexDoc doc(tables);
    doc.rooms.resize(3);
    for (int i = 0; i < 3; ++i)
        doc.rooms[i].vnum = 10 + i;
    doc.rooms[0].exits[DirUp].toVnum = 11;
    doc.rooms[0].exits[DirDown].toVnum = 12;
    doc.LayoutRooms(12);
    ASSERT_EQ(std::make_pair(doc.highestLevel, doc.lowestLevel), std::make_pair(1, -1));
    doc.rooms.clear();
    doc.LayoutRooms(12);
    EXPECT_EQ(std::make_pair(doc.highestLevel, doc.lowestLevel), std::make_pair(1, -1))
        << "an empty area must keep the bounds of the previous layout";
}

TEST(RoomLayout, CorridorOfTwentyThousandRoomsNeedsNoDeepRecursion)
{
    const int count = 20000;
    CConfigTables tables;
    CTolvexDoc doc(tables);
    doc.rooms.resize(count);
    for (int i = 0; i < count; ++i) {
        doc.rooms[i].vnum = i + 1;
        doc.rooms[i].exits[DirEast].toVnum = i + 2 <= count ? i + 2 : 0;
        doc.rooms[i].exits[DirUp].toVnum = i + 2 <= count ? i + 2 : 0; // taken already: not followed
        doc.rooms[i].exits[DirWest].toVnum = i;
    }
    doc.LayoutRooms(3);
    for (int i = 0; i < count; i += 997)
        ASSERT_EQ(Describe(doc.rooms[i]), "(" + std::to_string(3 * (3 + 4 * i)) + ", 9) on level 0") << "room " << i;
}

// ---------------------------------------------------------------------------
// Random areas.

struct RandomArea {
    Shape shape;
    int count;
    unsigned seed;
};

std::vector<RandomArea> RandomAreas(int perShape, int maxRooms)
{
    std::vector<RandomArea> areas;
    std::mt19937 sizes(7);
    for (Shape shape : {Tangle, NoisyGrid, Tree})
        for (int i = 0; i < perShape; ++i)
            areas.push_back({shape, 1 + static_cast<int>(sizes() % maxRooms), static_cast<unsigned>(1000 * shape + i)});
    return areas;
}

std::string Name(const RandomArea& area)
{
    static const char* const shapes[] = {"tangle", "noisy grid", "tree"};
    return std::string(shapes[area.shape]) + " of " + std::to_string(area.count) + " rooms, seed " + std::to_string(area.seed);
}

TEST(RoomLayout, MatchesTheStraightforwardLayoutOnRandomAreas)
{
    int collided = 0, crossLevel = 0;
    std::vector<RandomArea> areas = RandomAreas(150, 300);
    for (const RandomArea& area : areas) {
        CConfigTables tables;
        CTolvexDoc doc(tables);
        std::mt19937 rng(area.seed);
        FillRandomArea(doc, area.shape, area.count, rng);
        const int c = area.seed % 3 == 0 ? 1 : area.seed % 3 == 1 ? 3 : 12;
        CReferenceLayout want(doc, c);
        doc.LayoutRooms(c);
        collided += want.collisions > 0;
        crossLevel += want.crossLevelCollisions;
        for (size_t i = 0; i < doc.rooms.size(); ++i) {
            CRoomData expected;
            expected.unplaced = !want.spots[i].placed;
            expected.x = want.spots[i].x;
            expected.y = want.spots[i].y;
            expected.level = want.spots[i].level;
            ASSERT_EQ(Describe(doc.rooms[i]), Describe(expected)) << Name(area) << ", cell " << c << ": room " << i;
        }
        ASSERT_EQ(std::make_pair(doc.highestLevel, doc.lowestLevel), std::make_pair(want.highest, want.lowest)) << Name(area);
    }
    // Guard against areas too tame to test anything.
    EXPECT_GT(collided, static_cast<int>(areas.size()) * 2 / 3) << "too few random areas had a collision";
    EXPECT_GT(crossLevel, 20) << "too few collisions came from exits between two levels";
}

TEST(RoomLayout, KeepsItsInvariantsOnRandomAreas)
{
    for (const RandomArea& area : RandomAreas(40, 400)) {
        CConfigTables tables;
        CTolvexDoc doc(tables);
        std::mt19937 rng(area.seed);
        FillRandomArea(doc, area.shape, area.count, rng);
        const int c = 12;
        doc.LayoutRooms(c);
        ASSERT_FALSE(doc.rooms[0].unplaced) << Name(area);
        EXPECT_EQ(doc.rooms[0].level, 0) << Name(area);
        std::set<std::array<int, 3>> taken;
        int minX = doc.rooms[0].x, minY = doc.rooms[0].y, high = 0, low = 0;
        for (const CRoomData& room : doc.rooms) {
            if (room.unplaced)
                continue;
            ASSERT_TRUE(taken.insert({room.level, room.x, room.y}).second) << Name(area) << ": two rooms at " << Describe(room);
            ASSERT_EQ((room.x - 3 * c) % (4 * c), 0) << Name(area) << ": off the grid at " << Describe(room);
            ASSERT_EQ((room.y - 3 * c) % (4 * c), 0) << Name(area) << ": off the grid at " << Describe(room);
            minX = std::min(minX, room.x);
            minY = std::min(minY, room.y);
            high = std::max(high, room.level);
            low = std::min(low, room.level);
        }
        EXPECT_EQ(std::make_pair(minX, minY), std::make_pair(3 * c, 3 * c)) << Name(area);
        EXPECT_EQ(std::make_pair(doc.highestLevel, doc.lowestLevel), std::make_pair(high, low)) << Name(area);
    }
}

// No decision depends on the cell size. A cell size of 0 puts every room on
// one point; a negative one mirrors the map rather than overlapping rooms.
TEST(RoomLayout, CellSizeOnlyScalesTheMap)
{
    for (const RandomArea& area : RandomAreas(20, 300)) {
        CConfigTables tables;
        CTolvexDoc doc(tables);
        std::mt19937 rng(area.seed);
        FillRandomArea(doc, area.shape, area.count, rng);
        doc.LayoutRooms(1);
        std::vector<CRoomData> unit = doc.rooms;
        for (int c : {3, 12, 192, 0, -12}) {
            doc.LayoutRooms(c);
            for (size_t i = 0; i < unit.size(); ++i) {
                CRoomData want = unit[i];
                want.x *= c;
                want.y *= c;
                ASSERT_EQ(Describe(doc.rooms[i]), Describe(want)) << Name(area) << ", cell " << c << ": room " << i;
            }
        }
    }
}

} // namespace

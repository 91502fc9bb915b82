#include "layout/RoomLayout.h"
#include "area/CTolvexDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

enum Arrival { None,
    North,
    East,
    South,
    West };

// A room of the reference layout, which works in pixels as the description does.
struct RefRoom : CRoomData {
    RefRoom(const CRoomData& room)
        : CRoomData(room) { }
    int x = 0, y = 0;
};

// The layout as the recursive description puts it, with naive scans: the
// yardstick the fast layout must match room for room.
class CReferenceLayout {
public:
    CReferenceLayout(const CTolvexDoc& doc, int cell)
        : rooms(doc.rooms.begin(), doc.rooms.end())
        , c(cell)
        , to(doc.rooms.size())
    {
        for (size_t r = 0; r < rooms.size(); ++r) {
            rooms[r].x = rooms[r].y = rooms[r].level = 0;
            rooms[r].unplaced = true;
            for (int d = 0; d < DirectionCount; ++d)
                to[r][d] = rooms[r].exits[d].toVnum <= 0 ? -1 : doc.FindRoomIndex(rooms[r].exits[d].toVnum);
        }
        Place(0, 0, 0, 0, None);
        int minX = rooms[0].x, minY = rooms[0].y;
        for (const RefRoom& r : rooms)
            if (!r.unplaced) {
                minX = std::min(minX, r.x);
                minY = std::min(minY, r.y);
                highest = std::max(highest, r.level);
                lowest = std::min(lowest, r.level);
            }
        for (RefRoom& r : rooms)
            if (!r.unplaced) {
                r.x += 3 * c - minX;
                r.y += 3 * c - minY;
            }
    }

    std::vector<RefRoom> rooms;
    int highest = 0, lowest = 0;
    int collisions = 0, crossLevelCollisions = 0; // the latter caused by an exit between two levels

private:
    void Place(int r, int x, int y, int level, Arrival a)
    {
        // A room arriving on a taken point, or across an exit of its level (from
        // north to up; the target's level counts), pushes everything beyond it.
        bool hit = false;
        for (size_t R = 0; a != None && R < rooms.size() && !hit; ++R) {
            const RefRoom& from = rooms[R];
            hit = !from.unplaced && from.level == level && from.x == x && from.y == y;
            for (int d = 0; d < DirDown && !from.unplaced && !hit; ++d) {
                const int t = to[R][d];
                if (from.exits[d].toVnum < 1 || t < 0 || rooms[t].unplaced || rooms[t].level != level)
                    continue;
                hit = a == East || a == West ? from.x == x && rooms[t].x == x && Between(y, from.y, rooms[t].y)
                                             : from.y == y && rooms[t].y == y && Between(x, from.x, rooms[t].x);
                crossLevelCollisions += hit && from.level != level;
            }
        }
        collisions += hit;
        for (RefRoom& s : rooms)
            if (hit && !s.unplaced && s.level == level) {
                s.y += a == North && s.y <= y ? -4 * c : a == South && s.y >= y ? 4 * c
                                                                                : 0;
                s.x += a == West && s.x <= x ? -4 * c : a == East && s.x >= x ? 4 * c
                                                                              : 0;
            }
        rooms[r].x = x, rooms[r].y = y, rooms[r].level = level, rooms[r].unplaced = false;
        static const int dx[] = { 0, 4, 0, -4, 0, 0 }, dy[] = { -4, 0, 4, 0, 0, 0 }, dl[] = { 0, 0, 0, 0, 1, -1 };
        static const Arrival arrival[] = { North, East, South, West, North, North };
        for (int d = 0; d < DirectionCount; ++d) {
            const int t = to[r][d];
            if (t >= 0 && rooms[t].unplaced)
                Place(t, rooms[r].x + dx[d] * c, rooms[r].y + dy[d] * c, level + dl[d], arrival[d]);
        }
    }

    static bool Between(int v, int a, int b) { return a < b ? a < v && v < b : b < v && v < a; }

    int c;
    std::vector<std::array<int, DirectionCount>> to; // room index each exit leads to, or -1
};

enum Shape { Tangle,
    NoisyGrid,
    Tree };

// A random area of one shape, with up/down exits, duplicate vnums, exits to
// missing rooms, self exits and a few negative vnums.
void FillRandomArea(CTolvexDoc& doc, Shape shape, int count, std::mt19937& rng)
{
    auto chance = [&](double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; };
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    auto vnum = [&](int i) { return doc.rooms[i].vnum; };
    auto odd = [&](int i) { const int kind = pick(3); return kind == 0 ? 99999 : vnum(kind == 1 ? i : pick(count)); };
    doc.rooms.assign(count, CRoomData());
    for (int i = 0; i < count; ++i)
        doc.rooms[i].vnum = i > 0 && chance(0.04) ? vnum(pick(i)) : chance(0.02) ? -1000 - i
                                                                                 : 1000 + i;
    const double density = 0.2 + 0.5 * std::uniform_real_distribution<double>(0, 1)(rng);
    const int width = std::max(2, static_cast<int>(std::sqrt(count / 2.0))), layer = width * width;
    static const int step[DirectionCount] = { -1, 1, 1, -1, 1, -1 };
    for (int i = 0; i < count; ++i) {
        auto& exits = doc.rooms[i].exits;
        for (int d = 0; d < DirectionCount && shape == Tangle; ++d)
            if (chance(d >= DirUp ? density / 4 : density))
                exits[d].toVnum = chance(0.1) ? odd(i) : vnum(pick(count));
        // Layers of width x width cells; most exits go to the neighbour.
        for (int d = 0; d < DirectionCount && shape == NoisyGrid; ++d) {
            if (!chance(d >= DirUp ? 0.1 : 0.8))
                continue;
            const int cx = i % layer % width + (d == DirEast || d == DirWest ? step[d] : 0);
            const int cy = i % layer / width + (d == DirNorth || d == DirSouth ? step[d] : 0);
            const int t = (i / layer + (d >= DirUp ? step[d] : 0)) * layer + cy * width + cx;
            const bool inside = cx >= 0 && cx < width && cy >= 0 && cy < width && t >= 0 && t < count;
            exits[d].toVnum = chance(0.12) ? odd(i) : inside ? vnum(t)
                                                             : exits[d].toVnum;
        }
        // A recent parent with a free side, mostly; now and then a side is
        // taken over and cuts a branch off.
        if (shape != Tree || i == 0)
            continue;
        int parent = 0, d = 0;
        for (int tries = 0; tries < 10 && (tries == 0 || doc.rooms[parent].exits[d].toVnum != 0); ++tries) {
            parent = chance(0.5) ? pick(i) : std::max(0, i - 1 - pick(8));
            d = chance(0.1) ? DirUp + pick(2) : pick(4);
        }
        doc.rooms[parent].exits[d].toVnum = vnum(i);
        if (chance(0.6))
            exits[d ^ (d < DirUp ? 2 : 1)].toVnum = vnum(parent);
        if (chance(0.05))
            exits[pick(DirectionCount)].toVnum = odd(i);
    }
}

std::string Describe(bool unplaced, int x, int y, int level)
{
    return (unplaced ? "unplaced (" : "(") + std::to_string(x) + ", " + std::to_string(y) + ") on level "
        + std::to_string(level);
}
std::string Describe(const RefRoom& r) { return Describe(r.unplaced, r.x, r.y, r.level); }
std::string Describe(const CRoomData& r, int c) { return Describe(r.unplaced, RoomX(r, c), RoomY(r, c), r.level); }

TEST(RoomLayout, CorridorOfTwentyThousandRoomsNeedsNoDeepRecursion)
{
    const int count = 20000;
    CConfigTables tables;
    CTolvexDoc doc(tables);
    doc.rooms.resize(count);
    for (int i = 0; i < count; ++i) {
        doc.rooms[i].vnum = i + 1;
        // East leads on; up leads to the same room, taken already, so it is not followed.
        doc.rooms[i].exits[DirEast].toVnum = doc.rooms[i].exits[DirUp].toVnum = i + 2 <= count ? i + 2 : 0;
        doc.rooms[i].exits[DirWest].toVnum = i;
    }
    LayoutRooms(doc);
    for (int i = 0; i < count; i += 997)
        ASSERT_EQ(Describe(doc.rooms[i], 3), Describe(false, 3 * (3 + 4 * i), 9, 0)) << "room " << i;
}

TEST(RoomLayout, MatchesTheStraightforwardLayoutOnRandomAreas)
{
    int areas = 0, collided = 0, crossLevel = 0;
    std::mt19937 sizes(7);
    for (Shape shape : { Tangle, NoisyGrid, Tree })
        for (unsigned seed = 1000u * shape; seed < 1000u * shape + 150; ++seed, ++areas) {
            CConfigTables tables;
            CTolvexDoc doc(tables);
            std::mt19937 rng(seed);
            const int count = 1 + static_cast<int>(sizes() % 300);
            const int c = seed % 3 == 0 ? 1 : seed % 3 == 1 ? 3
                                                            : 12;
            FillRandomArea(doc, shape, count, rng);
            for (CRoomData& r : doc.rooms) // leftovers of an earlier layout must not survive
                std::tie(r.gridX, r.gridY, r.level, r.unplaced) = std::tuple(99, 99, 99, false);
            const CReferenceLayout want(doc, c);
            LayoutRooms(doc);
            collided += want.collisions > 0;
            crossLevel += want.crossLevelCollisions;
            const std::string name = "shape " + std::to_string(shape) + ", seed " + std::to_string(seed) + ", "
                + std::to_string(count) + " rooms, cell " + std::to_string(c);
            for (size_t i = 0; i < doc.rooms.size(); ++i)
                ASSERT_EQ(Describe(doc.rooms[i], c), Describe(want.rooms[i])) << name << ": room " << i;
            ASSERT_EQ(std::make_pair(doc.highestLevel, doc.lowestLevel), std::make_pair(want.highest, want.lowest))
                << name;
            doc.rooms.clear();
            LayoutRooms(doc);
            ASSERT_EQ(std::make_pair(doc.highestLevel, doc.lowestLevel), std::make_pair(want.highest, want.lowest))
                << name << ": an empty area keeps the bounds";
        }
    // Guard against areas too tame to test anything.
    EXPECT_GT(collided, areas * 2 / 3) << "too few random areas had a collision";
    EXPECT_GT(crossLevel, 20) << "too few collisions came from exits between two levels";
}

} // namespace

TEST(RoomLayout, AllRoomsLaysOutEachUnreachedGroupToTheRightOneColumnApart)
{
    CConfigTables tables;
    CTolvexDoc doc(tables);
    // 1 <-> 2 east; 3 alone; 4 with 5 to its west and 6 above it.
    for (int v = 1; v <= 6; ++v)
        doc.rooms.emplace_back().vnum = v;
    doc.rooms[0].exits[DirEast].toVnum = 2, doc.rooms[1].exits[DirWest].toVnum = 1;
    doc.rooms[3].exits[DirWest].toVnum = 5, doc.rooms[3].exits[DirUp].toVnum = 6;
    LayoutRooms(doc);
    EXPECT_EQ(UnplacedRoomCount(doc), 4);
    EXPECT_EQ(UnplacedRoomsWarning(doc),
        "4 of 6 rooms cannot be reached from the first room and are not on the map (View > All Rooms shows them)");
    LayoutRooms(doc, true);
    std::string placed;
    for (const CRoomData& r : doc.rooms)
        placed += std::to_string(r.vnum) + (r.unplaced ? "?" : "") + "@" + std::to_string(r.gridX) + ","
            + std::to_string(r.gridY) + "," + std::to_string(r.level) + " ";
    EXPECT_EQ(placed, "1@0,0,0 2@1,0,0 3@3,0,0 4@6,0,0 5@5,0,0 6@6,0,1 ");
    EXPECT_EQ(std::make_pair(doc.highestLevel, doc.lowestLevel), std::make_pair(1, 0));
    EXPECT_EQ(UnplacedRoomsWarning(doc), "");
}

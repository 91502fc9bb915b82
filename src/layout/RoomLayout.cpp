#include "layout/RoomLayout.h"

#include "area/CTolvexDoc.h"
#include "layout/RoomVnumTable.h"

#include <algorithm>
#include <string>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

// The layout works in grid steps and never in pixels, so no decision depends
// on a window's cell size.
//
// A collision slides every room of one level beyond a row or column by one
// step. Such a slide never reorders the rows (or columns) of that level and
// never merges two of them, so each placed room keeps for good the identity
// of its row line and its column line; only the lines' values change. That
// makes the costly parts cheap:
// - a slide adds +-1 to a run of line values (no room is touched);
// - an exit between two rooms of one level is horizontal (same row line) or
//   vertical (same column line) for good, or never axis-aligned; it is kept
//   as an open interval of cross-axis lines in its line's cover, which stays
//   sorted through any slide;
// - an exit whose rooms lie on different levels (the tested level is the
//   target's) can turn straight or bent by slides of either level, so it is
//   kept in a bucket of the target's row and column and checked on the spot.

namespace {

// Rooms, lines and sets are counted in ints here, so the lists take int
// indexes as well as sizes.
template <typename T>
class CIntVector : public std::vector<T> {
public:
    using std::vector<T>::vector;
    decltype(auto) operator[](int i) { return std::vector<T>::operator[](static_cast<size_t>(i)); }
    decltype(auto) operator[](int i) const { return std::vector<T>::operator[](static_cast<size_t>(i)); }
    decltype(auto) operator[](size_t i) { return std::vector<T>::operator[](i); }
    decltype(auto) operator[](size_t i) const { return std::vector<T>::operator[](i); }
};

enum Arrival { ArriveNone,
    ArriveNorth,
    ArriveEast,
    ArriveSouth,
    ArriveWest };

// Directions 0..4: the down exit takes no part in the collision test.
constexpr int TestedExitCount = DirDown;

class CGridLayout {
public:
    explicit CGridLayout(const std::vector<const CRoomData*>& area);
    void Run();

    bool Placed(int r) const { return placed[r]; }
    int X(int r) const { return Value(col[r]); }
    int Y(int r) const { return Value(row[r]); }
    int Level(int r) const { return level[r]; }

private:
    // The rows (or the columns) of one level: line ids sorted by value, and an
    // offset added to every line's stored value.
    struct LineSet {
        int offset = 0;
        std::vector<int> ids;
    };
    struct Line {
        int stored;
        int set;
    };
    struct Interval {
        int lo;
        int hi;
    };

    int Value(int line) const { return lines[line].stored + sets[lines[line].set].offset; }
    int FindLine(int set, int value) const;
    int FindOrAddLine(int set, int value);
    void AddToLines(int set, bool atOrAbove, int pivot, int delta);
    int RowSetOf(int lvl);

    int SegmentTarget(int r, int d) const;
    void Visit(int r, int x, int y, int lvl, Arrival a);
    bool Collides(int x, int y, int lvl, Arrival a) const;
    bool CoverHolds(int line, int value) const;
    void Shift(int x, int y, int lvl, Arrival a);
    void Place(int r, int x, int y, int lvl);
    void AddSegment(int from, int to);
    void AddInterval(int line, int a, int b);

    const std::vector<const CRoomData*>& rooms;
    int count;
    CIntVector<int> follow; // room * 6 + direction -> room index, or -1
    CIntVector<int> incomingStart;
    CIntVector<int> incoming; // rooms whose tested exit leads here

    CIntVector<bool> placed;
    CIntVector<int> row, col, level;

    CIntVector<Line> lines;
    CIntVector<LineSet> sets;
    std::unordered_map<int, int> levelSets; // level -> its row set; columns follow
    std::unordered_set<uint64_t> points; // row line and column line of each room
    CIntVector<std::vector<Interval>> covers;
    CIntVector<std::vector<std::pair<int, int>>> crossLevel;
};

uint64_t PointKey(int rowLine, int colLine)
{
    return (static_cast<uint64_t>(static_cast<uint32_t>(rowLine)) << 32) | static_cast<uint32_t>(colLine);
}

bool StrictlyBetween(int v, int a, int b)
{
    return a < b ? (a < v && v < b) : (b < v && v < a);
}

CGridLayout::CGridLayout(const std::vector<const CRoomData*>& area)
    : rooms(area)
    , count(static_cast<int>(area.size()))
    , follow(area.size() * DirectionCount, -1)
    , incomingStart(area.size() + 1, 0)
    , placed(area.size(), false)
    , row(area.size(), -1)
    , col(area.size(), -1)
    , level(area.size(), 0)
{
    // The first room with a vnum answers every exit to it.
    const CRoomVnumTable byVnum(count, [&](int i) -> const CRoomData& { return *rooms[static_cast<size_t>(i)]; });
    for (int r = 0; r < count; ++r)
        for (int d = 0; d < DirectionCount; ++d) {
            // A negative destination leads nowhere, whatever room has that vnum.
            const int v = rooms[static_cast<size_t>(r)]->exits[static_cast<size_t>(d)].toVnum;
            if (v > 0)
                follow[r * DirectionCount + d] = byVnum.Find(v);
        }

    for (int r = 0; r < count; ++r)
        for (int d = 0; d < TestedExitCount; ++d) {
            int t = SegmentTarget(r, d);
            if (t >= 0)
                ++incomingStart[t + 1];
        }
    for (int i = 0; i < count; ++i)
        incomingStart[i + 1] += incomingStart[i];
    incoming.resize(static_cast<size_t>(incomingStart[count]));
    CIntVector<int> fill(incomingStart.begin(), incomingStart.end() - 1);
    for (int r = 0; r < count; ++r)
        for (int d = 0; d < TestedExitCount; ++d) {
            int t = SegmentTarget(r, d);
            if (t >= 0)
                incoming[fill[t]++] = r;
        }
    points.reserve(rooms.size());
}

// The target of a tested exit, or -1. A self exit has no length and can never
// collide, so it is left out.
int CGridLayout::SegmentTarget(int r, int d) const
{
    // follow holds -1 for an exit to no vnum, so the room need not be read.
    int t = follow[r * DirectionCount + d];
    return t == r ? -1 : t;
}

int CGridLayout::RowSetOf(int lvl)
{
    auto it = levelSets.find(lvl);
    if (it != levelSets.end())
        return it->second;
    int set = static_cast<int>(sets.size());
    sets.resize(sets.size() + 2);
    levelSets.emplace(lvl, set);
    return set;
}

int CGridLayout::FindLine(int set, int value) const
{
    const std::vector<int>& ids = sets[set].ids;
    auto it = std::lower_bound(ids.begin(), ids.end(), value, [this](int id, int v) { return Value(id) < v; });
    return it != ids.end() && Value(*it) == value ? *it : -1;
}

int CGridLayout::FindOrAddLine(int set, int value)
{
    std::vector<int>& ids = sets[set].ids;
    auto it = std::lower_bound(ids.begin(), ids.end(), value, [this](int id, int v) { return Value(id) < v; });
    if (it != ids.end() && Value(*it) == value)
        return *it;
    int id = static_cast<int>(lines.size());
    lines.push_back({ value - sets[set].offset, set });
    covers.emplace_back();
    crossLevel.emplace_back();
    ids.insert(it, id);
    return id;
}

// Adds delta to the lines at or beyond pivot (>= pivot or <= pivot). The side
// that is touched one by one is the smaller one; the other goes through the
// set's offset.
void CGridLayout::AddToLines(int set, bool atOrAbove, int pivot, int delta)
{
    LineSet& s = sets[set];
    const size_t split = static_cast<size_t>(atOrAbove
            ? std::partition_point(s.ids.begin(), s.ids.end(), [&](int id) { return Value(id) < pivot; }) - s.ids.begin()
            : std::partition_point(s.ids.begin(), s.ids.end(), [&](int id) { return Value(id) <= pivot; }) - s.ids.begin());
    size_t begin = atOrAbove ? split : 0;
    size_t end = atOrAbove ? s.ids.size() : split;
    if (2 * (end - begin) <= s.ids.size()) {
        for (size_t i = begin; i < end; ++i)
            lines[s.ids[i]].stored += delta;
        return;
    }
    s.offset += delta;
    for (size_t i = 0; i < begin; ++i)
        lines[s.ids[i]].stored -= delta;
    for (size_t i = end; i < s.ids.size(); ++i)
        lines[s.ids[i]].stored -= delta;
}

void CGridLayout::Run()
{
    if (count == 0)
        return;
    // Depth-first as the recursive description, on an explicit stack: a frame
    // is a placed room and the next of its directions to follow.
    struct Frame {
        int room;
        int nextDirection;
    };
    std::vector<Frame> stack;
    Visit(0, 0, 0, 0, ArriveNone);
    stack.push_back({ 0, 0 });
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.nextDirection == DirectionCount) {
            stack.pop_back();
            continue;
        }
        int r = frame.room;
        int d = frame.nextDirection++;
        int t = follow[r * DirectionCount + d];
        if (t < 0 || placed[t])
            continue;
        // Read r's point now: an earlier direction may have shifted r.
        int x = X(r);
        int y = Y(r);
        int lvl = level[r];
        switch (d) {
        case DirNorth: Visit(t, x, y - 1, lvl, ArriveNorth); break;
        case DirEast: Visit(t, x + 1, y, lvl, ArriveEast); break;
        case DirSouth: Visit(t, x, y + 1, lvl, ArriveSouth); break;
        case DirWest: Visit(t, x - 1, y, lvl, ArriveWest); break;
        case DirUp: Visit(t, x, y, lvl + 1, ArriveNorth); break;
        default: Visit(t, x, y, lvl - 1, ArriveNorth); break;
        }
        stack.push_back({ t, 0 });
    }
}

void CGridLayout::Visit(int r, int x, int y, int lvl, Arrival a)
{
    if (a != ArriveNone && Collides(x, y, lvl, a))
        Shift(x, y, lvl, a);
    Place(r, x, y, lvl);
}

bool CGridLayout::Collides(int x, int y, int lvl, Arrival a) const
{
    auto it = levelSets.find(lvl);
    if (it == levelSets.end())
        return false;
    int rowLine = FindLine(it->second, y);
    int colLine = FindLine(it->second + 1, x);
    if (rowLine >= 0 && colLine >= 0 && points.count(PointKey(rowLine, colLine)))
        return true;

    // Every exit that can cross the point ends in a room of this level on the
    // point's row (north/south arrival) or column (east/west arrival).
    bool acrossRow = a != ArriveEast && a != ArriveWest;
    int line = acrossRow ? rowLine : colLine;
    if (line < 0)
        return false;
    if (CoverHolds(line, acrossRow ? x : y))
        return true;
    for (const auto& [from, to] : crossLevel[line]) {
        if (acrossRow ? Y(from) == y && StrictlyBetween(x, X(from), X(to))
                      : X(from) == x && StrictlyBetween(y, Y(from), Y(to)))
            return true;
    }
    return false;
}

// True when value lies strictly inside one of the line's intervals. The
// intervals are disjoint and sorted, so only the last one starting below the
// value can hold it.
bool CGridLayout::CoverHolds(int line, int value) const
{
    const std::vector<Interval>& cover = covers[line];
    auto it = std::partition_point(cover.begin(), cover.end(), [&](const Interval& i) { return Value(i.lo) < value; });
    return it != cover.begin() && Value((it - 1)->hi) > value;
}

void CGridLayout::Shift(int x, int y, int lvl, Arrival a)
{
    auto it = levelSets.find(lvl);
    if (it == levelSets.end())
        return;
    int rows = it->second;
    switch (a) {
    case ArriveNorth: AddToLines(rows, false, y, -1); break;
    case ArriveEast: AddToLines(rows + 1, true, x, +1); break;
    case ArriveSouth: AddToLines(rows, true, y, +1); break;
    case ArriveWest: AddToLines(rows + 1, false, x, -1); break;
    case ArriveNone: break;
    }
}

void CGridLayout::Place(int r, int x, int y, int lvl)
{
    int rows = RowSetOf(lvl);
    row[r] = FindOrAddLine(rows, y);
    col[r] = FindOrAddLine(rows + 1, x);
    level[r] = lvl;
    placed[r] = true;
    points.insert(PointKey(row[r], col[r]));

    // An exit joins the collision test once both of its rooms are placed.
    for (int d = 0; d < TestedExitCount; ++d) {
        int t = SegmentTarget(r, d);
        if (t >= 0 && placed[t])
            AddSegment(r, t);
    }
    for (int i = incomingStart[r]; i < incomingStart[r + 1]; ++i)
        if (placed[incoming[i]])
            AddSegment(incoming[i], r);
}

void CGridLayout::AddSegment(int from, int to)
{
    if (level[from] != level[to]) {
        crossLevel[row[to]].emplace_back(from, to);
        crossLevel[col[to]].emplace_back(from, to);
    } else if (row[from] == row[to]) {
        AddInterval(row[to], col[from], col[to]);
    } else if (col[from] == col[to]) {
        AddInterval(col[to], row[from], row[to]);
    }
}

// Adds the open interval between lines a and b to the cover of `line`,
// merging the intervals it overlaps. Intervals that only touch stay apart:
// their shared end is not covered.
void CGridLayout::AddInterval(int line, int a, int b)
{
    if (Value(a) > Value(b))
        std::swap(a, b);
    std::vector<Interval>& cover = covers[line];
    auto first = std::partition_point(cover.begin(), cover.end(), [&](const Interval& i) { return Value(i.hi) <= Value(a); });
    auto last = first;
    Interval merged { a, b };
    while (last != cover.end() && Value(last->lo) < Value(b)) {
        if (Value(last->lo) < Value(merged.lo))
            merged.lo = last->lo;
        if (Value(last->hi) > Value(merged.hi))
            merged.hi = last->hi;
        ++last;
    }
    first = cover.erase(first, last);
    cover.insert(first, merged);
}

} // namespace

namespace {

// A group of rooms laid out from its first room: each room's column, row and
// level, with the first row and column of the group at 0.
struct CGroupPlacement {
    std::vector<int> rooms; // indexes into the rooms the group was made of
    std::vector<int> x, y, level;
    int width = 0; // the highest column
};

CGroupPlacement LayOutGroup(const std::vector<const CRoomData*>& rooms)
{
    CGroupPlacement group;
    CGridLayout grid(rooms);
    grid.Run();
    int minX = grid.X(0);
    int minY = grid.Y(0);
    for (int r = 0; r < static_cast<int>(rooms.size()); ++r)
        if (grid.Placed(r)) {
            minX = std::min(minX, grid.X(r));
            minY = std::min(minY, grid.Y(r));
        }
    for (int r = 0; r < static_cast<int>(rooms.size()); ++r)
        if (grid.Placed(r)) {
            group.rooms.push_back(r);
            group.x.push_back(grid.X(r) - minX);
            group.y.push_back(grid.Y(r) - minY);
            group.level.push_back(grid.Level(r));
            group.width = std::max(group.width, grid.X(r) - minX);
        }
    return group;
}

} // namespace

void LayoutRooms(CTolvexDoc& doc, bool allRooms)
{
    std::vector<CRoomData>& rooms = doc.rooms;
    if (rooms.empty())
        return;
    for (CRoomData& room : rooms) {
        room.unplaced = true;
        room.gridX = room.gridY = room.level = 0;
    }
    int high = 0;
    int low = 0;
    int nextColumn = 0;
    auto place = [&](const CGroupPlacement& group, const std::vector<int>& docIndex) {
        for (size_t i = 0; i < group.rooms.size(); ++i) {
            CRoomData& room = rooms[static_cast<size_t>(docIndex[static_cast<size_t>(group.rooms[i])])];
            room.unplaced = false;
            room.gridX = group.x[i] + nextColumn;
            room.gridY = group.y[i];
            room.level = group.level[i];
            high = std::max(high, room.level);
            low = std::min(low, room.level);
        }
        // The next group starts beyond an empty column.
        nextColumn += group.width + 2;
    };

    // The grid reads the rooms where they are; a group names them by position.
    std::vector<const CRoomData*> members(rooms.size());
    std::vector<int> all(rooms.size());
    for (size_t i = 0; i < all.size(); ++i) {
        members[i] = &rooms[i];
        all[i] = static_cast<int>(i);
    }
    place(LayOutGroup(members), all);

    // Every room still off the map starts a group of the rooms still off it.
    while (allRooms) {
        members.clear();
        std::vector<int> restIndex;
        for (size_t i = 0; i < rooms.size(); ++i)
            if (rooms[i].unplaced) {
                members.push_back(&rooms[i]);
                restIndex.push_back(static_cast<int>(i));
            }
        if (members.empty())
            break;
        place(LayOutGroup(members), restIndex);
    }
    doc.highestLevel = high;
    doc.lowestLevel = low;
}

int UnplacedRoomCount(const CTolvexDoc& doc)
{
    int count = 0;
    for (const CRoomData& room : doc.rooms)
        count += room.unplaced ? 1 : 0;
    return count;
}

std::string UnplacedRoomsWarning(const CTolvexDoc& doc)
{
    const int unplaced = UnplacedRoomCount(doc);
    if (unplaced == 0)
        return std::string();
    return std::to_string(unplaced) + " of " + std::to_string(doc.rooms.size())
        + " rooms cannot be reached from the first room and are not on the map (View > All Rooms shows them)";
}

int MapCoordinate(int grid, int cellSize)
{
    return static_cast<int>(static_cast<long long>(cellSize) * (3 + 4LL * grid));
}

int RoomX(const CRoomData& room, int cellSize)
{
    return room.unplaced ? 0 : MapCoordinate(room.gridX, cellSize);
}

int RoomY(const CRoomData& room, int cellSize)
{
    return room.unplaced ? 0 : MapCoordinate(room.gridY, cellSize);
}

#include "draw/MapGridIndex.h"

#include "area/CTolvexDoc.h"
#include "layout/RoomVnumTable.h"

#include <algorithm>
#include <climits>

namespace {

// Grid cells a bucket spans each way: a window at the smallest zoom shows a
// few hundred buckets, at the largest one or two.
constexpr int BucketCells = 8;
// A room whose lines would enter more buckets than this goes on its level's
// list of rooms that are always looked at.
constexpr long long MaxBucketsPerRoom = 64;

int BucketOf(int cell)
{
    // Rounds down for negative cells too.
    return static_cast<int>(cell >= 0 ? cell / BucketCells : -((-static_cast<long long>(cell) + BucketCells - 1) / BucketCells));
}

} // namespace

void CMapGridIndex::Build(const CTolvexDoc& doc)
{
    rooms = doc.rooms.data();
    count = doc.rooms.size();
    buckets.clear();
    levels.clear();
    targets.assign(doc.rooms.size() * DirectionCount, -1);
    const CRoomVnumTable byVnum(static_cast<int>(doc.rooms.size()), [&](int i) -> const CRoomData& { return doc.rooms[static_cast<size_t>(i)]; });
    for (size_t i = 0; i < doc.rooms.size(); ++i) {
        const CRoomData& room = doc.rooms[i];
        for (size_t d = 0; d < DirectionCount; ++d)
            if (room.exits[d].toVnum > 0)
                targets[i * DirectionCount + d] = byVnum.Find(room.exits[d].toVnum);
        if (room.unplaced)
            continue;
        // The cells of the room and of every room of its level it has a line to.
        int left = room.gridX, right = room.gridX, top = room.gridY, bottom = room.gridY;
        for (size_t d = 0; d < DirUp; ++d) {
            const int to = targets[i * DirectionCount + d];
            if (to < 0)
                continue;
            const CRoomData& target = doc.rooms[static_cast<size_t>(to)];
            if (target.unplaced || target.level != room.level)
                continue;
            left = std::min(left, target.gridX);
            right = std::max(right, target.gridX);
            top = std::min(top, target.gridY);
            bottom = std::max(bottom, target.gridY);
        }
        const int bl = BucketOf(left), br = BucketOf(right), bt = BucketOf(top), bb = BucketOf(bottom);
        auto [at, added] = levels.try_emplace(room.level);
        CLevel& level = at->second;
        if (added)
            level = { INT_MAX, INT_MAX, INT_MIN, INT_MIN, {} };
        if ((static_cast<long long>(br) - bl + 1) * (static_cast<long long>(bb) - bt + 1) > MaxBucketsPerRoom) {
            level.wide.push_back(static_cast<int>(i));
            continue;
        }
        level.left = std::min(level.left, bl);
        level.right = std::max(level.right, br);
        level.top = std::min(level.top, bt);
        level.bottom = std::max(level.bottom, bb);
        for (int y = bt; y <= bb; ++y)
            for (int x = bl; x <= br; ++x)
                buckets[{ room.level, x, y }].push_back(static_cast<int>(i));
    }
}

bool CMapGridIndex::Fits(const CTolvexDoc& doc) const
{
    return rooms == doc.rooms.data() && count == doc.rooms.size();
}

void CMapGridIndex::Find(int levelNumber, int left, int top, int right, int bottom, std::vector<int>& out) const
{
    const auto at = levels.find(levelNumber);
    if (at == levels.end())
        return;
    const CLevel& level = at->second;
    const size_t first = out.size();
    out.insert(out.end(), level.wide.begin(), level.wide.end());
    const int bl = std::max(BucketOf(left), level.left), br = std::min(BucketOf(right), level.right);
    const int bt = std::max(BucketOf(top), level.top), bb = std::min(BucketOf(bottom), level.bottom);
    for (int y = bt; y <= bb; ++y)
        for (int x = bl; x <= br; ++x) {
            const auto bucket = buckets.find({ levelNumber, x, y });
            if (bucket != buckets.end())
                out.insert(out.end(), bucket->second.begin(), bucket->second.end());
        }
    // A room whose lines span several buckets is in each of them.
    std::sort(out.begin() + static_cast<std::ptrdiff_t>(first), out.end());
    out.erase(std::unique(out.begin() + static_cast<std::ptrdiff_t>(first), out.end()), out.end());
}

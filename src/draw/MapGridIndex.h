#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

class CTolvexDoc;

// The placed rooms of each level by where they lie on the layout's grid, so
// that a window finds the rooms it shows without walking the others. It is
// built from the layout as it stands: build it again when that changes.
class CMapGridIndex {
public:
    void Build(const CTolvexDoc& doc);
    // Built on this document's room list as it is now (same rooms, same count).
    bool Fits(const CTolvexDoc& doc) const;

    // Appends, in ascending order, the indexes of the rooms of `level` whose
    // box, or a line to another room of the level, lies in or crosses the
    // grid rectangle of columns left..right and rows top..bottom; a few
    // others may come with them.
    void Find(int level, int left, int top, int right, int bottom, std::vector<int>& out) const;
    // The room the exit of room `room` in `direction` leads to, as
    // FindRoomIndex found it at the build, or -1.
    int ExitTarget(size_t room, int direction) const { return targets[room * 6 + static_cast<size_t>(direction)]; }

private:
    struct CKey {
        int level;
        int x;
        int y;
        friend bool operator==(const CKey& a, const CKey& b) { return a.level == b.level && a.x == b.x && a.y == b.y; }
    };
    struct CKeyHash {
        size_t operator()(const CKey& k) const
        {
            return std::hash<uint64_t>()((static_cast<uint64_t>(static_cast<uint32_t>(k.level)) * 0x9E3779B97F4A7C15ull)
                ^ (static_cast<uint64_t>(static_cast<uint32_t>(k.x)) << 32) ^ static_cast<uint32_t>(k.y));
        }
    };
    // The buckets a level has, and its rooms whose lines span too many
    // buckets to be entered in each.
    struct CLevel {
        int left;
        int top;
        int right;
        int bottom;
        std::vector<int> wide;
    };

    const void* rooms = nullptr;
    size_t count = 0;
    std::unordered_map<CKey, std::vector<int>, CKeyHash> buckets;
    std::unordered_map<int, CLevel> levels;
    // Six exits a room.
    std::vector<int> targets;
};

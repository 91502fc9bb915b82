#pragma once

#include "area/CRoomData.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

// The first room of each vnum, as the server and the map find an exit's room.
// Vnums are mostly dense, so a table over their range is the usual index; a
// sparse area takes a hash. Built once for a whole pass over the rooms.
class CRoomVnumTable {
public:
    template <typename RoomAt>
    CRoomVnumTable(int count, RoomAt roomAt)
    {
        for (int i = 0; i < count; ++i) {
            const int v = roomAt(i).vnum;
            low = i == 0 ? v : std::min(low, v);
            high = i == 0 ? v : std::max(high, v);
        }
        dense = count > 0 && static_cast<long long>(high) - low < 4LL * count + 64;
        if (dense)
            table.assign(static_cast<size_t>(high - low + 1), -1);
        else
            hashed.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            const int v = roomAt(i).vnum;
            if (!dense)
                hashed.emplace(v, i);
            else if (table[static_cast<size_t>(v - low)] < 0)
                table[static_cast<size_t>(v - low)] = i;
        }
    }

    // The room's index, or -1.
    int Find(int vnum) const
    {
        if (dense)
            return vnum >= low && vnum <= high ? table[static_cast<size_t>(vnum - low)] : -1;
        const auto it = hashed.find(vnum);
        return it == hashed.end() ? -1 : it->second;
    }

private:
    int low = 0;
    int high = -1;
    bool dense = false;
    std::vector<int> table;
    std::unordered_map<int, int> hashed;
};

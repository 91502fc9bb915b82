#pragma once

#include <string>

// The rooms of the other areas of an open world, as one area's map and
// checks see them.
class IOtherAreas {
public:
    virtual ~IOtherAreas() = default;
    virtual bool HasRoom(int vnum) const = 0;
    // "3001 The Temple Square (midgaard.are)", or "" when no area has it.
    virtual std::string DescribeRoom(int vnum) const = 0;
};

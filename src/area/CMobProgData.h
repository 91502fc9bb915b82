#pragma once

#include <string>

// A mob program; its code keeps its line breaks as "\r\n" pairs.
class CMobProgData {
public:
    int vnum = 0;
    std::string code;
};

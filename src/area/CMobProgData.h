#pragma once

#include <string>

// A mob program; its code keeps its line breaks as "\r\n" pairs.
class CMobProgData {
public:
    int vnum = 0;
    std::string code;
    // The file line the record began on, 0 for a record not read from a file;
    // never written.
    int line = 0;
};

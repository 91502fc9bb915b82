#pragma once

#include "config/TableEntry.h"

#include <string>
#include <vector>

// The area's own fields, as Area > General information edits them.
struct CAreaHeader {
    std::string name;
    std::string builders;
    std::string credits;
    int lowerVnum = 0;
    int upperVnum = 0;
    int security = 0;
    int minLevel = 0;
    int maxLevel = 0;
    // name = resource, value = amount
    std::vector<CTableEntry> resources;
    // Whether a save writes the header section. A file without one is saved
    // without one; editing the header gives it one.
    bool written = true;
};

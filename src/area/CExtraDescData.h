#pragma once

#include <string>

// A keyword and the text a player sees when looking at it (rooms and objects).
class CExtraDescData {
public:
    std::string keyword;
    std::string description;
    // Changed in the editor since it was read: the save formats it.
    bool edited = false;
};

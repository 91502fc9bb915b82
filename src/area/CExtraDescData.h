#pragma once

#include <string>

// A keyword and the text a player sees when looking at it (rooms and objects).
class CExtraDescData {
public:
    std::string keyword;
    std::string description;
};

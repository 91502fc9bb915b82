#pragma once

#include "config/ConfigLoader.h"

#include <string>

// The shipped configuration, read once for every run of a fuzz target.
inline const CConfigTables& BaseTables()
{
    static CConfigTables tables = [] {
        CConfigTables t;
        int line = 0;
        LoadConfig(t, std::string(TOLVEX_SOURCE_DIR) + "/res/tolvex.cfg", line);
        return t;
    }();
    return tables;
}

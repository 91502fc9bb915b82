#pragma once

#include "config/ConfigTables.h"

#include <istream>
#include <string>

// Reads tolvex.cfg into `tables`. On failure `tables` is left as it was and
// `line` names the line (from 1) where reading stopped.
bool LoadConfig(CConfigTables& tables, const std::string& path, int& line);
bool LoadConfig(CConfigTables& tables, std::istream& in, int& line);

#pragma once

#include "area/CExtraDescData.h"

#include <string>
#include <vector>

// Extra descriptions as the editors handle them: keywords are shown in lower
// case, so they are found letter case aside.

// The entry with `keyword`, or -1.
int FindExtraDesc(const std::vector<CExtraDescData>& list, const std::string& keyword);
// The entry with `keyword`: the one there is, or a new one at the end holding
// `description`. -1 for an empty keyword.
int AddExtraDesc(std::vector<CExtraDescData>& list, const std::string& keyword, const std::string& description);

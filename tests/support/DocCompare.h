#pragma once

#include "area/CTolvexDoc.h"

#include <string>
#include <vector>

// Every difference between two documents, as "path: a | b" lines, over the
// header fields that every dialect writes. Exits that lead to vnum 0 are not
// written, so they compare as blank; with `rewrapped`, texts that the writer
// re-wraps are compared without blanks and case.
std::vector<std::string> CompareDocs(const CTolvexDoc& a, const CTolvexDoc& b, bool rewrapped);

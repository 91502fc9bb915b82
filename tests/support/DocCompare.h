#pragma once

#include "area/CTolvexDoc.h"

#include <string>
#include <vector>

struct CCompareOptions {
    // Texts that the writer re-wraps are compared without blanks and case.
    bool rewrappedTexts = true;
    // Exits that lead to vnum 0 are not written; the reread room has
    // a blank exit there.
    bool droppedExits = true;
    // Compare only the header fields that every dialect writes.
    bool commonHeaderOnly = true;
};

// Every difference between two documents, as "path: a | b" lines.
std::vector<std::string> CompareDocs(const CTolvexDoc& a, const CTolvexDoc& b, const CCompareOptions& options = {});

// The same text seen through a save that re-wraps it.
std::string WrapInsensitive(const std::string& text);

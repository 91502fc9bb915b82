#pragma once

#include "area/Diagnostics.h"
#include "area/RecordKind.h"

#include <string>

// One thing the checker found: an error (the server refuses the area or stops
// on it) or a warning (very likely a mistake).
struct CFinding {
    Severity severity = Severity::Warning;
    RecordKind kind = RecordKind::Header;
    int vnum = 0; // of the record; 0 for the area
    int line = 0; // where the record began in the file; 0 when it did not come from one
    std::string text;
};

// "Room", "Object", "Mob", "Mobprog", or "Area" for the header.
const char* RecordKindName(RecordKind kind);

#pragma once

#include <string>
#include <vector>

// One file named by an area list, with the line that names it.
struct CAreaListEntry {
    std::string file;
    int line = 0;
};

// The server's area.lst: file names separated by blanks, as the server reads
// them a word at a time, up to the word "$".
struct CAreaList {
    std::vector<CAreaListEntry> entries;
    bool ended = false; // the "$" was there
};

CAreaList ReadAreaList(const std::string& text);

// Whether the text reads as an area list rather than an area: its first word
// is not a section ("#AREA", "#ROOMS"...) and it ends with "$", or, without
// the "$", every word names a ".are" file.
bool LooksLikeAreaList(const std::string& text);

// The list with `file` named on a line of its own before the "$" (at the end,
// followed by a "$" line, when it has none); the rest as it was, in the
// list's own line ends.
std::string AddToAreaList(const std::string& text, const std::string& file);

// A file name for a new area of this name: its letters and digits in lower
// case, then ".are" ("area.are" when it has none).
std::string AreaFileNameFor(const std::string& name);

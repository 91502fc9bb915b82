#pragma once

#include "area/Diagnostics.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

class CTextReader;

// Reports a warning with a line through the diagnostics.
void Warn(IDiagnostics& diagnostics, int line, const std::string& text);
// One warning for the words a save could not write to read back whole:
// `records` names their kind ("Mobs"), `vnums` lists them.
void WarnQuotesDropped(IDiagnostics& diagnostics, const char* records, const std::string& vnums);

// After the last field of a line the rest is a comment. The byte that ended
// that field is already consumed: when it was the line feed, the line is over.
void SkipRestOfLine(CTextReader& in);

// About how many records of a `#vnum` section are still to be read: the `#`
// up to the "#0" that ends it. Lists reserved that much grow only once.
size_t RecordsAhead(const CTextReader& in);

// Lists keep only the room their entries take once they are read.
template <typename T>
void FitToSize(std::vector<T>& list)
{
    if (list.capacity() != list.size())
        list.shrink_to_fit();
}

// Fitted with `spare` free slots after the records.
template <typename T>
void FitToSize(std::vector<T>& list, size_t spare)
{
    if (spare == 0) {
        FitToSize(list);
        return;
    }
    if (list.capacity() > list.size() + 2 * spare) {
        std::vector<T> fitted;
        fitted.reserve(list.size() + spare);
        std::move(list.begin(), list.end(), std::back_inserter(fitted));
        list.swap(fitted);
    }
}

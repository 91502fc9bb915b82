#pragma once

#include "area/Diagnostics.h"

#include <string>

class CTextReader;

// Reports a warning with a line through the diagnostics.
void Warn(IDiagnostics& diagnostics, int line, const std::string& text);

// After the last field of a line the rest is a comment. The byte that ended
// that field is already consumed: when it was the line feed, the line is over.
void SkipRestOfLine(CTextReader& in);

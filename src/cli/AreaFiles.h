#pragma once

#include "cli/CliCommands.h"

#include "area/CTolvexDoc.h"

#include <string>

// Prints a diagnostic as "FILE:LINE: warning: TEXT" (one line).
void PrintDiagnostic(std::ostream& out, const std::string& file, const CDiagnostic& diagnostic);

// Reads the whole file at `path` into `bytes`. False, with the system's
// reason ("No such file or directory", "Is a directory"...), when it cannot.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& reason);

// "FILE: error: cannot open the file: REASON", the one form every command
// gives for a file it cannot read.
void PrintOpenError(std::ostream& out, const std::string& path, const std::string& reason);

// Loads an area file into `doc`, printing its diagnostics to the error
// stream. False when the file cannot be read or the load was aborted.
// `saveOptions`: how the area will be saved (default: the configured dialect).
bool LoadAreaFile(const std::string& path, CTolvexDoc& doc, CCliContext& context);
bool LoadAreaFile(const std::string& path, CTolvexDoc& doc, CCliContext& context, const CSaveOptions& saveOptions);

// Lays the map out again, with every room when `allRooms`; otherwise warns
// when rooms are left off the map.
void LayOutMap(const std::string& path, CTolvexDoc& doc, bool allRooms, CCliContext& context);

// The whole of `text` as a decimal int; false (value untouched) when it is
// empty, holds anything else or lies outside the int range.
bool ParseInt(const std::string& text, int& value);

#pragma once

#include "cli/CliCommands.h"

#include "area/CTolvexDoc.h"

class CCommandLine;

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

// An area file as check and world read it.
struct CCheckedFile {
    std::string path;
    std::unique_ptr<CTolvexDoc> doc; // null when the file could not be opened or its load was aborted
    CDiagnosticList diagnostics;
    std::string openError; // why the file could not be opened
    bool notAnArea = false; // something in it, but no section the reader knows
};

// Reads each file with one table set for all, as in the editor: a race added
// by one file is known to the next. False when a file could not be read.
bool ReadAreaFiles(const std::vector<std::string>& paths, CConfigTables& tables, std::vector<CCheckedFile>& files);

// The files an area list names, relative to the list's folder. False, after
// saying why, when the list cannot be read.
bool ReadWorldList(const std::string& listPath, std::vector<std::string>& paths, CCliContext& context);

// The files a command on AREA reads: AREA alone, or with --world the list's
// files, `area` its position among them. False, after saying why (after
// `refusal`), when the list cannot be read or does not name AREA.
bool AreaAndWorldPaths(const CCommandLine& line, const std::string& areaPath, const std::string& refusal,
    std::vector<std::string>& paths, std::size_t& area, CCliContext& context);

// Says why a file could not be opened, and its load errors (and warnings, with
// `warnings`), on standard error.
void PrintReadErrors(std::ostream& err, const CCheckedFile& file, bool warnings = false);

// The position of the same file as `path` in `paths`; paths.size() when none.
std::size_t FindListedPath(const std::vector<std::string>& paths, const std::string& path);

// The position of the file of `paths` that `area` names: the same file, or
// the same file name; paths.size() when none.
std::size_t FindListedArea(const std::vector<std::string>& paths, const std::string& area);

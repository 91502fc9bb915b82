#pragma once

#include "cli/CliCommands.h"

#include "area/CTolvexDoc.h"

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

// The position of the file of `paths` that `area` names: the same file, or
// the same file name; paths.size() when none.
std::size_t FindListedArea(const std::vector<std::string>& paths, const std::string& area);

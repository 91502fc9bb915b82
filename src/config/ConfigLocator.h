#pragma once

#include <string>
#include <vector>

// The folders that hold the installed data (the shipped configurations, the
// user guide), in order: the executable's directory (a build tree),
// ../share/tolvex beside it (an install moved to any prefix), each XDG data
// directory + /tolvex, and the prefix the build was configured with.
std::vector<std::string> DataSearchDirs(const std::string& executableDir);

// The places where tolvex.cfg is looked for, in order: the current directory,
// the executable's directory, the user's configuration directory, then the
// other data folders.
std::vector<std::string> ConfigSearchPaths(const std::string& executableDir);

// The first of those places that holds a readable file, or "".
std::string FindConfigFile(const std::string& executableDir);

// The first data folder that holds the file `name`, as a path, or "".
std::string FindDataFile(const std::string& name, const std::string& executableDir);

// What to tell when no tolvex.cfg was found: every place looked at, one a line.
std::string ConfigNotFoundText(const std::string& executableDir);

// The directory of the running program (argv[0] where the system cannot say).
std::string ExecutableDir(const char* argv0);

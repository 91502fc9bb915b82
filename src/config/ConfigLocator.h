#pragma once

#include <string>
#include <vector>

// The places where tolvex.cfg is looked for, in order: the current directory,
// the executable's directory, the user's configuration directory and the
// installed data directory.
std::vector<std::string> ConfigSearchPaths(const std::string& executableDir);

// The first of those places that holds a readable file, or "".
std::string FindConfigFile(const std::string& executableDir);

// The directory of the running program (argv[0] where the system cannot say).
std::string ExecutableDir(const char* argv0);

#pragma once

#include <filesystem>
#include <string>

// Where the project and the shared material lie, for tests that read files.
inline std::string SourcePath(const std::string& relative)
{
    return std::string(TOLVEX_SOURCE_DIR) + "/" + relative;
}

inline std::string SharedPath(const std::string& relative)
{
    return std::string(TOLVEX_SHARED_DIR) + "/" + relative;
}

inline bool SharedAreasPresent()
{
    return std::filesystem::is_directory(SharedPath("areas/rom24"));
}

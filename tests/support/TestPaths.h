#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Where the project and the shared material lie, for tests that read files.
inline std::string SourcePath(const std::string& relative)
{
    return std::string(TOLVEX_SOURCE_DIR) + "/" + relative;
}

inline std::string SharedPath(const std::string& relative)
{
    return std::string(TOLVEX_SHARED_DIR) + "/" + relative;
}

// A file's bytes; none when it cannot be read.
inline std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline bool SharedAreasPresent()
{
    return std::filesystem::is_directory(SharedPath("areas/rom24"));
}

// The stock ROM areas in name order; none when the folder is absent.
inline std::vector<std::string> StockAreaFiles()
{
    std::vector<std::string> files;
    if (SharedAreasPresent())
        for (const auto& entry : std::filesystem::directory_iterator(SharedPath("areas/rom24")))
            if (entry.path().extension() == ".are")
                files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

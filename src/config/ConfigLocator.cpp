#include "config/ConfigLocator.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#ifndef TOLVEX_DATADIR
#define TOLVEX_DATADIR "/usr/local/share/tolvex"
#endif

namespace fs = std::filesystem;

namespace {

const char* const ConfigName = "tolvex.cfg";

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// $HOME/`fallback` when the variable is unset or empty, as XDG says.
fs::path XdgHome(const char* variable, const char* fallback)
{
    fs::path home = Env(variable);
    if (home.empty() && !Env("HOME").empty())
        home = fs::path(Env("HOME")) / fallback;
    return home;
}

void AddOnce(std::vector<std::string>& list, const fs::path& path)
{
    const std::string normal = path.lexically_normal().string();
    if (std::find(list.begin(), list.end(), normal) == list.end())
        list.push_back(normal);
}

bool IsReadableFile(const std::string& path)
{
    std::error_code error;
    std::ifstream probe(path, std::ios::binary);
    return probe && fs::is_regular_file(path, error);
}

} // namespace

std::vector<std::string> DataSearchDirs(const std::string& executableDir)
{
    std::vector<std::string> dirs;
    if (!executableDir.empty()) {
        AddOnce(dirs, executableDir);
        AddOnce(dirs, fs::path(executableDir) / ".." / "share" / "tolvex");
    }
    const fs::path dataHome = XdgHome("XDG_DATA_HOME", ".local/share");
    if (!dataHome.empty())
        AddOnce(dirs, dataHome / "tolvex");
    std::string dataDirs = Env("XDG_DATA_DIRS");
    if (dataDirs.empty())
        dataDirs = "/usr/local/share:/usr/share";
    for (size_t start = 0; start <= dataDirs.size();) {
        const size_t end = std::min(dataDirs.find(':', start), dataDirs.size());
        if (end > start)
            AddOnce(dirs, fs::path(dataDirs.substr(start, end - start)) / "tolvex");
        start = end + 1;
    }
    AddOnce(dirs, TOLVEX_DATADIR);
    return dirs;
}

std::vector<std::string> ConfigSearchPaths(const std::string& executableDir)
{
    std::vector<std::string> paths;
    paths.push_back(ConfigName);
    const std::vector<std::string> dirs = DataSearchDirs(executableDir);
    // A build tree keeps its copy beside the programs; the user's own file
    // comes before any installed one.
    auto data = dirs.begin();
    if (!executableDir.empty())
        AddOnce(paths, fs::path(*data++) / ConfigName);
    const fs::path configHome = XdgHome("XDG_CONFIG_HOME", ".config");
    if (!configHome.empty())
        AddOnce(paths, configHome / "Vantreme" / ConfigName);
    for (; data != dirs.end(); ++data)
        AddOnce(paths, fs::path(*data) / ConfigName);
    return paths;
}

std::string FindConfigFile(const std::string& executableDir)
{
    for (const std::string& path : ConfigSearchPaths(executableDir))
        if (IsReadableFile(path))
            return path;
    return "";
}

std::string FindDataFile(const std::string& name, const std::string& executableDir)
{
    for (const std::string& dir : DataSearchDirs(executableDir)) {
        const std::string path = (fs::path(dir) / name).string();
        if (IsReadableFile(path))
            return path;
    }
    return "";
}

std::string ConfigNotFoundText(const std::string& executableDir)
{
    std::string text = "tolvex.cfg was looked for in:\n";
    for (const std::string& path : ConfigSearchPaths(executableDir))
        text += "  " + path + "\n";
    return text;
}

std::string ExecutableDir(const char* argv0)
{
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error || self.empty())
        self = fs::absolute(argv0 ? argv0 : "", error);
    return self.parent_path().string();
}

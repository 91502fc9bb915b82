#include "config/ConfigLocator.h"

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

} // namespace

std::vector<std::string> ConfigSearchPaths(const std::string& executableDir)
{
    std::vector<std::string> paths;
    paths.push_back(ConfigName);
    if (!executableDir.empty())
        paths.push_back((fs::path(executableDir) / ConfigName).string());

    fs::path configHome = Env("XDG_CONFIG_HOME");
    if (configHome.empty() && !Env("HOME").empty())
        configHome = fs::path(Env("HOME")) / ".config";
    if (!configHome.empty())
        paths.push_back((configHome / "Vantreme" / ConfigName).string());

    paths.push_back((fs::path(TOLVEX_DATADIR) / ConfigName).string());
    return paths;
}

std::string FindConfigFile(const std::string& executableDir)
{
    for (const std::string& path : ConfigSearchPaths(executableDir)) {
        std::ifstream probe(path, std::ios::binary);
        if (probe && fs::is_regular_file(path))
            return path;
    }
    return "";
}

std::string ExecutableDir(const char* argv0)
{
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error || self.empty())
        self = fs::absolute(argv0 ? argv0 : "", error);
    return self.parent_path().string();
}

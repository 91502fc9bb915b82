#pragma once

#include <ostream>
#include <string>
#include <vector>

// Each command takes its arguments (without the command word) and returns the exit status.
struct CCliContext {
    std::string executableDir;
    std::ostream& out;
    std::ostream& err;
};

int RunConfigCommand(const std::vector<std::string>& args, CCliContext& context);
int RunCheckCommand(const std::vector<std::string>& args, CCliContext& context);
int RunConvertCommand(const std::vector<std::string>& args, CCliContext& context);
int RunDumpCommand(const std::vector<std::string>& args, CCliContext& context);
int RunLookCommand(const std::vector<std::string>& args, CCliContext& context);
int RunLayoutCommand(const std::vector<std::string>& args, CCliContext& context);
int RunRenumberCommand(const std::vector<std::string>& args, CCliContext& context);
int RunRenderCommand(const std::vector<std::string>& args, CCliContext& context);
int RunWorldCommand(const std::vector<std::string>& args, CCliContext& context);

// Loads the configuration at `path`, or the one found as the editor finds it
// when `path` is empty; prints the failure and returns false when it cannot.
class CConfigTables;
bool LoadCliConfig(const std::string& path, CCliContext& context, CConfigTables& tables);

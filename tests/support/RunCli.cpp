#include "RunCli.h"

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

std::string ShellQuote(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CCliResult RunCli(const std::vector<std::string>& args)
{
    return RunProgram("", TOLVEX_CLI, args);
}

CCliResult RunProgram(const std::string& prefix, const std::string& program, const std::vector<std::string>& args)
{
    CScratchDir scratch;
    std::string command = prefix + " " + ShellQuote(program);
    for (const std::string& arg : args)
        command += " " + ShellQuote(arg);
    command += " >" + ShellQuote(scratch.Path("out")) + " 2>" + ShellQuote(scratch.Path("err"));
    const int raw = std::system(command.c_str());
    return { WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadWholeFile(scratch.Path("out")), ReadWholeFile(scratch.Path("err")) };
}

CScratchDir::CScratchDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tolvex-test-XXXXXX").string();
    dir = mkdtemp(pattern.data());
}

CScratchDir::~CScratchDir()
{
    std::error_code error;
    std::filesystem::remove_all(dir, error);
}

std::string CScratchDir::Write(const std::string& name, const std::string& contents) const
{
    std::ofstream out(Path(name), std::ios::binary);
    out << contents;
    return Path(name);
}

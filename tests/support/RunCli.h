#pragma once

#include "support/TestPaths.h"

// Runs tolvex-cli with the arguments; captures standard output and error.
struct CCliResult {
    int status = -1;
    std::string out;
    std::string err;
    // The whole run in one text, to compare a run with the one expected.
    std::string Whole() const { return "status " + std::to_string(status) + "\nout: " + out + "\nerr: " + err; }
};

CCliResult RunCli(const std::vector<std::string>& args);

// Runs `program` with the arguments through the shell, with `prefix` (shell
// words such as "cd DIR && env -u DISPLAY") before it.
CCliResult RunProgram(const std::string& prefix, const std::string& program, const std::vector<std::string>& args);
std::string ShellQuote(const std::string& arg);

// A scratch directory removed at the end of the test.
class CScratchDir {
public:
    CScratchDir();
    ~CScratchDir();
    std::string Path(const std::string& name) const { return dir + "/" + name; }
    std::string Write(const std::string& name, const std::string& contents) const;

private:
    std::string dir;
};

#pragma once

#include "cli/CliCommands.h"

#include <climits>
#include <map>
#include <string>
#include <vector>

// "tolvex-cli VERSION" and a line break, what --version prints.
extern const char* const VersionLine;

// One option of a command: "--name" alone, or "--name VALUE".
struct COptionSpec {
    const char* name;
    bool takesValue;
};

// The arguments of one command, taken apart the same way for every command:
// an unknown option or a missing value is bad usage (a line saying what is
// wrong and the usage line on standard error, exit 2); --help (or -h) prints
// the usage and --version the version on standard output, and exit 0. A value
// follows its option as the next argument or after "=". "--" ends the options.
class CCommandLine {
public:
    CCommandLine(const char* command, const char* usage, std::vector<COptionSpec> options,
        size_t minOperands, size_t maxOperands);

    // -1 when the command is to run; otherwise the exit status to return.
    int Parse(const std::vector<std::string>& args, CCliContext& context);

    bool Has(const char* name) const { return values.count(name) > 0; }
    std::string Value(const char* name) const;
    const std::vector<std::string>& Operands() const { return operands; }

    // The option's value as a whole number from min to max, or `value`
    // untouched when the option is absent. False after reporting bad usage.
    bool IntValue(const char* name, int min, int max, int& value, CCliContext& context) const;

    // Reports bad usage: "COMMAND: PROBLEM" (when there is one) and the usage line. Returns 2.
    int UsageError(const std::string& problem, CCliContext& context) const;

private:
    const COptionSpec* Find(const std::string& name) const;

    std::string command;
    std::string usage;
    std::vector<COptionSpec> options;
    size_t minOperands;
    size_t maxOperands;
    std::map<std::string, std::string> values;
    std::vector<std::string> operands;
};

constexpr size_t AnyNumber = SIZE_MAX;

#include "cli/CommandLine.h"

#include "cli/AreaFiles.h"

#include <utility>

#ifndef TOLVEX_VERSION
#define TOLVEX_VERSION ""
#endif

const char* const VersionLine = "tolvex-cli " TOLVEX_VERSION "\n";

CCommandLine::CCommandLine(const char* commandName, const char* usageLine, std::vector<COptionSpec> optionList,
    size_t fewestOperands, size_t mostOperands)
    : command(commandName)
    , usage(usageLine)
    , options(std::move(optionList))
    , minOperands(fewestOperands)
    , maxOperands(mostOperands)
{
}

const COptionSpec* CCommandLine::Find(const std::string& name) const
{
    for (const COptionSpec& option : options)
        if (name == option.name)
            return &option;
    return nullptr;
}

int CCommandLine::Parse(const std::vector<std::string>& args, CCliContext& context)
{
    values.clear();
    operands.clear();
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // A lone "-" is an operand, as it is for most tools.
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            context.out << usage;
            return 0;
        }
        if (arg == "--version") {
            context.out << VersionLine;
            return 0;
        }
        // "--name=value" is "--name value".
        const size_t equals = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
        const std::string name = arg.substr(0, equals);
        const COptionSpec* option = Find(name);
        if (!option)
            return UsageError("unknown option '" + name + "'", context);
        if (!option->takesValue) {
            if (equals != std::string::npos)
                return UsageError(name + " takes no value", context);
            values[name];
            continue;
        }
        if (equals != std::string::npos)
            values[name] = arg.substr(equals + 1);
        else if (i + 1 == args.size())
            return UsageError(arg + " needs a value", context);
        else
            values[name] = args[++i];
    }
    if (operands.size() < minOperands || operands.size() > maxOperands)
        return UsageError(std::string(), context);
    return -1;
}

std::string CCommandLine::Value(const char* name) const
{
    auto found = values.find(name);
    return found == values.end() ? std::string() : found->second;
}

bool CCommandLine::IntValue(const char* name, int min, int max, int& value, CCliContext& context) const
{
    auto found = values.find(name);
    if (found == values.end())
        return true;
    int number = 0;
    if (!ParseInt(found->second, number)) {
        UsageError(std::string(name) + " needs a number, not '" + found->second + "'", context);
        return false;
    }
    if (number < min || number > max) {
        UsageError(std::string(name) + " must be from " + std::to_string(min) + " to " + std::to_string(max), context);
        return false;
    }
    value = number;
    return true;
}

int CCommandLine::UsageError(const std::string& problem, CCliContext& context) const
{
    if (!problem.empty())
        context.err << command << ": " << problem << '\n';
    context.err << usage;
    return 2;
}

#include "CliCommands.h"

#include "config/ConfigLocator.h"

#include <iostream>

namespace {

const char* const Usage =
    "usage: tolvex-cli COMMAND [ARGS]\n"
    "commands:\n"
    "  config [--dump] [CFG]    load the configuration and list its tables\n";

} // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    CCliContext context { ExecutableDir(argv[0]), std::cout, std::cerr };
    if (argc < 2) {
        std::cerr << Usage;
        return 2;
    }
    const std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "config")
        return RunConfigCommand(args, context);
    std::cerr << "tolvex-cli: unknown command '" << command << "'\n" << Usage;
    return 2;
}

#include "CliCommands.h"

int RunCheckCommand(const std::vector<std::string>&, CCliContext& context)
{
    context.err << "not available yet\n";
    return 2;
}

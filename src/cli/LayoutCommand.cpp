#include "CliCommands.h"

int RunLayoutCommand(const std::vector<std::string>&, CCliContext& context)
{
    context.err << "not available yet\n";
    return 2;
}

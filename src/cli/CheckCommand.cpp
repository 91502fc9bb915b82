#include "cli/AreaFiles.h"

#include <fstream>

int RunCheckCommand(const std::vector<std::string>& arguments, CCliContext& context)
{
    std::vector<std::string> args = arguments;
    CConfigTables tables;
    if (!LoadCliConfig(args, context, tables))
        return 1;
    if (args.empty()) {
        context.err << "usage: tolvex-cli check [--config CFG] FILE...\n";
        return 2;
    }
    // One table set for all files, as in the editor: a race added by one file
    // is known to the next.
    int status = 0;
    for (const std::string& path : args) {
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            context.out << path << ": error: cannot open the file\n";
            status = 1;
            continue;
        }
        CTolvexDoc doc(tables);
        CDiagnosticList diagnostics;
        if (!doc.Load(file, diagnostics))
            status = 1;
        if (diagnostics.items.empty())
            context.out << path << ": ok\n";
        for (const CDiagnostic& d : diagnostics.items)
            PrintDiagnostic(context.out, path, d);
    }
    return status;
}

#include "cli/AreaFiles.h"

#include <sstream>

int RunConvertCommand(const std::vector<std::string>& arguments, CCliContext& context)
{
    std::vector<std::string> args;
    std::string dialect;
    bool noMobprogs = false;
    bool keepLayout = false;
    bool partial = false;
    std::vector<std::string> rest = arguments;
    CConfigTables tables;
    if (!LoadCliConfig(rest, context, tables))
        return 1;
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--dialect" && i + 1 < rest.size())
            dialect = rest[++i];
        else if (rest[i] == "--no-mobprogs")
            noMobprogs = true;
        else if (rest[i] == "--keep-layout")
            keepLayout = true;
        else if (rest[i] == "--partial")
            partial = true;
        else
            args.push_back(rest[i]);
    }
    if (args.size() != 2) {
        context.err << "usage: tolvex-cli convert [--config CFG] [--dialect quendar|romdefault|romolc] [--no-mobprogs] "
                       "[--keep-layout] [--partial] IN OUT\n";
        return 2;
    }

    CTolvexDoc doc(tables);
    CSaveOptions options = doc.DefaultSaveOptions();
    if (dialect == "quendar")
        options.mudType = MudType::Quendar;
    else if (dialect == "romdefault")
        options.mudType = MudType::RomDefault;
    else if (dialect == "romolc")
        options.mudType = MudType::RomOlc;
    else if (!dialect.empty()) {
        context.err << "unknown dialect '" << dialect << "' (quendar, romdefault or romolc)\n";
        return 2;
    }
    if (noMobprogs)
        options.mobprogs = false;
    options.keepLayout = keepLayout;

    if (!LoadAreaFile(args[0], doc, context, options))
        return 1;
    if (doc.ReadInPart() && !partial) {
        context.err << args[1] << ": not written: " << args[0] << " was read only up to line " << doc.ReadUpToLine()
                    << " and the rest would be lost (--partial writes what was read)\n";
        return 1;
    }

    std::ostringstream out;
    CDiagnosticList diagnostics;
    doc.Save(out, args[0], diagnostics, options);
    for (const CDiagnostic& d : diagnostics.items)
        PrintDiagnostic(context.err, args[1], d);
    if (!WriteFileReplacing(args[1], out.str())) {
        context.err << args[1] << ": cannot be written\n";
        return 1;
    }
    return 0;
}

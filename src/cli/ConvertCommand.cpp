#include "AreaFiles.h"

#include <cstdio>
#include <fstream>

int RunConvertCommand(const std::vector<std::string>& arguments, CCliContext& context)
{
    std::vector<std::string> args;
    std::string dialect;
    bool noMobprogs = false;
    std::vector<std::string> rest = arguments;
    CConfigTables tables;
    if (!LoadCliConfig(rest, context, tables))
        return 1;
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--dialect" && i + 1 < rest.size())
            dialect = rest[++i];
        else if (rest[i] == "--no-mobprogs")
            noMobprogs = true;
        else
            args.push_back(rest[i]);
    }
    if (args.size() != 2) {
        context.err << "usage: tolvex-cli convert [--config CFG] [--dialect quendar|romdefault|romolc] [--no-mobprogs] IN OUT\n";
        return 2;
    }

    CTolvexDoc doc(tables);
    CSaveOptions options = doc.DefaultSaveOptions();
    if (dialect == "quendar")
        options.mudType = MudQuendar;
    else if (dialect == "romdefault")
        options.mudType = MudRomDefault;
    else if (dialect == "romolc")
        options.mudType = MudRomOlc;
    else if (!dialect.empty()) {
        context.err << "unknown dialect '" << dialect << "' (quendar, romdefault or romolc)\n";
        return 2;
    }
    if (noMobprogs)
        options.mobprogs = false;

    if (!LoadAreaFile(args[0], doc, context))
        return 1;

    // Written aside and then renamed, so a failed write never damages OUT.
    const std::string temporary = args[1] + ".tolvex-tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        CDiagnosticList diagnostics;
        if (out)
            doc.Save(out, args[0], diagnostics, options);
        for (const CDiagnostic& d : diagnostics.items)
            PrintDiagnostic(context.err, args[1], d);
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            context.err << args[1] << ": error: cannot write the file\n";
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), args[1].c_str()) != 0) {
        std::remove(temporary.c_str());
        context.err << args[1] << ": error: cannot write the file\n";
        return 1;
    }
    return 0;
}

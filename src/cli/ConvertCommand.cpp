#include "cli/AreaFiles.h"
#include "cli/CommandLine.h"

#include "text/AtomicFile.h"
#include "text/TextReader.h"

#include <sstream>

namespace {

// The command takes the dialects' names in lower case.
bool FindDialect(const std::string& name, MudType& type)
{
    return name == AsciiLower(name) && FindMudType(AsciiUpper(name), type);
}

std::string DialectChoices()
{
    std::string choices;
    const auto& names = MudTypeNames();
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            choices += i + 1 == names.size() ? " or " : ", ";
        choices += AsciiLower(names[i].name);
    }
    return choices;
}

} // namespace

int RunConvertCommand(const std::vector<std::string>& arguments, CCliContext& context)
{
    CCommandLine line("convert",
        "usage: tolvex-cli convert [--config CFG] [--dialect quendar|romdefault|romolc] [--no-mobprogs] "
        "[--rewrap] [--keep-layout] [--partial] IN OUT\n",
        { { "--config", true }, { "--dialect", true }, { "--no-mobprogs", false }, { "--rewrap", false },
            { "--keep-layout", false }, { "--partial", false } },
        2, 2);
    const int parsed = line.Parse(arguments, context);
    if (parsed >= 0)
        return parsed;
    const std::string dialect = line.Value("--dialect");
    MudType mudType = MudType::Quendar;
    if (line.Has("--dialect") && !FindDialect(dialect, mudType)) {
        context.err << "unknown dialect '" << dialect << "' (" << DialectChoices() << ")\n";
        return 2;
    }
    CConfigTables tables;
    if (!LoadCliConfig(line.Value("--config"), context, tables))
        return 1;

    CTolvexDoc doc(tables);
    CSaveOptions options = doc.DefaultSaveOptions();
    if (line.Has("--dialect"))
        options.mudType = mudType;
    if (line.Has("--no-mobprogs"))
        options.mobprogs = false;
    // Texts are written as read; --keep-layout, which asked for that before
    // it was the rule, is still taken.
    options.rewrapAll = line.Has("--rewrap");

    const std::string& in = line.Operands()[0];
    const std::string& outPath = line.Operands()[1];
    if (!LoadAreaFile(in, doc, context, options))
        return 1;
    if (doc.ReadInPart() && !line.Has("--partial")) {
        context.err << outPath << ": not written: " << in << " was read only up to line " << doc.ReadUpToLine()
                    << " and the rest would be lost (--partial writes what was read)\n";
        return 1;
    }

    if (IsReadOnlyFile(outPath)) {
        context.err << outPath << ": not written: the file is read-only\n";
        return 1;
    }

    std::ostringstream out;
    CDiagnosticList diagnostics;
    doc.Save(out, in, diagnostics, options);
    for (const CDiagnostic& d : diagnostics.items)
        PrintDiagnostic(context.err, outPath, d);
    std::string error;
    if (!WriteFileAtomically(outPath, out.str(), error)) {
        context.err << outPath << ": cannot be written\n";
        return 1;
    }
    return 0;
}

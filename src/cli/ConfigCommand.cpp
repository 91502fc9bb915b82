#include "cli/AreaFiles.h"
#include "cli/CommandLine.h"

#include "text/TextWriter.h"
#include "config/ConfigLoader.h"
#include "config/ConfigLocator.h"
#include "config/TableNames.h"

#include <sstream>

namespace {

void DumpTables(const CConfigTables& t, std::ostream& out)
{
    for (const CTableDescriptor& table : ConfigTableList()) {
        const std::string name = table.name;
        if (table.table) {
            const auto& entries = t.*(table.table);
            for (int i = 0; i < entries.Count(); ++i)
                out << name << '\t' << i << '\t' << entries[i].name << '\t' << entries[i].value << '\t' << entries[i].text << '\n';
        } else if (table.kind == TableKind::ObjTypes) {
            for (int i = 0; i < t.objTypes.Count(); ++i) {
                const CObjTypeEntry& type = t.objTypes[i];
                out << "OBJTYPES\t" << i << '\t' << type.name << '\t' << type.value << '\n';
                for (int s = 0; s < 5; ++s)
                    out << "OBJSLOT\t" << i << '\t' << s << '\t' << type.slots[s].kind << '\t' << static_cast<int>(type.slots[s].binding) << '\t' << type.slots[s].label << '\n';
                for (int s = 0; s < 5; ++s)
                    for (const auto& own : type.slots[s].own)
                        out << "OWN\t" << i << '\t' << s << '\t' << own->name << '\t' << own->value << '\n';
            }
        } else if (table.kind == TableKind::Races) {
            for (int i = 0; i < t.mobFlags.Count(); ++i) {
                const CRaceEntry& r = t.mobFlags[i];
                out << "MOBFLAGS\t" << i << '\t' << r.name;
                for (uint32_t set : { r.act, r.aff, r.off, r.imm, r.res, r.vuln, r.form, r.parts })
                    out << '\t' << FlagsToLetters(set);
                out << '\n';
            }
        } else {
            for (int i = 0; i < t.sectorColors.Count(); ++i) {
                const CSectorColorEntry& c = t.sectorColors[i];
                out << "SECTORCOLORS\t" << i << '\t' << c.sector << '\t' << c.red << '\t' << c.green << '\t' << c.blue << '\n';
            }
        }
    }
}

} // namespace

bool LoadCliConfig(const std::string& configPath, CCliContext& context, CConfigTables& tables)
{
    const std::string path = configPath.empty() ? FindConfigFile(context.executableDir) : configPath;
    int line = 0;
    std::string bytes;
    std::string reason;
    if (!path.empty() && !ReadFileBytes(path, bytes, reason)) {
        PrintOpenError(context.err, path, reason);
        return false;
    }
    std::istringstream in(std::move(bytes));
    if (path.empty() || !LoadConfig(tables, in, line)) {
        context.err << Format("Error leyendo tolvex.cfg! (%i)", { line }) << '\n';
        if (path.empty())
            context.err << ConfigNotFoundText(context.executableDir);
        return false;
    }
    return true;
}

int RunConfigCommand(const std::vector<std::string>& args, CCliContext& context)
{
    CCommandLine line("config", "usage: tolvex-cli config [--dump] [CFG]\n", { { "--dump", false } }, 0, 1);
    const int status = line.Parse(args, context);
    if (status >= 0)
        return status;
    CConfigTables tables;
    if (!LoadCliConfig(line.Operands().empty() ? std::string() : line.Operands()[0], context, tables))
        return 1;

    std::ostream& out = context.out;
    out << "MUDTYPE " << MudTypeName(tables.mudType) << '\n';
    out << "MOBPROG " << tables.mobprog << '\n';
    out << "ISDOOR " << FlagsToLetters(tables.isDoor) << '\n';
    out << "LOCKED " << FlagsToLetters(tables.locked) << '\n';
    for (const CTableDescriptor& table : ConfigTableList())
        out << table.name << ' ' << TableCount(tables, table) << '\n';
    if (line.Has("--dump"))
        DumpTables(tables, out);
    return 0;
}

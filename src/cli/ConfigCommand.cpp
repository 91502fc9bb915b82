#include "cli/CliCommands.h"

#include "text/TextWriter.h"
#include "config/ConfigLoader.h"
#include "config/ConfigLocator.h"
#include "config/TableNames.h"

#include <algorithm>

namespace {

const char* MudTypeName(int mudType)
{
    switch (mudType) {
    case MudRomDefault: return "ROMDEFAULT";
    case MudRomOlc: return "ROMOLC";
    default: return "QUENDAR";
    }
}

void DumpTables(const CConfigTables& t, std::ostream& out)
{
    const CPlainTableRef* order = TableOrder();
    for (int table = 0; table < TableOrderCount; ++table) {
        const std::string name = order[table].name;
        if (order[table].table) {
            const auto& entries = t.*(order[table].table);
            for (int i = 0; i < entries.Count(); ++i)
                out << name << '\t' << i << '\t' << entries[i].name << '\t' << entries[i].value << '\t' << entries[i].text << '\n';
        } else if (name == "OBJTYPES") {
            for (int i = 0; i < t.objTypes.Count(); ++i) {
                const CObjTypeEntry& type = t.objTypes[i];
                out << "OBJTYPES\t" << i << '\t' << type.name << '\t' << type.value << '\n';
                for (int s = 0; s < 5; ++s)
                    out << "OBJSLOT\t" << i << '\t' << s << '\t' << type.slots[s].kind << '\t' << type.slots[s].binding << '\t' << type.slots[s].label << '\n';
                for (int s = 0; s < 5; ++s)
                    for (const auto& own : type.slots[s].own)
                        out << "OWN\t" << i << '\t' << s << '\t' << own->name << '\t' << own->value << '\n';
            }
        } else if (name == "MOBFLAGS") {
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

bool LoadCliConfig(std::vector<std::string>& args, CCliContext& context, CConfigTables& tables)
{
    std::string path;
    auto option = std::find(args.begin(), args.end(), "--config");
    if (option != args.end()) {
        if (option + 1 == args.end()) {
            context.err << "--config needs a file\n";
            return false;
        }
        path = *(option + 1);
        args.erase(option, option + 2);
    } else {
        path = FindConfigFile(context.executableDir);
    }
    int line = 0;
    if (path.empty() || !LoadConfig(tables, path, line)) {
        context.err << Format("Error leyendo tolvex.cfg! (%i)", { line }) << '\n';
        return false;
    }
    return true;
}

int RunConfigCommand(const std::vector<std::string>& args, CCliContext& context)
{
    bool dump = false;
    std::vector<std::string> rest;
    for (const std::string& arg : args) {
        if (arg == "--dump")
            dump = true;
        else
            rest.push_back(arg);
    }
    if (rest.size() > 1) {
        context.err << "usage: tolvex-cli config [--dump] [CFG]\n";
        return 2;
    }
    std::vector<std::string> configArgs;
    if (!rest.empty())
        configArgs = { "--config", rest[0] };
    CConfigTables tables;
    if (!LoadCliConfig(configArgs, context, tables))
        return 1;

    std::ostream& out = context.out;
    out << "MUDTYPE " << MudTypeName(tables.mudType) << '\n';
    out << "MOBPROG " << tables.mobprog << '\n';
    out << "ISDOOR " << FlagsToLetters(tables.isDoor) << '\n';
    out << "LOCKED " << FlagsToLetters(tables.locked) << '\n';
    for (int i = 0; i < TableOrderCount; ++i)
        out << TableOrder()[i].name << ' ' << TableCount(tables, i) << '\n';
    if (dump)
        DumpTables(tables, out);
    return 0;
}

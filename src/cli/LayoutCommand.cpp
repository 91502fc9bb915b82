#include "cli/AreaFiles.h"
#include "cli/CommandLine.h"

#include "layout/RoomLayout.h"

int RunLayoutCommand(const std::vector<std::string>& arguments, CCliContext& context)
{
    CCommandLine line("layout", "usage: tolvex-cli layout [--config CFG] [--cell N] [--all] FILE  (N > 0)\n",
        { { "--config", true }, { "--cell", true }, { "--all", false } }, 1, 1);
    const int parsed = line.Parse(arguments, context);
    if (parsed >= 0)
        return parsed;
    int cell = 12;
    if (!line.IntValue("--cell", 1, INT_MAX, cell, context))
        return 2;
    CConfigTables tables;
    if (!LoadCliConfig(line.Value("--config"), context, tables))
        return 1;
    const std::string& path = line.Operands()[0];
    CTolvexDoc doc(tables);
    if (!LoadAreaFile(path, doc, context))
        return 1;
    LayOutMap(path, doc, line.Has("--all"), context);
    for (const CRoomData& room : doc.rooms) {
        if (room.unplaced)
            context.out << room.vnum << " unplaced\n";
        else
            context.out << room.vnum << ' ' << RoomX(room, cell) << ' ' << RoomY(room, cell) << ' ' << room.level << '\n';
    }
    context.out << "levels " << doc.lowestLevel << ' ' << doc.highestLevel << '\n';
    return 0;
}

#include "cli/AreaFiles.h"

#include "layout/RoomLayout.h"

int RunLayoutCommand(const std::vector<std::string>& arguments, CCliContext& context)
{
    std::vector<std::string> args = arguments;
    const bool allRooms = TakeFlag(args, "--all");
    CConfigTables tables;
    if (!LoadCliConfig(args, context, tables))
        return 1;
    int cell = 12;
    if (!TakeIntOption(args, "--cell", cell, context))
        return 2;
    if (args.size() != 1 || cell <= 0) {
        context.err << "usage: tolvex-cli layout [--config CFG] [--cell N] [--all] FILE  (N > 0)\n";
        return 2;
    }
    CTolvexDoc doc(tables);
    if (!LoadAreaFile(args[0], doc, context))
        return 1;
    LayOutMap(args[0], doc, allRooms, context);
    for (const CRoomData& room : doc.rooms) {
        if (room.unplaced)
            context.out << room.vnum << " unplaced\n";
        else
            context.out << room.vnum << ' ' << RoomX(room, cell) << ' ' << RoomY(room, cell) << ' ' << room.level << '\n';
    }
    context.out << "levels " << doc.lowestLevel << ' ' << doc.highestLevel << '\n';
    return 0;
}

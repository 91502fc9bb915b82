#include "cli/AreaFiles.h"
#include "cli/CommandLine.h"
#include "cli/WorldFiles.h"

#include "player/PlayerModel.h"

#include <algorithm>
#include <climits>

namespace {

const char* const LookUsage =
    "usage: tolvex-cli look [--world LIST] --room VNUM [--config CFG] FILE [COMMAND...]\n"
    "Boots FILE (with --world, the areas of LIST, which must name FILE) as the server\n"
    "does and prints what a level-1 mortal standing in room VNUM sees. Each COMMAND\n"
    "(one argument each: look [KEYWORD], exits, a direction, open DIR, close DIR) is\n"
    "then run in turn and printed as a line \"> COMMAND\" and what the server answers.\n"
    "What the model cannot know for sure about the rooms shown goes to standard\n"
    "error as \"note: \" lines.\n";

} // namespace

int RunLookCommand(const std::vector<std::string>& arguments, CCliContext& context)
{
    CCommandLine line("look", LookUsage, { { "--config", true }, { "--room", true }, { "--world", true } }, 1, AnyNumber);
    const int parsed = line.Parse(arguments, context);
    if (parsed >= 0)
        return parsed;
    if (!line.Has("--room"))
        return line.UsageError("--room is needed", context);
    int room = 0;
    if (!line.IntValue("--room", 1, INT_MAX, room, context))
        return 2;
    const std::string& areaPath = line.Operands()[0];
    const std::vector<std::string> commands(line.Operands().begin() + 1, line.Operands().end());

    std::vector<std::string> paths;
    std::size_t area = 0;
    if (!AreaAndWorldPaths(line, areaPath, "", paths, area, context))
        return 1;
    CConfigTables tables;
    if (!LoadCliConfig(line.Value("--config"), context, tables))
        return 1;
    std::vector<CCheckedFile> files;
    ReadAreaFiles(paths, tables, files);
    // The server boots what it can read; what it could not is said, and
    // only the area looked in must be there.
    std::vector<CWorldArea> world;
    for (const CCheckedFile& file : files) {
        PrintReadErrors(context.err, file);
        if (file.doc)
            world.push_back({ FileNamePart(file.path), file.doc.get() });
    }
    if (!files[area].doc)
        return 1;

    CPlayerModel model(tables, world);
    if (!model.SetRoom(room)) {
        context.err << areaPath << ": no room " << room << (line.Has("--world") ? " in the world" : " in the area") << '\n';
        return 1;
    }
    std::vector<int> shown { room };
    context.out << model.Look();
    for (const std::string& command : commands) {
        context.out << "> " << command << '\n'
                    << model.Command(command);
        if (std::find(shown.begin(), shown.end(), model.Room()) == shown.end())
            shown.push_back(model.Room());
    }
    for (int vnum : shown)
        for (const std::string& note : model.RoomNotes(vnum))
            context.err << "note: " << note << '\n';
    return 0;
}

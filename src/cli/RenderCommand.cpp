#include "cli/AreaFiles.h"

#include "area/CTolvexDoc.h"
#include "config/ConfigTables.h"
#include "layout/MapDrawing.h"
#include "layout/SvgCanvas.h"

#include <sstream>

namespace {

const char* const RenderUsage =
    "usage: tolvex-cli render [--config CFG] [--level L] [--cell C] [--select VNUM] [--all] FILE OUT.svg\n";

// Cells beyond this would overflow the coordinates of a large area.
constexpr int MaxCell = 4096;

struct CRenderOptions {
    std::vector<std::string> configArgs;
    int level = 0;
    int cell = 12;
    bool hasSelect = false;
    int selectVnum = 0;
    bool allRooms = false;
    std::string input;
    std::string output;
};

bool ParseArgs(const std::vector<std::string>& args, CRenderOptions& options, std::ostream& err)
{
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--config" || arg == "--level" || arg == "--cell" || arg == "--select";
        if (arg == "--all") {
            options.allRooms = true;
            continue;
        }
        if (!takesValue) {
            if (arg.size() > 1 && arg[0] == '-') {
                err << "render: unknown option '" << arg << "'\n";
                return false;
            }
            files.push_back(arg);
            continue;
        }
        if (i + 1 == args.size()) {
            err << "render: " << arg << " needs a value\n";
            return false;
        }
        const std::string& value = args[++i];
        if (arg == "--config") {
            options.configArgs = { "--config", value };
            continue;
        }
        int number = 0;
        if (!ParseInt(value, number)) {
            err << "render: " << arg << " needs a number, not '" << value << "'\n";
            return false;
        }
        if (arg == "--level") {
            options.level = number;
        } else if (arg == "--cell") {
            if (number < 1 || number > MaxCell) {
                err << "render: --cell must be from 1 to " << MaxCell << '\n';
                return false;
            }
            options.cell = number;
        } else {
            options.hasSelect = true;
            options.selectVnum = number;
        }
    }
    if (files.size() != 2) {
        err << "render: needs an area file and an output file\n";
        return false;
    }
    options.input = files[0];
    options.output = files[1];
    return true;
}

} // namespace

int RunRenderCommand(const std::vector<std::string>& args, CCliContext& context)
{
    CRenderOptions options;
    if (!ParseArgs(args, options, context.err)) {
        context.err << RenderUsage;
        return 2;
    }
    CConfigTables tables;
    if (!LoadCliConfig(options.configArgs, context, tables))
        return 1;

    CTolvexDoc doc(tables);
    if (!LoadAreaFile(options.input, doc, context))
        return 1;
    LayOutMap(options.input, doc, options.allRooms, context);

    int selected = -1;
    if (options.hasSelect) {
        selected = doc.FindRoomIndex(options.selectVnum, -1);
        if (selected < 0)
            context.err << options.input << ": warning: no room has vnum " << options.selectVnum
                        << "; nothing is selected\n";
    }

    std::ostringstream svg;
    const CMapSize size = ScrollSize(doc, options.cell);
    CSvgCanvas canvas(svg, size.width, size.height);
    DrawMap(canvas, doc, options.cell, options.level, selected);
    canvas.Finish();
    if (!WriteFileReplacing(options.output, svg.str())) {
        context.err << options.output << ": cannot be written\n";
        return 1;
    }
    return 0;
}

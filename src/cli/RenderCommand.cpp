#include "cli/AreaFiles.h"
#include "cli/CommandLine.h"

#include "area/CTolvexDoc.h"
#include "config/ConfigTables.h"
#include "draw/MapDrawing.h"
#include "draw/SvgCanvas.h"
#include "text/AtomicFile.h"

#include <sstream>

namespace {

const char* const RenderUsage = "usage: tolvex-cli render [--config CFG] [--level L] [--cell C] [--select VNUM] [--all] FILE OUT.svg\n";

// Cells beyond this would overflow the coordinates of a large area.
constexpr int MaxCell = 4096;

} // namespace

int RunRenderCommand(const std::vector<std::string>& args, CCliContext& context)
{
    CCommandLine line("render", RenderUsage,
        { { "--config", true }, { "--level", true }, { "--cell", true }, { "--select", true }, { "--all", false } }, 2, 2);
    const int parsed = line.Parse(args, context);
    if (parsed >= 0)
        return parsed;
    int level = 0;
    int cell = 12;
    int selectVnum = 0;
    if (!line.IntValue("--level", INT_MIN, INT_MAX, level, context) || !line.IntValue("--cell", 1, MaxCell, cell, context)
        || !line.IntValue("--select", INT_MIN, INT_MAX, selectVnum, context))
        return 2;
    const std::string& input = line.Operands()[0];
    const std::string& output = line.Operands()[1];
    CConfigTables tables;
    if (!LoadCliConfig(line.Value("--config"), context, tables))
        return 1;

    CTolvexDoc doc(tables);
    if (!LoadAreaFile(input, doc, context))
        return 1;
    LayOutMap(input, doc, line.Has("--all"), context);

    int selected = -1;
    if (line.Has("--select")) {
        selected = doc.FindRoomIndex(selectVnum, -1);
        if (selected < 0)
            context.err << input << ": warning: no room has vnum " << selectVnum << "; nothing is selected\n";
    }

    std::ostringstream svg;
    const CMapSize size = ScrollSize(doc, cell);
    CSvgCanvas canvas(svg, size.width, size.height);
    DrawMap(canvas, doc, cell, level, selected);
    canvas.Finish();
    std::string error;
    if (!WriteFileAtomically(output, svg.str(), error)) {
        context.err << output << ": cannot be written\n";
        return 1;
    }
    return 0;
}

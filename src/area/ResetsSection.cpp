#include "area/ResetKinds.h"
#include "area/Sections.h"
#include "text/TextWriter.h"

namespace {

// How many arguments the file carries for a command, after the 0 that every
// reset line starts with; 0 for a command the game does not know.
int FileArgumentCount(char command)
{
    const CResetKind* kind = FindResetKind(command);
    return kind ? kind->fileArguments : 0;
}

void WriteReset(std::ostream& out, const CResetData& reset)
{
    const int count = FileArgumentCount(reset.command);
    if (count == 0)
        return;
    const int args[] = { reset.arg1, reset.arg2, reset.arg3, reset.arg4 };
    std::string line = Format("%c 0", { reset.command });
    for (int i = 0; i < count; ++i)
        line += Format(" %d", { args[i] });
    line += '\n';
    out << line;
}

} // namespace

bool ReadResets(CReadContext& c)
{
    std::vector<CResetData>& resets = c.doc.resets;
    for (;;) {
        const char command = AsciiUpperByte(c.in.ReadChar());
        if (command == 'S' || command == 0)
            return true;
        if (command == '*') {
            c.in.SkipLine();
            continue;
        }
        const int line = c.in.TokenLine();
        CResetData reset;
        reset.command = command;
        reset.line = line;
        c.in.ReadNumber();
        reset.arg1 = c.in.ReadNumber();
        reset.arg2 = c.in.ReadNumber();
        // An unknown command is read as three numbers, and then dropped.
        const int count = FileArgumentCount(command) > 0 ? FileArgumentCount(command) : 3;
        if (count >= 3)
            reset.arg3 = c.in.ReadNumber();
        if (count >= 4)
            reset.arg4 = c.in.ReadNumber();
        // A number taken from a later line means this one was short; the rest
        // of that later line is then skipped below with the comment.
        if (c.in.TokenLine() != line)
            Warn(c.diagnostics, line,
                Format("The reset at line %d lacks numbers: it took them from the next line, whose rest was skipped.", { line }));
        SkipRestOfLine(c.in);
        if (FileArgumentCount(command) == 0)
            Warn(c.diagnostics, line,
                Format("The reset at line %d has the unknown command '%c' and will not be saved.", { line, command }));
        resets.push_back(reset);
    }
}

void WriteResets(CWriteContext& c)
{
    c.out << "#RESETS\n";
    // Stray resets that came before any room reset lead the section, as they
    // did in the file: after the rooms' resets a G or E would arm the last
    // mob of the last room.
    const std::vector<CResetData>& strays = c.doc.strayResets;
    size_t leading = 0;
    while (leading < strays.size() && !NamesItsRoom(strays[leading].command))
        ++leading;
    for (size_t i = 0; i < leading; ++i)
        WriteReset(c.out, strays[i]);
    for (const CResetData& reset : c.doc.RoomResets())
        WriteReset(c.out, reset);
    for (size_t i = leading; i < strays.size(); ++i)
        WriteReset(c.out, strays[i]);
    c.out << "S\n\n\n\n";
}

void CTolvexDoc::DistributeResets(IDiagnostics* diagnostics)
{
    for (CRoomData& room : rooms)
        room.resets.clear();
    strayResets.clear();
    int roomIndex = -1; // no room before the first reset that names one
    int firstStrayLine = 0;
    for (const CResetData& reset : resets) {
        if (NamesItsRoom(reset.command))
            roomIndex = FindRoomIndex(*RoomArgument(reset));
        if (roomIndex >= 0) {
            rooms[static_cast<size_t>(roomIndex)].resets.push_back(reset);
        } else if (FileArgumentCount(reset.command) > 0) {
            // Such a reset names a room of another area, where the game
            // still runs it: keep it.
            if (strayResets.empty())
                firstStrayLine = reset.line;
            strayResets.push_back(reset);
        }
    }
    if (diagnostics && !strayResets.empty()) {
        const int count = static_cast<int>(strayResets.size());
        const std::string where = firstStrayLine > 0 ? Format(" (the first at line %d)", { firstStrayLine }) : std::string();
        Warn(*diagnostics, firstStrayLine,
            Format("Resets that reach no room of this area: %d%s. They are kept and saved with the area's own.", { count, where }));
    }
}

std::vector<CResetData> CTolvexDoc::RoomResets() const
{
    std::vector<CResetData> list;
    for (const CRoomData& room : rooms) {
        for (const CResetData& roomReset : room.resets) {
            CResetData reset = roomReset;
            if (int* roomArgument = RoomArgument(reset))
                *roomArgument = room.vnum;
            list.push_back(reset);
        }
    }
    return list;
}

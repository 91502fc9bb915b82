#include "area/ReadHelpers.h"
#include "area/ResetKinds.h"
#include "area/Sections.h"
#include "text/TextWriter.h"

namespace {

void WriteReset(CTextOut& out, const CResetData& reset)
{
    const int count = FileArgumentCount(reset.command);
    if (count == 0)
        return;
    out << reset.command << " 0 " << reset.arg1;
    if (count >= 2)
        out << ' ' << reset.arg2;
    if (count >= 3)
        out << ' ' << reset.arg3;
    if (count >= 4)
        out << ' ' << reset.arg4;
    out << '\n';
}

} // namespace

bool ReadResets(CReadContext& c)
{
    std::vector<CResetData>& resets = c.doc.resets;
    for (;;) {
        const char command = AsciiUpperByte(c.in.ReadChar());
        if (command == 'S' || command == 0) {
            FitToSize(resets);
            return true;
        }
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
    for (const CRoomData& room : c.doc.rooms)
        for (CResetData reset : room.resets) {
            // As RoomResets gives them: naming the room that holds them.
            if (int* roomArgument = RoomArgument(reset))
                *roomArgument = room.vnum;
            WriteReset(c.out, reset);
        }
    for (size_t i = leading; i < strays.size(); ++i)
        WriteReset(c.out, strays[i]);
    c.out << "S\n\n\n\n";
}

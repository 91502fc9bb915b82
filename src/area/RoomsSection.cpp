#include "area/ReadHelpers.h"
#include "area/Sections.h"
#include "text/TextWriter.h"

#include <utility>

namespace {

// The ROM lock code of a `D` line lives in three exit-flag bits.
constexpr uint32_t DoorBit = 0x01;
constexpr uint32_t LockBit5 = 0x20;
constexpr uint32_t LockBit6 = 0x40;

// Flags of lock codes 1 to 4; 0 and unknown codes leave the flags alone.
bool FlagsOfLockCode(int code, uint32_t& flags)
{
    static const uint32_t byCode[] = { DoorBit, DoorBit | LockBit5, DoorBit | LockBit6, DoorBit | LockBit5 | LockBit6 };
    if (code < 1 || code > 4)
        return false;
    flags = byCode[code - 1];
    return true;
}

bool IsDirection(int d)
{
    return d >= 0 && d < DirectionCount;
}

} // namespace

int LockCodeOfFlags(uint32_t flags)
{
    if (!(flags & DoorBit))
        return 0;
    return 1 + ((flags & LockBit5) ? 1 : 0) + ((flags & LockBit6) ? 2 : 0);
}

namespace {

// What the section reader tells the builder once, at the end of the section.
struct CRoomsNotes {
    int nowhereCount = 0;
    int nowhereLine = 0;
    int badDirectionCount = 0;
    int badDirectionLine = 0;
    int strayCount = 0;
    int strayLine = 0;

    static void Count(int& count, int& first, int line)
    {
        if (count++ == 0 || line < first)
            first = line;
    }
};

void ReadExit(CReadContext& c, CRoomData& room, std::array<int, DirectionCount>& exitLines, CRoomsNotes& notes)
{
    CTextReader& in = c.in;
    const int line = in.TokenLine();
    const int direction = in.ReadNumber();
    CExitData read;
    read.description = ReadDescription(c, "room", room.vnum);
    read.keyword = in.ReadTildeString();
    const int lockCode = in.ReadNumber();
    read.key = in.ReadNumber();
    read.toVnum = in.ReadNumber();
    if (!IsDirection(direction)) {
        CRoomsNotes::Count(notes.badDirectionCount, notes.badDirectionLine, line);
        return;
    }
    CExitData& exit = room.exits[static_cast<size_t>(direction)];
    read.exitFlags = exit.exitFlags;
    FlagsOfLockCode(lockCode, read.exitFlags);
    exit = std::move(read);
    exitLines[static_cast<size_t>(direction)] = line;
}

void ReadExitFlags(CTextReader& in, CRoomData& room, CRoomsNotes& notes)
{
    const int line = in.TokenLine();
    const int direction = in.ReadNumber();
    const uint32_t flags = in.ReadFlags();
    if (IsDirection(direction))
        room.exits[static_cast<size_t>(direction)].exitFlags = flags;
    else
        CRoomsNotes::Count(notes.badDirectionCount, notes.badDirectionLine, line);
}

// Record lines up to `S` or the end of the file.
void ReadRecordLines(CReadContext& c, CRoomData& room, CRoomsNotes& notes)
{
    CTextReader& in = c.in;
    // The line of the `D` line that last set each exit, 0 for none.
    std::array<int, DirectionCount> exitLines {};
    for (;;) {
        const char letter = AsciiUpperByte(in.ReadChar());
        if (letter == 'S' || letter == 0)
            break;
        switch (letter) {
        case 'H':
            room.healRate = in.ReadNumber();
            break;
        case 'M':
            room.manaRate = in.ReadNumber();
            break;
        case 'E': {
            CExtraDescData extra;
            extra.keyword = in.ReadTildeString();
            extra.description = ReadDescription(c, "room", room.vnum);
            room.extraDescs.push_back(std::move(extra));
            break;
        }
        case 'D':
            ReadExit(c, room, exitLines, notes);
            break;
        case 'X':
            ReadExitFlags(in, room, notes);
            break;
        case 'C':
            room.clan = in.ReadTildeString();
            break;
        case 'O':
            room.owner = in.ReadTildeString();
            break;
        default:
            CRoomsNotes::Count(notes.strayCount, notes.strayLine, in.TokenLine());
            break;
        }
    }
    for (size_t d = 0; d < exitLines.size(); ++d)
        if (exitLines[d] != 0 && room.exits[d].toVnum == 0)
            CRoomsNotes::Count(notes.nowhereCount, notes.nowhereLine, exitLines[d]);
}

// "3 exits lead ...; the first is at line 9." or "1 exit leads ...; it is at line 9."
std::string CountedAt(int count, const char* one, const char* many, int line)
{
    return Format(count == 1 ? "%d %s; it is at line %d." : "%d %s; the first is at line %d.",
        { count, count == 1 ? one : many, line });
}

void ReportReadNotes(IDiagnostics& diagnostics, const CRoomsNotes& notes)
{
    if (notes.nowhereCount > 0)
        Warn(diagnostics, notes.nowhereLine,
            CountedAt(notes.nowhereCount, "exit leads to vnum 0 and will not be saved",
                "exits lead to vnum 0 and will not be saved", notes.nowhereLine));
    if (notes.badDirectionCount > 0)
        Warn(diagnostics, notes.badDirectionLine,
            CountedAt(notes.badDirectionCount, "exit line names a direction other than 0 to 5 and was dropped",
                "exit lines name a direction other than 0 to 5 and were dropped", notes.badDirectionLine));
    if (notes.strayCount > 0)
        Warn(diagnostics, notes.strayLine,
            CountedAt(notes.strayCount, "character in the rooms section was not understood and was skipped",
                "characters in the rooms section were not understood and were skipped", notes.strayLine));
}

void WriteRoom(CTextOut& out, const CRoomData& room, const CSaveOptions& options)
{
    const bool exitFlagLines = options.mudType == MudType::Quendar;
    out << '#' << room.vnum << '\n'
        << Cleaned(room.name) << "~\n";
    WriteDescription(out, options, room.description, room.descriptionEdited);
    out << "0 " << AsLetters(room.roomFlags) << ' ' << room.sector << '\n';
    if (room.healRate != 100 || room.manaRate != 100)
        out << "H " << room.healRate << " M " << room.manaRate << '\n';
    for (const CExtraDescData& e : room.extraDescs) {
        out << "E\n"
            << Cleaned(e.keyword) << "~\n";
        WriteDescription(out, options, e.description, e.edited);
    }
    for (int d = 0; d < DirectionCount; ++d) {
        const CExitData& exit = room.exits[static_cast<size_t>(d)];
        // A negative destination is kept: the game shows its description and
        // door even though the exit leads nowhere.
        if (exit.toVnum == 0)
            continue;
        out << 'D' << d << '\n';
        WriteDescription(out, options, exit.description, exit.descriptionEdited);
        out << Cleaned(exit.keyword) << "~\n"
            << LockCodeOfFlags(exit.exitFlags) << ' ' << exit.key << ' ' << exit.toVnum << '\n';
        if (exitFlagLines && exit.exitFlags != 0)
            out << 'X' << d << ' ' << AsLetters(exit.exitFlags) << '\n';
    }
    // Cleaned so that a `~` typed into them cannot end the text early.
    if (!room.clan.empty())
        out << "C " << Cleaned(room.clan) << "~\n";
    if (!room.owner.empty())
        out << "O " << Cleaned(room.owner) << "~\n";
    out << "S\n";
}

} // namespace

bool ReadRooms(CReadContext& c)
{
    CTextReader& in = c.in;
    CRoomsNotes notes;
    const size_t ahead = RecordsAhead(in);
    const size_t spare = c.doc.SpareRooms(c.doc.rooms.size() + ahead);
    c.doc.rooms.reserve(c.doc.rooms.size() + ahead + spare);
    while (in.ReadChar() == '#') {
        const int vnum = in.ReadNumber();
        if (vnum == 0)
            break;
        c.doc.rooms.emplace_back();
        CRoomData& room = c.doc.rooms.back();
        room.vnum = vnum;
        room.line = in.TokenLine();
        room.name = in.ReadTildeString();
        room.description = ReadDescription(c, "room", vnum);
        in.ReadNumber(); // the area number, which the game no longer uses
        room.roomFlags = in.ReadFlags();
        room.sector = in.ReadNumber();
        ReadRecordLines(c, room, notes);
        FitToSize(room.extraDescs);
    }
    FitToSize(c.doc.rooms, c.doc.SpareRooms(c.doc.rooms.size()));
    ReportReadNotes(c.diagnostics, notes);
    return true;
}

void WriteRooms(CWriteContext& c)
{
    c.out << "#ROOMS\n";
    for (const CRoomData& room : c.doc.rooms)
        WriteRoom(c.out, room, c.options);
    c.out << "#0\n\n\n\n";
}

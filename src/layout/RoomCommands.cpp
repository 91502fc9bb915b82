#include "layout/RoomLayout.h"
#include "layout/RoomCommands.h"

#include "area/CTolvexDoc.h"
#include "text/TextReader.h"

namespace RoomCommands {

int HitTest(const CTolvexDoc& doc, int cellSize, int level, int px, int py)
{
    for (size_t i = 0; i < doc.rooms.size(); ++i) {
        const CRoomData& room = doc.rooms[i];
        if (room.unplaced || room.level != level)
            continue;
        const int x = RoomX(room, cellSize);
        const int y = RoomY(room, cellSize);
        if (px >= x - HitHalfSize && px <= x + HitHalfSize && py >= y - HitHalfSize && py <= y + HitHalfSize)
            return static_cast<int>(i);
    }
    return -1;
}

CRoomProposal ProposeNewRoom(const CTolvexDoc& doc)
{
    CRoomProposal proposal;
    proposal.room.vnum = doc.FirstFreeRoomVnum();
    if (proposal.room.vnum == -1)
        proposal.error = NoVnumsAvailable;
    else
        proposal.ready = true;
    return proposal;
}

CRoomProposal ProposeRoomInDirection(const CTolvexDoc& doc, int from, int direction)
{
    CRoomProposal proposal;
    if (ValidSelection(doc, from) < 0 || OppositeDirection(direction) < 0)
        return proposal;
    const CRoomData& source = doc.rooms[static_cast<size_t>(from)];
    // Only a positive destination is an exit; anything else is replaced.
    if (source.exits[static_cast<size_t>(direction)].toVnum > 0) {
        proposal.error = ExitInThatDirection;
        return proposal;
    }
    proposal = ProposeNewRoom(doc);
    if (proposal.ready)
        proposal.room.exits[static_cast<size_t>(OppositeDirection(direction))].toVnum = source.vnum;
    return proposal;
}

int SelectionAfterDelete(int selection, int deleted)
{
    if (selection < 0 || selection == deleted)
        return -1;
    return selection > deleted ? selection - 1 : selection;
}

int FindRoomByText(const CTolvexDoc& doc, const std::string& text)
{
    const std::string wanted = AsciiLower(text);
    if (wanted.empty())
        return -1;
    const bool number = wanted.find_first_not_of("-0123456789") == std::string::npos;
    if (number) {
        const int found = doc.FindRoomIndex(NumberOfWord(wanted));
        if (found >= 0)
            return found;
    }
    for (size_t i = 0; i < doc.rooms.size(); ++i)
        if (AsciiLower(doc.rooms[i].name).find(wanted) != std::string::npos)
            return static_cast<int>(i);
    return -1;
}

int RoomThroughExit(const CTolvexDoc& doc, int from, int direction)
{
    if (ValidSelection(doc, from) < 0 || direction < 0 || direction >= DirectionCount)
        return -1;
    const int to = doc.rooms[static_cast<size_t>(from)].exits[static_cast<size_t>(direction)].toVnum;
    return to > 0 ? doc.FindRoomIndex(to) : -1;
}

int ValidSelection(const CTolvexDoc& doc, int selection)
{
    return selection >= 0 && selection < static_cast<int>(doc.rooms.size()) ? selection : -1;
}

bool CanLevelUp(const CTolvexDoc& doc, int shownLevel)
{
    return shownLevel <= doc.highestLevel;
}

bool CanLevelDown(const CTolvexDoc& doc, int shownLevel)
{
    return shownLevel >= doc.lowestLevel;
}

bool CanZoomIn(int cellSize)
{
    // 96 still zooms in, to 192; 192 does not.
    return cellSize * 2 <= MaxCellSize;
}

bool CanZoomOut(int cellSize)
{
    return cellSize > MinCellSize;
}

int ZoomIn(int cellSize)
{
    return CanZoomIn(cellSize) ? cellSize * 2 : cellSize;
}

int ZoomOut(int cellSize)
{
    return CanZoomOut(cellSize) ? cellSize / 2 : cellSize;
}

} // namespace RoomCommands

#include "rules/CRoomEditState.h"

#include "area/CTolvexDoc.h"
#include "area/ResetKinds.h"
#include "text/TextWriter.h"

CRoomEditState::CRoomEditState(const CRoomData& original, int lowest, int highest, int index)
    : room(original)
    , lowerVnum(lowest)
    , upperVnum(highest)
    , ownIndex(index)
{
}

const CExitData& CRoomEditState::SwitchExit(const CExitData& boxes, int direction)
{
    StoreExitBoxes(boxes);
    if (direction >= 0 && direction < DirectionCount)
        shownExit = direction;
    return room.exits[static_cast<size_t>(shownExit)];
}

void CRoomEditState::StoreExitBoxes(const CExitData& boxes)
{
    CExitData& exit = room.exits[static_cast<size_t>(shownExit)];
    exit.description = boxes.description;
    exit.keyword = boxes.keyword;
    exit.key = boxes.key;
    exit.toVnum = boxes.toVnum;
}

bool CRoomEditState::ToggleRoomFlag(uint32_t value)
{
    room.roomFlags ^= value;
    return (room.roomFlags & value) != 0;
}

bool CRoomEditState::ToggleExitFlag(uint32_t value)
{
    uint32_t& flags = room.exits[static_cast<size_t>(shownExit)].exitFlags;
    flags ^= value;
    return (flags & value) != 0;
}

void CRoomEditState::SetVnum(int vnum)
{
    room.vnum = vnum;
    for (CResetData& reset : room.resets)
        if (int* roomArgument = RoomArgument(reset))
            *roomArgument = vnum;
}

std::string CRoomEditState::CheckVnum(const CTolvexDoc& doc) const
{
    if (room.vnum < lowerVnum || room.vnum > upperVnum)
        return Format("VNum out or range! (%i to %i)", { lowerVnum, upperVnum });
    if (doc.FindRoomIndex(room.vnum, ownIndex) >= 0)
        return "That vnum is in use!";
    return std::string();
}

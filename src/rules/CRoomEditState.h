#pragma once

#include "area/CRoomData.h"

#include <string>

class CTolvexDoc;

// The Room Edit dialog's working copy and the decisions taken on it, apart
// from the widgets: which exit is shown, flag toggles, the vnum the resets
// name and what OK refuses.
class CRoomEditState {
public:
    // `ownIndex` is the room's place in the document, -1 for a new room.
    CRoomEditState(const CRoomData& room, int lowerVnum, int upperVnum, int ownIndex);

    CRoomData room;

    int ShownExit() const { return shownExit; }
    // Keeps `boxes` (what the exit boxes hold) as the shown exit and shows `direction`.
    const CExitData& SwitchExit(const CExitData& boxes, int direction);
    // The exit boxes' contents go into the shown exit; its flags stay.
    void StoreExitBoxes(const CExitData& boxes);

    // Toggle one flag; true when it is now set.
    bool ToggleRoomFlag(uint32_t value);
    bool ToggleExitFlag(uint32_t value);

    // The room's vnum as the box shows it: the resets that name the room
    // follow it (D and R in arg1, M and O in arg3).
    void SetVnum(int vnum);

    // The message OK shows, or an empty text when the vnum may be kept.
    std::string CheckVnum(const CTolvexDoc& doc) const;

private:
    int lowerVnum;
    int upperVnum;
    int ownIndex;
    int shownExit = DirNorth;
};

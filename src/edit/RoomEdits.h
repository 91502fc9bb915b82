#pragma once

#include "area/CRoomData.h"

class CTolvexDoc;

// What the area's room operations do to the records, before the editor lays
// the map out again and records the step.
namespace RoomEdits {

// Replaces room `index` (which must exist). When its vnum changed and no
// other room has the old one, every exit that led to the old vnum leads to
// the new one.
void ReplaceRoom(CTolvexDoc& doc, int index, CRoomData room);

// Appends the room as the editor left it and returns its index. With a `from`
// room, that room's exit in `direction` now leads to the new room's vnum (the
// builder may have changed it in the editor); the exit's other fields stay.
int AddRoom(CTolvexDoc& doc, const CRoomData& room, int from = -1, int direction = -1);

// Removes room `index` and clears every exit of the area that led to its vnum.
// False (and nothing changed) for an index outside the room list.
bool DeleteRoom(CTolvexDoc& doc, int index);

} // namespace RoomEdits

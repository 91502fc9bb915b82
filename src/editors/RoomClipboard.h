#pragma once

class CRoomData;

// The room's record on the system clipboard under "TOLVEX_ROOM", as the only
// content of the clipboard.
void CopyRoomToClipboard(const CRoomData& room);

// Reads the clipboard's room record over `room` (the vnum and the exits stay).
// False, with `room` untouched, when the clipboard holds no room, or only part
// of one (the builder is told).
bool PasteRoomFromClipboard(CRoomData& room);

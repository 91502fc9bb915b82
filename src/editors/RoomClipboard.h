#pragma once

class CRoomData;

// The room's record on the system clipboard under "TOLVEX_ROOM", as the only
// content of the clipboard.
void CopyRoomToClipboard(const CRoomData& room);

// Reads the clipboard's room record over `room` (the vnum and the exits stay).
// False, with `room` untouched, when the clipboard holds no room; a short or
// garbled record still gives what could be read.
bool PasteRoomFromClipboard(CRoomData& room);

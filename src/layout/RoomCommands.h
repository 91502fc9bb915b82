#pragma once

#include "area/CRoomData.h"

#include <string>

class CTolvexDoc;

// The decisions behind the map's room commands, apart from any window: the
// view asks here, shows what it is told and runs the room editor in between.
namespace RoomCommands {

inline const char* const NoVnumsAvailable = "No vnums available!";
inline const char* const ExitInThatDirection = "That room has an exit in that direction!";
inline const char* const ConfirmDelete = "Warning! You are about to delete a room.\nThis action is irreversible! Do you wish to continue?";

// Half the side of the square around a room's centre that a click selects,
// in map units whatever the zoom.
constexpr int HitHalfSize = 10;
constexpr int MinCellSize = 3;
constexpr int MaxCellSize = 192;

// The first room, in document order, that is placed on `level` and whose
// square holds the map point (px, py) of a map drawn at `cellSize`; -1 when
// none does.
int HitTest(const CTolvexDoc& doc, int cellSize, int level, int px, int py);

// A room for the editor to start from, or the reason none can be made.
struct CRoomProposal {
    bool ready = false; // the room may go to the editor
    std::string error; // when not ready and not empty: tell the builder
    CRoomData room;
};

// A free-standing room with the lowest free vnum.
CRoomProposal ProposeNewRoom(const CTolvexDoc& doc);
// A room beside room `from` in `direction`, with the exit back already set;
// not ready, without a message, when `from` names no room.
CRoomProposal ProposeRoomInDirection(const CTolvexDoc& doc, int from, int direction);

// Another view's selection once room `deleted` is gone: the same room where it
// still exists, -1 where it was the deleted one.
int SelectionAfterDelete(int selection, int deleted);

// Go to Room: the first room whose vnum is `text`, or else the first whose
// name holds `text` (ASCII letters matched without regard to case); -1.
int FindRoomByText(const CTolvexDoc& doc, const std::string& text);

// The room that room `from`'s exit in `direction` leads to, or -1.
int RoomThroughExit(const CTolvexDoc& doc, int from, int direction);

// A selection that names a room of the document, or -1.
int ValidSelection(const CTolvexDoc& doc, int selection);

// One empty level is shown above the highest and below the lowest in use.
bool CanLevelUp(const CTolvexDoc& doc, int shownLevel);
bool CanLevelDown(const CTolvexDoc& doc, int shownLevel);

// From 12 the zoom reaches 3, 6, 12, 24, 48, 96 and 192.
bool CanZoomIn(int cellSize);
bool CanZoomOut(int cellSize);
int ZoomIn(int cellSize);
int ZoomOut(int cellSize);

} // namespace RoomCommands

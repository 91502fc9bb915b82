#pragma once

#include <string>

class CRoomData;
class CTolvexDoc;

// Places the rooms on the map grid from the exits (the map layout): each
// placed room gets a column, a row and a level, the first column and row
// being 0. Rooms that the first room does not reach stay off the map, unless
// `allRooms`: then each room still off it, in document order, starts a group
// of its own, laid out the same way to the right of everything placed so far.
void LayoutRooms(CTolvexDoc& doc, bool allRooms = false);

// How many rooms the layout left off the map, and the warning that says so
// (empty when none).
int UnplacedRoomCount(const CTolvexDoc& doc);
std::string UnplacedRoomsWarning(const CTolvexDoc& doc);

// The map position, in pixels at `cellSize`, of a grid column or row: rooms
// sit four cells apart, the first three cells in. A negative cell size
// mirrors the map.
int MapCoordinate(int grid, int cellSize);
int RoomX(const CRoomData& room, int cellSize);
int RoomY(const CRoomData& room, int cellSize);

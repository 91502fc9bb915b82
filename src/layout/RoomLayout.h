#pragma once

class CRoomData;
class CTolvexDoc;

// Places every room on the map grid from the exits (the map layout): each
// placed room gets a column, a row and a level, the first column and row
// being 0.
void LayoutRooms(CTolvexDoc& doc);

// The map position, in pixels at `cellSize`, of a grid column or row: rooms
// sit four cells apart, the first three cells in. A negative cell size
// mirrors the map.
int MapCoordinate(int grid, int cellSize);
int RoomX(const CRoomData& room, int cellSize);
int RoomY(const CRoomData& room, int cellSize);

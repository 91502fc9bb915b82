#pragma once

class CTolvexDoc;

// Places every room on the map grid from the exits (the map layout).
void LayoutRooms(CTolvexDoc& doc, int cellSize);

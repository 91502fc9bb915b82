#pragma once

#include "draw/MapCanvas.h"

#include <cstdint>
#include <string>
#include <vector>

class CConfigTables;
class CMapGridIndex;
class CTolvexDoc;
class IOtherAreas;

namespace MapColors {
constexpr CMapColor Open { 0, 180, 0 };
constexpr CMapColor Door { 200, 200, 0 };
constexpr CMapColor Locked { 200, 0, 0 };
constexpr CMapColor Ghost { 210, 210, 210 };
constexpr CMapColor Black { 0, 0, 0 };
constexpr CMapColor White { 255, 255, 255 };
// Room boxes when the configuration has no sector colours at all.
constexpr CMapColor NoSector { 128, 128, 128 };
// Exits into another area of the world, and exits to a vnum no area has.
constexpr CMapColor OtherArea { 0, 100, 230 };
constexpr CMapColor DeadEnd { 150, 0, 150 };
} // namespace MapColors

// The colours drawn against the map's background: the level below and the
// selection frame's edge and ring. The defaults are for white paper.
struct CMapInk {
    CMapColor ghost = MapColors::Ghost;
    CMapColor edge = MapColors::Black;
    CMapColor ring = MapColors::White;
};

// Ink that reads on `background`: the defaults on a light one; on a dark one
// a ghost a little lighter than it and the frame's colours swapped.
CMapInk MapInkOn(CMapColor background);

// What a window adds to a map: an open world, and its background's ink.
struct CMapWorld {
    // The rooms beyond the drawn document: an exit to one of them is drawn
    // leaving the area, one to a vnum none of them has as a dead end.
    const IOtherAreas* others = nullptr;
    // A colour per room of the document in place of its sector's (the world
    // map's tint by area), or null.
    const std::vector<CMapColor>* roomColors = nullptr;
    CMapInk ink;
};

// Half the sector's colour and half the tint.
CMapColor TintColor(CMapColor sector, CMapColor tint);

struct CMapSize {
    int width = 0;
    int height = 0;
};

// The gap between a box and its exit lines, and the size of stub dots:
// the integer part of sqrt(c * c / 12).
int MapK(int cellSize);

// Pen width of the map's lines at a cell size (0: the thinnest line).
int MapPenWidth(int cellSize);

// Locked is tested before door; ghost levels are all grey.
CMapColor ExitColor(const CConfigTables& tables, uint32_t exitFlags, bool ghost);

// The SECTORCOLORS entry of the sector, or the table's first entry.
CMapColor SectorColor(const CConfigTables& tables, int sector);

// Draws the placed rooms of `level` with their exits, shifted by (ox, oy).
// `selected` is a room index (-1: none); a ghost level is drawn as grey
// outlines. With a clip rectangle, primitives entirely outside it are skipped;
// the order of the others is unchanged (unless the canvas takes batches).
// With an index built on the document's layout as well, only the rooms it
// finds near the clip are looked at.
void DrawLevel(IMapCanvas& canvas, const CTolvexDoc& doc, int level, int selected, int cellSize, int ox, int oy,
    bool ghost, const CMapRect* clip = nullptr, const CMapGridIndex* index = nullptr, const CMapWorld* world = nullptr);

// What a map window shows: the level below as ghost, a third of a cell up and
// left, then `shownLevel` with the selection, at the window's cell size.
void DrawMap(IMapCanvas& canvas, const CTolvexDoc& doc, int cellSize, int shownLevel, int selected,
    const CMapRect* clip = nullptr, const CMapGridIndex* index = nullptr, const CMapWorld* world = nullptr);

// An exit that leaves the area for a vnum the document does not have, drawn
// when a world is open: found by a point of the map (map units) near its
// stub or mark on `level`.
struct CExitOut {
    int room = -1;
    int direction = -1;
    int toVnum = 0;
};
CExitOut ExitOutAt(const CTolvexDoc& doc, int cellSize, int level, int px, int py, const CMapGridIndex* index = nullptr);

// The largest x and y of a placed room (0 without one), each plus the cell size.
CMapSize MapExtent(const CTolvexDoc& doc, int cellSize);

// The scrollable size of a map window: the extent plus three cells each way.
CMapSize ScrollSize(const CTolvexDoc& doc, int cellSize);

// The status bar text: "Level %i", or "Level %i - (%i) %s" with the selected
// room's vnum and name.
std::string MapStatusText(const CTolvexDoc& doc, int shownLevel, int selected);

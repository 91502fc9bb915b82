#include "draw/MapDrawing.h"

#include "layout/RoomLayout.h"

#include "area/CTolvexDoc.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Passes on only the primitives whose bounds meet the clip rectangle, so a
// window repaints just what it shows while the drawing order stays the same.
class CClippedCanvas : public IMapCanvas {
public:
    CClippedCanvas(IMapCanvas& inner, const CMapRect& clipRect)
        : target(inner)
        , clip(clipRect) { }

    void FillRect(int left, int top, int right, int bottom, CMapColor color) override
    {
        if (Meets(left, top, right, bottom))
            target.FillRect(left, top, right, bottom, color);
    }
    void Polyline(const std::vector<CMapPoint>& points, CMapColor color, int penWidth) override
    {
        if (MeetsPoints(points, std::max(penWidth, 1)))
            target.Polyline(points, color, penWidth);
    }
    void Polygon(const std::vector<CMapPoint>& points, CMapColor color) override
    {
        if (MeetsPoints(points, 1))
            target.Polygon(points, color);
    }
    void Ellipse(int left, int top, int right, int bottom, CMapColor color, int penWidth) override
    {
        const int m = std::max(penWidth, 1);
        if (Meets(left - m, top - m, right + m, bottom + m))
            target.Ellipse(left, top, right, bottom, color, penWidth);
    }
    void Disc(int cx, int cy, int radius, CMapColor color) override
    {
        if (Meets(cx - radius - 1, cy - radius - 1, cx + radius + 2, cy + radius + 2))
            target.Disc(cx, cy, radius, color);
    }

private:
    bool Meets(int left, int top, int right, int bottom) const
    {
        return left < clip.right && right > clip.left && top < clip.bottom && bottom > clip.top;
    }
    // A pen may paint up to `margin` units beyond the points it joins.
    bool MeetsPoints(const std::vector<CMapPoint>& points, int margin) const
    {
        if (points.empty())
            return false;
        int left = points[0].x, right = points[0].x, top = points[0].y, bottom = points[0].y;
        for (const CMapPoint& p : points) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        return Meets(left - margin, top - margin, right + margin + 1, bottom + margin + 1);
    }

    IMapCanvas& target;
    CMapRect clip;
};

// Draws one level; every point it passes to the canvas is already shifted.
class CLevelPainter {
public:
    CLevelPainter(IMapCanvas& target, const CTolvexDoc& area, int cellSize, int shiftX, int shiftY,
        bool asGhost)
        : canvas(target)
        , doc(area)
        , c(cellSize)
        , k(MapK(cellSize))
        , pen(MapPenWidth(cellSize))
        , ox(shiftX)
        , oy(shiftY)
        , ghost(asGhost)
    {
    }

    void Room(const CRoomData& room, bool selected)
    {
        Box(room, selected);
        for (int d = 0; d < DirectionCount; ++d)
            Exit(room, d);
    }

private:
    CMapPoint P(int x, int y) const { return { x + ox, y + oy }; }

    void Fill(int left, int top, int right, int bottom, CMapColor color)
    {
        canvas.FillRect(left + ox, top + oy, right + ox, bottom + oy, color);
    }

    void Box(const CRoomData& room, bool selected)
    {
        const int x = RoomX(room, c), y = RoomY(room, c);
        if (ghost) {
            canvas.Polyline({ P(x - c, y - c), P(x + c, y - c), P(x + c, y + c), P(x - c, y + c), P(x - c, y - c) },
                MapColors::Ghost, pen);
            return;
        }
        const CMapColor sector = SectorColor(doc.Tables(), room.sector);
        if (selected) {
            Fill(x - c, y - c, x + c, y + c, MapColors::Black);
            Fill(x - c + 1, y - c + 1, x + c - 1, y + c - 1, MapColors::White);
            Fill(x - c + 2, y - c + 2, x + c - 2, y + c - 2, sector);
        } else {
            Fill(x - c, y - c, x + c, y + c, sector);
        }
    }

    void Exit(const CRoomData& room, int d)
    {
        const CExitData& exit = room.exits[static_cast<size_t>(d)];
        // A negative destination is drawn as an exit out of the area: not at all.
        if (exit.toVnum <= 0)
            return;
        const int found = doc.FindRoomIndex(exit.toVnum);
        if (found < 0)
            return;
        const CRoomData& to = doc.rooms[static_cast<size_t>(found)];
        if (to.unplaced)
            return;
        const CMapColor color = ExitColor(doc.Tables(), exit.exitFlags, ghost);
        const int x = RoomX(room, c), y = RoomY(room, c);

        if (d == DirUp || d == DirDown) {
            const int sign = d == DirUp ? -1 : 1;
            canvas.Polygon({ P(x + 6 * c / 5, y + sign * (c / 2)), P(x + 17 * c / 10, y + sign * (c / 2)),
                               P(x + 29 * c / 20, y + sign * c) },
                color);
            return;
        }

        if (to.vnum == room.vnum) {
            SelfLoop(x, y, d, color);
            return;
        }

        const bool sameLevel = to.level == room.level;
        CMapPoint e { RoomX(to, c), RoomY(to, c) };
        if (!sameLevel) {
            const int stub = 7 * c / 2;
            e = { x, y };
            switch (d) {
            case DirNorth: e.y -= stub; break;
            case DirEast: e.x += stub; break;
            case DirSouth: e.y += stub; break;
            default: e.x -= stub; break;
            }
        }
        CMapPoint p0, p1, p2, p3;
        switch (d) {
        case DirNorth:
            p0 = { x, y - c - k };
            p1 = { p0.x, p0.y - k };
            p3 = { e.x, e.y + c + k };
            p2 = { p3.x, p3.y + k };
            break;
        case DirEast:
            p0 = { x + c + k, y };
            p1 = { p0.x + k, p0.y };
            p3 = { e.x - c - k, e.y };
            p2 = { p3.x - k, p3.y };
            break;
        case DirSouth:
            p0 = { x, y + c + k };
            p1 = { p0.x, p0.y + k };
            p3 = { e.x, e.y - c - k };
            p2 = { p3.x, p3.y - k };
            break;
        default:
            p0 = { x - c - k, y };
            p1 = { p0.x - k, p0.y };
            p3 = { e.x + c + k, e.y };
            p2 = { p3.x + k, p3.y };
            break;
        }
        canvas.Polyline({ P(p0.x, p0.y), P(p1.x, p1.y), P(p2.x, p2.y), P(p3.x, p3.y) }, color, pen);
        if (sameLevel)
            Arrowhead(e.x, e.y, d, color);
        else
            canvas.Disc(p3.x + ox, p3.y + oy, 3 * k / 2, color);
    }

    // An exit back into the room: a loop beside the box on the exit's side,
    // with an arrowhead pointing back into the room.
    void SelfLoop(int x, int y, int d, CMapColor color)
    {
        static const int opposite[] = { DirSouth, DirWest, DirNorth, DirEast };
        if (d == DirNorth || d == DirSouth) {
            const int t = d == DirNorth ? y - c / 10 - 5 * c / 2 - k : y + c / 10 + k + c;
            canvas.Ellipse(x - c / 2 + ox, t + oy, x - c / 2 + c + ox, t + 3 * c / 2 + oy, color, pen);
        } else {
            const int l = d == DirEast ? x + c / 10 + k + c : x - c / 10 - 5 * c / 2 - k;
            canvas.Ellipse(l + ox, y - c / 2 + oy, l + 3 * c / 2 + ox, y - c / 2 + c + oy, color, pen);
        }
        Arrowhead(x, y, opposite[d], color);
    }

    // A filled arrowhead pointing in direction d whose tip lies c short of (X, Y).
    void Arrowhead(int X, int Y, int d, CMapColor color)
    {
        const int a = c / 3, b = 4 * c / 3;
        switch (d) {
        case DirNorth: canvas.Polygon({ P(X - a, Y + b), P(X, Y + c), P(X + a, Y + b) }, color); break;
        case DirEast: canvas.Polygon({ P(X - b, Y - a), P(X - c, Y), P(X - b, Y + a) }, color); break;
        case DirSouth: canvas.Polygon({ P(X - a, Y - b), P(X, Y - c), P(X + a, Y - b) }, color); break;
        default: canvas.Polygon({ P(X + b, Y + a), P(X + c, Y), P(X + b, Y - a) }, color); break;
        }
    }

    IMapCanvas& canvas;
    const CTolvexDoc& doc;
    const int c;
    const int k;
    const int pen;
    const int ox;
    const int oy;
    const bool ghost;
};

// Whether anything drawn for `room` can meet the clip, so that a window that
// shows a corner of a large map does not work out every room's primitives.
// The box, loops, stubs and up/down marks lie within five cells of the room's
// centre; an exit line and its arrowhead within three cells of the room it
// leads to (both with room for the pen).
bool RoomMeetsClip(const CTolvexDoc& doc, const CRoomData& room, int cellSize, int ox,
    int oy, const CMapRect& clip)
{
    const long long c = std::abs(static_cast<long long>(cellSize));
    const long long pen = c / 10 + 2;
    auto meets = [&](long long x, long long y, long long reach) {
        return x + ox - reach < clip.right && x + ox + reach > clip.left && y + oy - reach < clip.bottom
            && y + oy + reach > clip.top;
    };
    const int x = RoomX(room, cellSize), y = RoomY(room, cellSize);
    if (meets(x, y, 5 * c + pen))
        return true;
    for (size_t d = 0; d < static_cast<size_t>(DirUp); ++d) {
        const int found = room.exits[d].toVnum > 0 ? doc.FindRoomIndex(room.exits[d].toVnum) : -1;
        if (found < 0)
            continue;
        const CRoomData& to = doc.rooms[static_cast<size_t>(found)];
        if (to.unplaced || to.level != room.level)
            continue;
        // The line runs straight or with one bend between the two rooms.
        const long long reach = 3 * c + pen;
        const int toX = RoomX(to, cellSize), toY = RoomY(to, cellSize);
        const long long left = std::min(x, toX) - reach, right = std::max(x, toX) + reach;
        const long long top = std::min(y, toY) - reach, bottom = std::max(y, toY) + reach;
        if (left + ox < clip.right && right + ox > clip.left && top + oy < clip.bottom && bottom + oy > clip.top)
            return true;
    }
    return false;
}

void PaintLevel(IMapCanvas& canvas, const CTolvexDoc& doc, int level, int selected,
    int cellSize, int ox, int oy, bool ghost, const CMapRect* clip)
{
    // Without a clip every room of the level is drawn, through the canvas itself.
    CClippedCanvas clipped(canvas, clip ? *clip : CMapRect {});
    CLevelPainter painter(clip ? static_cast<IMapCanvas&>(clipped) : canvas, doc, cellSize, ox, oy, ghost);
    for (size_t i = 0; i < doc.rooms.size(); ++i) {
        const CRoomData& room = doc.rooms[i];
        if (!room.unplaced && room.level == level && (!clip || RoomMeetsClip(doc, room, cellSize, ox, oy, *clip)))
            painter.Room(room, !ghost && static_cast<int>(i) == selected);
    }
}

} // namespace

int MapK(int cellSize)
{
    // The largest k with 12 k^2 <= c^2: exact where a floating square root may round up.
    const long long c2 = static_cast<long long>(cellSize) * cellSize;
    long long k = 0;
    while (12 * (k + 1) * (k + 1) <= c2)
        ++k;
    return static_cast<int>(k);
}

int MapPenWidth(int cellSize)
{
    return cellSize / 10;
}

CMapColor ExitColor(const CConfigTables& tables, uint32_t exitFlags, bool ghost)
{
    if (ghost)
        return MapColors::Ghost;
    if (exitFlags & tables.locked)
        return MapColors::Locked;
    if (exitFlags & tables.isDoor)
        return MapColors::Door;
    return MapColors::Open;
}

CMapColor SectorColor(const CConfigTables& tables, int sector)
{
    if (tables.sectorColors.Count() == 0)
        return MapColors::NoSector;
    int i = FindByValue(tables.sectorColors, sector);
    if (i < 0)
        i = 0;
    const CSectorColorEntry& e = tables.sectorColors[i];
    return { e.red & 0xFF, e.green & 0xFF, e.blue & 0xFF };
}

void DrawLevel(IMapCanvas& canvas, const CTolvexDoc& doc, int level, int selected, int cellSize, int ox, int oy,
    bool ghost, const CMapRect* clip)
{
    PaintLevel(canvas, doc, level, selected, cellSize, ox, oy, ghost, clip);
}

void DrawMap(IMapCanvas& canvas, const CTolvexDoc& doc, int cellSize, int shownLevel, int selected,
    const CMapRect* clip)
{
    const int c = cellSize;
    const int d = c / -3;
    PaintLevel(canvas, doc, shownLevel - 1, -1, c, d, d, true, clip);
    PaintLevel(canvas, doc, shownLevel, selected, c, 0, 0, false, clip);
}

CMapSize MapExtent(const CTolvexDoc& doc, int cellSize)
{
    CMapSize size;
    for (const CRoomData& room : doc.rooms) {
        if (room.unplaced)
            continue;
        size.width = std::max(size.width, RoomX(room, cellSize));
        size.height = std::max(size.height, RoomY(room, cellSize));
    }
    size.width += cellSize;
    size.height += cellSize;
    return size;
}

CMapSize ScrollSize(const CTolvexDoc& doc, int cellSize)
{
    CMapSize size = MapExtent(doc, cellSize);
    size.width += 3 * cellSize;
    size.height += 3 * cellSize;
    return size;
}

std::string MapStatusText(const CTolvexDoc& doc, int shownLevel, int selected)
{
    if (selected < 0 || selected >= static_cast<int>(doc.rooms.size()))
        return "Level " + std::to_string(shownLevel);
    const CRoomData& room = doc.rooms[static_cast<size_t>(selected)];
    return "Level " + std::to_string(shownLevel) + " - (" + std::to_string(room.vnum) + ") " + room.name;
}

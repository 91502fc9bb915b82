#include "draw/MapDrawing.h"

#include "draw/MapGridIndex.h"
#include "layout/RoomLayout.h"

#include "area/CTolvexDoc.h"
#include "area/OtherAreas.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

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

// Holds a level's primitives back and hands them on grouped by kind and
// colour: the lines and arrowheads whose ends a later box covers, all boxes,
// the selected room's box, lines, the lines that cover another's, up and
// down marks, the other polygons, discs and loops. Whatever may cross another room's primitives is
// drawn in order: the painter flushes and draws it directly.
class CBatchingCanvas : public IMapCanvas {
public:
    explicit CBatchingCanvas(IMapCanvas& inner)
        : target(inner) { }

    // Fills from here on are drawn after all others, in the order given: the
    // selected room's nested boxes.
    void FillsLast(bool last) { fillsLast = last; }
    // Polygons from here on are drawn before the boxes.
    void PolygonsFirst(bool first) { polygonsFirst = first; }
    // Polygons from here on are drawn before the other polygons.
    void PolygonsBefore(bool before) { polygonsBefore = before; }
    // Lines from here on are drawn before the boxes (first), or after the
    // other lines (last).
    void LinesFirst(bool first) { linesFirst = first; }
    void LinesLast(bool last) { linesLast = last; }
    // Primitives from here on go straight to the canvas.
    void Direct(bool direct) { through = direct; }

    void FillRect(int left, int top, int right, int bottom, CMapColor color) override
    {
        if (through)
            target.FillRect(left, top, right, bottom, color);
        else if (fillsLast)
            lastFills.push_back({ { left, top, right, bottom }, color });
        else
            Group(fills, color, 0, 1).push_back({ left, top, right, bottom });
    }
    void Polyline(const std::vector<CMapPoint>& points, CMapColor color, int penWidth) override
    {
        if (through) {
            target.Polyline(points, color, penWidth);
            return;
        }
        auto& groups = linesFirst ? earlyLines : linesLast ? lateLines
                                                           : lines;
        std::vector<CMapPoint>& corners = Group(groups, color, penWidth, static_cast<int>(points.size()));
        corners.insert(corners.end(), points.begin(), points.end());
    }
    void Polygon(const std::vector<CMapPoint>& points, CMapColor color) override
    {
        if (through) {
            target.Polygon(points, color);
            return;
        }
        std::vector<CMapPoint>& corners
            = Group(polygonsFirst ? earlyPolygons : polygonsBefore ? marks
                                                                   : polygons,
                color, 0,
                static_cast<int>(points.size()));
        corners.insert(corners.end(), points.begin(), points.end());
    }
    void Ellipse(int left, int top, int right, int bottom, CMapColor color, int penWidth) override
    {
        if (through)
            target.Ellipse(left, top, right, bottom, color, penWidth);
        else
            loops.push_back({ { left, top, right, bottom }, color, penWidth });
    }
    void Disc(int cx, int cy, int radius, CMapColor color) override
    {
        if (through)
            target.Disc(cx, cy, radius, color);
        else
            discs.push_back({ { cx, cy, radius, 0 }, color, 0 });
    }

    void Flush()
    {
        auto lineGroups = [this](const std::vector<CGroup<CMapPoint>>& groups) {
            for (const auto& g : groups)
                target.Polylines(g.items, g.corners, g.color, g.width);
        };
        auto polygonGroups = [this](const std::vector<CGroup<CMapPoint>>& groups) {
            for (const auto& g : groups)
                target.Polygons(g.items, g.corners, g.color);
        };
        lineGroups(earlyLines);
        polygonGroups(earlyPolygons);
        for (const auto& g : fills)
            target.FillRects(g.items, g.color);
        for (const auto& [rect, color] : lastFills)
            target.FillRect(rect.left, rect.top, rect.right, rect.bottom, color);
        lineGroups(lines);
        lineGroups(lateLines);
        polygonGroups(marks);
        polygonGroups(polygons);
        for (const CShape& d : discs)
            target.Disc(d.box.left, d.box.top, d.box.right, d.color);
        for (const CShape& e : loops)
            target.Ellipse(e.box.left, e.box.top, e.box.right, e.box.bottom, e.color, e.width);
        for (auto* groups : { &earlyLines, &earlyPolygons, &lines, &lateLines, &marks, &polygons })
            groups->clear();
        fills.clear();
        lastFills.clear();
        discs.clear();
        loops.clear();
    }

private:
    // Primitives of one colour, pen width and corner count.
    template <typename Item>
    struct CGroup {
        CMapColor color;
        int width;
        int corners;
        std::vector<Item> items;
    };
    struct CShape {
        CMapRect box;
        CMapColor color;
        int width;
    };
    template <typename Item>
    static std::vector<Item>& Group(std::vector<CGroup<Item>>& groups, CMapColor color, int width, int corners)
    {
        // A map has a handful of colours.
        for (CGroup<Item>& g : groups)
            if (g.color == color && g.width == width && g.corners == corners)
                return g.items;
        groups.push_back({ color, width, corners, {} });
        return groups.back().items;
    }

    IMapCanvas& target;
    bool fillsLast = false;
    bool polygonsFirst = false;
    bool polygonsBefore = false;
    bool linesFirst = false;
    bool linesLast = false;
    bool through = false;
    std::vector<CGroup<CMapPoint>> earlyLines;
    std::vector<CGroup<CMapPoint>> earlyPolygons;
    std::vector<CGroup<CMapRect>> fills;
    std::vector<std::pair<CMapRect, CMapColor>> lastFills;
    std::vector<CGroup<CMapPoint>> lines;
    std::vector<CGroup<CMapPoint>> lateLines;
    std::vector<CGroup<CMapPoint>> marks;
    std::vector<CGroup<CMapPoint>> polygons;
    std::vector<CShape> discs;
    std::vector<CShape> loops;
};

// Draws one level; every point it passes to the canvas is already shifted.
class CLevelPainter {
public:
    CLevelPainter(IMapCanvas& target, const CTolvexDoc& area, int cellSize, int shiftX, int shiftY,
        bool asGhost, CBatchingCanvas* batching, const CMapWorld* openWorld)
        : canvas(target)
        , batch(batching)
        , doc(area)
        , world(openWorld)
        , c(cellSize)
        , k(MapK(cellSize))
        , pen(MapPenWidth(cellSize))
        , ox(shiftX)
        , oy(shiftY)
        , ghost(asGhost)
        , ink(openWorld ? openWorld->ink : CMapInk {})
    {
    }

    // `targets` are the rooms the exits lead to (-1: none), as FindRoomIndex finds them.
    void Room(int index, bool selected, const int* targets)
    {
        const CRoomData& room = doc.rooms[static_cast<size_t>(index)];
        Box(index, room, selected);
        for (int d = 0; d < DirectionCount; ++d)
            Exit(index, room, d, targets[d]);
    }

private:
    CMapPoint P(int x, int y) const { return { x + ox, y + oy }; }
    // The points of one primitive, in a buffer that every primitive reuses.
    const std::vector<CMapPoint>& Points(std::initializer_list<CMapPoint> list)
    {
        points.assign(list);
        return points;
    }

    void Fill(int left, int top, int right, int bottom, CMapColor color)
    {
        canvas.FillRect(left + ox, top + oy, right + ox, bottom + oy, color);
    }

    void Box(int index, const CRoomData& room, bool selected)
    {
        const int x = RoomX(room, c), y = RoomY(room, c);
        if (ghost) {
            canvas.Polyline(Points({ P(x - c, y - c), P(x + c, y - c), P(x + c, y + c), P(x - c, y + c), P(x - c, y - c) }),
                ink.ghost, pen);
            return;
        }
        const std::vector<CMapColor>* tints = world ? world->roomColors : nullptr;
        const CMapColor sector = tints && static_cast<size_t>(index) < tints->size() ? (*tints)[static_cast<size_t>(index)]
                                                                                     : SectorColor(doc.Tables(), room.sector);
        if (selected) {
            if (batch)
                batch->FillsLast(true);
            Fill(x - c, y - c, x + c, y + c, ink.edge);
            Fill(x - c + 1, y - c + 1, x + c - 1, y + c - 1, ink.ring);
            Fill(x - c + 2, y - c + 2, x + c - 2, y + c - 2, sector);
            if (batch)
                batch->FillsLast(false);
        } else {
            Fill(x - c, y - c, x + c, y + c, sector);
        }
    }

    void Exit(int index, const CRoomData& room, int d, int found)
    {
        const CExitData& exit = room.exits[static_cast<size_t>(d)];
        // A negative destination is drawn as an exit out of the area: not at all.
        if (exit.toVnum <= 0)
            return;
        if (found < 0) {
            // Without a world nothing says where it goes.
            if (world && world->others)
                ExitOut(room, d, world->others->HasRoom(exit.toVnum));
            return;
        }
        const CRoomData& to = doc.rooms[static_cast<size_t>(found)];
        if (to.unplaced)
            return;
        const CMapColor color = ghost ? ink.ghost : ExitColor(doc.Tables(), exit.exitFlags, false);
        // A ghost level is all one colour.
        if (!batch || ghost) {
            DrawExit(index, room, d, found, to, color);
            return;
        }
        if (d == DirUp || d == DirDown) {
            // At the smallest zoom a mark meets the arrowhead into the room
            // from the east: above those from earlier rooms, below the others.
            batch->PolygonsBefore(true);
            DrawExit(index, room, d, found, to, color);
            batch->PolygonsBefore(false);
            return;
        }
        static const int step[4][2] = { { 0, -1 }, { 1, 0 }, { 0, 1 }, { -1, 0 } };
        const bool next = to.vnum != room.vnum && to.level == room.level && to.gridX == room.gridX + step[d][0]
            && to.gridY == room.gridY + step[d][1];
        if (!next) {
            // A loop, a stub or a line past the next cell may meet what other rooms draw.
            batch->Flush();
            batch->Direct(true);
            DrawExit(index, room, d, found, to, color);
            batch->Direct(false);
            return;
        }
        // Without a gap a line going south or east ends on the next box's
        // edge, which covers it if drawn later; and the line back from the
        // next room lies on this one, the later room's colour showing.
        const bool under = found > index && (d == DirSouth || d == DirEast);
        const CExitData& back = to.exits[static_cast<size_t>(OppositeDirection(d))];
        const bool covers = found < index && back.toVnum > 0 && ExitColor(doc.Tables(), back.exitFlags, ghost) != color
            && doc.FindRoomIndex(back.toVnum) == index;
        batch->LinesFirst(under);
        batch->LinesLast(covers);
        DrawExit(index, room, d, found, to, color);
        batch->LinesFirst(false);
        batch->LinesLast(false);
    }

    void DrawExit(int index, const CRoomData& room, int d, int found, const CRoomData& to, CMapColor color)
    {
        const int x = RoomX(room, c), y = RoomY(room, c);

        if (d == DirUp || d == DirDown) {
            UpDownMark(x, y, d, color);
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
        canvas.Polyline(Points({ P(p0.x, p0.y), P(p1.x, p1.y), P(p2.x, p2.y), P(p3.x, p3.y) }), color, pen);
        if (sameLevel) {
            // Its tip may lie on the edge of the box it points at, which covers it if drawn later.
            const bool under = batch && found > index;
            if (under)
                batch->PolygonsFirst(true);
            Arrowhead(e.x, e.y, d, color);
            if (under)
                batch->PolygonsFirst(false);
        } else
            canvas.Disc(p3.x + ox, p3.y + oy, 3 * k / 2, color);
    }

    // An exit to a room the document does not have: a stub in the colour of
    // exits into another area, with an arrowhead, or a dead end, with a bar
    // across its end; up and down keep their mark in that colour.
    void ExitOut(const CRoomData& room, int d, bool elsewhere)
    {
        const CMapColor color = ghost ? ink.ghost : elsewhere ? MapColors::OtherArea
                                                              : MapColors::DeadEnd;
        const bool direct = batch && !ghost;
        if (direct) {
            batch->Flush();
            batch->Direct(true);
        }
        const int x = RoomX(room, c), y = RoomY(room, c);
        if (d == DirUp || d == DirDown) {
            UpDownMark(x, y, d, color);
        } else {
            static const int step[4][2] = { { 0, -1 }, { 1, 0 }, { 0, 1 }, { -1, 0 } };
            const int dx = step[d][0], dy = step[d][1];
            const int reach = 7 * c / 2;
            const CMapPoint e { x + dx * reach, y + dy * reach };
            const CMapPoint p0 { x + dx * (c + k), y + dy * (c + k) };
            const CMapPoint p3 { e.x - dx * (c + k), e.y - dy * (c + k) };
            canvas.Polyline(Points({ P(p0.x, p0.y), P(p3.x, p3.y) }), color, pen);
            if (elsewhere)
                Arrowhead(e.x, e.y, d, color);
            else
                canvas.Polyline(Points({ P(p3.x - dy * c / 2, p3.y - dx * c / 2), P(p3.x + dy * c / 2, p3.y + dx * c / 2) }),
                    color, pen);
        }
        if (direct)
            batch->Direct(false);
    }

    // The triangle right of the box of an up or down exit, its apex up or down.
    void UpDownMark(int x, int y, int d, CMapColor color)
    {
        const int sign = d == DirUp ? -1 : 1;
        canvas.Polygon(Points({ P(x + 6 * c / 5, y + sign * (c / 2)), P(x + 17 * c / 10, y + sign * (c / 2)),
                           P(x + 29 * c / 20, y + sign * c) }),
            color);
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
        case DirNorth: canvas.Polygon(Points({ P(X - a, Y + b), P(X, Y + c), P(X + a, Y + b) }), color); break;
        case DirEast: canvas.Polygon(Points({ P(X - b, Y - a), P(X - c, Y), P(X - b, Y + a) }), color); break;
        case DirSouth: canvas.Polygon(Points({ P(X - a, Y - b), P(X, Y - c), P(X + a, Y - b) }), color); break;
        default: canvas.Polygon(Points({ P(X + b, Y + a), P(X + c, Y), P(X + b, Y - a) }), color); break;
        }
    }

    IMapCanvas& canvas;
    CBatchingCanvas* const batch;
    const CTolvexDoc& doc;
    const CMapWorld* const world;
    const int c;
    const int k;
    const int pen;
    const int ox;
    const int oy;
    const bool ghost;
    const CMapInk ink;
    std::vector<CMapPoint> points;
};

// Whether anything drawn for `room` can meet the clip, so that a window that
// shows a corner of a large map does not work out every room's primitives.
// The box, loops, stubs and up/down marks lie within five cells of the room's
// centre; an exit line and its arrowhead within three cells of the room it
// leads to (both with room for the pen).
enum class ClipMeets { Outside,
    Crosses,
    Inside };
ClipMeets RoomMeetsClip(const CTolvexDoc& doc, const CRoomData& room, const int* targets, int cellSize, int ox,
    int oy, const CMapRect& clip)
{
    const long long c = std::abs(static_cast<long long>(cellSize));
    const long long pen = c / 10 + 2;
    // Whether the box left..right x top..bottom (shifted) meets the clip, and lies inside it.
    bool meets = false, inside = true;
    auto add = [&](long long left, long long top, long long right, long long bottom) {
        left += ox, right += ox, top += oy, bottom += oy;
        if (left < clip.right && right > clip.left && top < clip.bottom && bottom > clip.top)
            meets = true;
        if (left < clip.left || right > clip.right || top < clip.top || bottom > clip.bottom)
            inside = false;
    };
    const int x = RoomX(room, cellSize), y = RoomY(room, cellSize);
    add(x - 5 * c - pen, y - 5 * c - pen, x + 5 * c + pen, y + 5 * c + pen);
    for (size_t d = 0; d < static_cast<size_t>(DirUp); ++d) {
        const int found = room.exits[d].toVnum > 0 ? targets[d] : -1;
        if (found < 0)
            continue;
        const CRoomData& to = doc.rooms[static_cast<size_t>(found)];
        if (to.unplaced || to.level != room.level)
            continue;
        // The line runs straight or with one bend between the two rooms.
        const long long reach = 3 * c + pen;
        const int toX = RoomX(to, cellSize), toY = RoomY(to, cellSize);
        add(std::min(x, toX) - reach, std::min(y, toY) - reach, std::max(x, toX) + reach, std::max(y, toY) + reach);
    }
    return !meets ? ClipMeets::Outside : inside ? ClipMeets::Inside
                                                : ClipMeets::Crosses;
}

// A window shows hundreds of rooms or more below this cell size: drawn room
// by room they take longer than a frame.
constexpr int BatchBelowCellSize = 24;

// The grid columns (or rows) whose rooms may draw into map units from..to-1:
// a room's primitives lie within five cells and a pen of its centre.
bool GridSpan(int from, int to, int cellSize, int shift, int& first, int& last)
{
    if (cellSize == 0)
        return false;
    const double c = cellSize;
    const double reach = 5 * std::abs(c) + std::abs(cellSize / 10) + 2;
    double a = (from - reach - shift - 3 * c) / (4 * c);
    double b = (to + reach - shift - 3 * c) / (4 * c);
    if (a > b)
        std::swap(a, b);
    first = static_cast<int>(std::max(std::floor(a) - 1, static_cast<double>(INT_MIN)));
    last = static_cast<int>(std::min(std::ceil(b) + 1, static_cast<double>(INT_MAX)));
    return true;
}

void PaintLevel(IMapCanvas& canvas, const CTolvexDoc& doc, int level, int selected, int cellSize, int ox, int oy,
    bool ghost, const CMapRect* clip, const CMapGridIndex* index, const CMapWorld* world)
{
    const bool batched = canvas.TakesBatches() && std::abs(cellSize) < BatchBelowCellSize;
    CBatchingCanvas batching(canvas);
    IMapCanvas& drawn = batched ? static_cast<IMapCanvas&>(batching) : canvas;
    // Without a clip every room of the level is drawn, through the canvas itself.
    CClippedCanvas clipped(drawn, clip ? *clip : CMapRect {});
    CLevelPainter painter(clip ? static_cast<IMapCanvas&>(clipped) : drawn, doc, cellSize, ox, oy, ghost,
        batched ? &batching : nullptr, world);
    // Rooms that lie wholly inside the clip need no test of each primitive.
    CLevelPainter inside(drawn, doc, cellSize, ox, oy, ghost, batched ? &batching : nullptr, world);
    const bool indexed = index && index->Fits(doc);
    auto paint = [&](size_t i) {
        const CRoomData& room = doc.rooms[i];
        if (room.unplaced || room.level != level)
            return;
        int targets[DirectionCount];
        for (int d = 0; d < DirectionCount; ++d) {
            const int vnum = room.exits[static_cast<size_t>(d)].toVnum;
            targets[d] = vnum <= 0 ? -1 : indexed ? index->ExitTarget(i, d)
                                                  : doc.FindRoomIndex(vnum);
        }
        const ClipMeets meets = clip ? RoomMeetsClip(doc, room, targets, cellSize, ox, oy, *clip) : ClipMeets::Inside;
        if (meets != ClipMeets::Outside)
            (meets == ClipMeets::Inside ? inside : painter)
                .Room(static_cast<int>(i), !ghost && static_cast<int>(i) == selected, targets);
    };
    int left = 0, right = 0, top = 0, bottom = 0;
    if (clip && indexed && GridSpan(clip->left, clip->right, cellSize, ox, left, right)
        && GridSpan(clip->top, clip->bottom, cellSize, oy, top, bottom)) {
        std::vector<int> shown;
        index->Find(level, left, top, right, bottom, shown);
        for (int i : shown)
            paint(static_cast<size_t>(i));
    } else {
        for (size_t i = 0; i < doc.rooms.size(); ++i)
            paint(i);
    }
    if (batched)
        batching.Flush();
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

CMapInk MapInkOn(CMapColor background)
{
    // Rec. 601 luma, in tenths of a channel.
    const int luma = (3 * background.r + 6 * background.g + background.b) / 10;
    if (luma >= 128)
        return {};
    auto lift = [](int channel) { return std::min(channel + 60, 255); };
    return { { lift(background.r), lift(background.g), lift(background.b) }, MapColors::White, MapColors::Black };
}

CMapColor TintColor(CMapColor sector, CMapColor tint)
{
    return { (sector.r + tint.r) / 2, (sector.g + tint.g) / 2, (sector.b + tint.b) / 2 };
}

void DrawLevel(IMapCanvas& canvas, const CTolvexDoc& doc, int level, int selected, int cellSize, int ox, int oy,
    bool ghost, const CMapRect* clip, const CMapGridIndex* index, const CMapWorld* world)
{
    PaintLevel(canvas, doc, level, selected, cellSize, ox, oy, ghost, clip, index, world);
}

void DrawMap(IMapCanvas& canvas, const CTolvexDoc& doc, int cellSize, int shownLevel, int selected,
    const CMapRect* clip, const CMapGridIndex* index, const CMapWorld* world)
{
    const int c = cellSize;
    const int d = c / -3;
    PaintLevel(canvas, doc, shownLevel - 1, -1, c, d, d, true, clip, index, world);
    PaintLevel(canvas, doc, shownLevel, selected, c, 0, 0, false, clip, index, world);
}

CExitOut ExitOutAt(const CTolvexDoc& doc, int cellSize, int level, int px, int py, const CMapGridIndex* index)
{
    const int c = std::abs(cellSize);
    // A little slack, so that the thin stubs of small zooms can be pointed at.
    const int slack = 2;
    auto hits = [&](size_t i, CExitOut& out) {
        const CRoomData& room = doc.rooms[i];
        if (room.unplaced || room.level != level)
            return false;
        const int x = RoomX(room, cellSize), y = RoomY(room, cellSize);
        for (int d = 0; d < DirectionCount; ++d) {
            const int vnum = room.exits[static_cast<size_t>(d)].toVnum;
            if (vnum <= 0)
                continue;
            const bool indexed = index && index->Fits(doc);
            if ((indexed ? index->ExitTarget(i, d) : doc.FindRoomIndex(vnum)) >= 0)
                continue;
            int left, top, right, bottom;
            const int reach = 7 * c / 2, half = c / 2;
            switch (d) {
            case DirNorth: left = x - half, right = x + half, top = y - reach, bottom = y - c; break;
            case DirEast: left = x + c, right = x + reach, top = y - half, bottom = y + half; break;
            case DirSouth: left = x - half, right = x + half, top = y + c, bottom = y + reach; break;
            case DirWest: left = x - reach, right = x - c, top = y - half, bottom = y + half; break;
            case DirUp: left = x + 6 * c / 5, right = x + 17 * c / 10, top = y - c, bottom = y - c / 2; break;
            default: left = x + 6 * c / 5, right = x + 17 * c / 10, top = y + c / 2, bottom = y + c; break;
            }
            if (px >= left - slack && px <= right + slack && py >= top - slack && py <= bottom + slack) {
                out = { static_cast<int>(i), d, vnum };
                return true;
            }
        }
        return false;
    };
    CExitOut found;
    int left = 0, right = 0, top = 0, bottom = 0;
    if (index && index->Fits(doc) && GridSpan(px, px + 1, cellSize, 0, left, right)
        && GridSpan(py, py + 1, cellSize, 0, top, bottom)) {
        std::vector<int> near;
        index->Find(level, left, top, right, bottom, near);
        for (int i : near)
            if (hits(static_cast<size_t>(i), found))
                break;
    } else {
        for (size_t i = 0; i < doc.rooms.size(); ++i)
            if (hits(i, found))
                break;
    }
    return found;
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

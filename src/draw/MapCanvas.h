#pragma once

#include <cstddef>
#include <vector>

// A colour of the map, each channel 0..255.
struct CMapColor {
    int r = 0;
    int g = 0;
    int b = 0;

    friend bool operator==(const CMapColor& lhs, const CMapColor& rhs) { return lhs.r == rhs.r && lhs.g == rhs.g && lhs.b == rhs.b; }
    friend bool operator!=(const CMapColor& lhs, const CMapColor& rhs) { return !(lhs == rhs); }
};

struct CMapPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const CMapPoint& a, const CMapPoint& b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(const CMapPoint& a, const CMapPoint& b) { return !(a == b); }
};

// A rectangle in map units; right and bottom are excluded.
struct CMapRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The surface the map is drawn on: the screen, a printer page or an SVG file.
// All coordinates are logical units (one per device pixel on the screen).
class IMapCanvas {
public:
    virtual ~IMapCanvas() = default;

    // Fills the rectangle; the right column and the bottom row are not painted.
    virtual void FillRect(int left, int top, int right, int bottom, CMapColor color) = 0;
    // Connected line segments through the points. Pen width 0 is the thinnest line.
    virtual void Polyline(const std::vector<CMapPoint>& points, CMapColor color, int penWidth) = 0;
    // A filled polygon with its corners in the order given.
    virtual void Polygon(const std::vector<CMapPoint>& points, CMapColor color) = 0;
    // The outline of the ellipse inscribed in the bounding box.
    virtual void Ellipse(int left, int top, int right, int bottom, CMapColor color, int penWidth) = 0;
    // A filled circle; radius 0 draws nothing.
    virtual void Disc(int cx, int cy, int radius, CMapColor color) = 0;

    // Whether the map may come grouped by kind and colour through the calls
    // below, boxes first, rather than room by room. The picture stays the
    // same but where primitives of two colours overlap; a file keeps the
    // room by room order.
    virtual bool TakesBatches() const { return false; }
    // Many primitives of one colour, as the single calls in the order given.
    virtual void FillRects(const std::vector<CMapRect>& rects, CMapColor color)
    {
        for (const CMapRect& r : rects)
            FillRect(r.left, r.top, r.right, r.bottom, color);
    }
    // Polylines and polygons of `corners` points each, one after the other.
    virtual void Polylines(const std::vector<CMapPoint>& points, int corners, CMapColor color, int penWidth)
    {
        const auto n = static_cast<std::ptrdiff_t>(corners);
        for (std::ptrdiff_t i = 0; n > 0 && i + n <= static_cast<std::ptrdiff_t>(points.size()); i += n)
            Polyline(std::vector<CMapPoint>(points.begin() + i, points.begin() + i + n), color, penWidth);
    }
    virtual void Polygons(const std::vector<CMapPoint>& points, int corners, CMapColor color)
    {
        const auto n = static_cast<std::ptrdiff_t>(corners);
        for (std::ptrdiff_t i = 0; n > 0 && i + n <= static_cast<std::ptrdiff_t>(points.size()); i += n)
            Polygon(std::vector<CMapPoint>(points.begin() + i, points.begin() + i + n), color);
    }
};

#pragma once

#include "draw/MapCanvas.h"

#include <QColor>
#include <QPoint>
#include <QRect>

#include <array>
#include <vector>

class QPainter;

// Draws the map with a QPainter: on a window, a printer page or an image.
// Fills leave out the right column and bottom row, a pen width of 0 is the
// thinnest line the device has, and nothing is antialiased, so the map keeps
// the exact geometry of its cells.
class CQtMapCanvas : public IMapCanvas {
public:
    explicit CQtMapCanvas(QPainter& painter);
    ~CQtMapCanvas() override;

    void FillRect(int left, int top, int right, int bottom, CMapColor color) override;
    void Polyline(const std::vector<CMapPoint>& points, CMapColor color, int penWidth) override;
    void Polygon(const std::vector<CMapPoint>& points, CMapColor color) override;
    void Ellipse(int left, int top, int right, int bottom, CMapColor color, int penWidth) override;
    void Disc(int cx, int cy, int radius, CMapColor color) override;

    bool TakesBatches() const override { return true; }
    void FillRects(const std::vector<CMapRect>& rects, CMapColor color) override;
    void Polylines(const std::vector<CMapPoint>& points, int corners, CMapColor color, int penWidth) override;
    void Polygons(const std::vector<CMapPoint>& points, int corners, CMapColor color) override;

private:
    // The pixels a small polyline (pen >= 0) or polygon (pen -1) paints, as
    // rectangles from its first point: a shape drawn thousands of times at
    // a small zoom is rasterized once.
    struct CStamp {
        unsigned key;
        int pen;
        std::vector<CMapPoint> shape;
        std::vector<QRect> rects;
    };
    const CStamp* StampOf(const CMapPoint* corners, int count, int pen);
    // Draws the shape, or adds its stamp to the buffers.
    void Stamp(const CMapPoint* corners, int count, int pen);
    void FillBuffered(const QColor& color);

    QPainter& painter;
    // Stamps stand for the polygon only while the painter just shifts by whole pixels.
    bool stamps = false;
    std::vector<CStamp> stampCache;
    // Where a shape was last found, by its key.
    std::array<int, 64> stampSlots;
    std::vector<QRect> rectBuffer;
    std::vector<QPoint> pointBuffer;
};

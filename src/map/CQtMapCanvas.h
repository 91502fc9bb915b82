#pragma once

#include "draw/MapCanvas.h"

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

private:
    QPainter& painter;
};

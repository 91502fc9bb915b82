#pragma once

#include "draw/MapCanvas.h"

#include <ostream>

// Writes the map as SVG, one element per line in drawing order. The root
// element opens on construction; Finish closes it.
class CSvgCanvas : public IMapCanvas {
public:
    CSvgCanvas(std::ostream& out, int width, int height);

    void FillRect(int left, int top, int right, int bottom, CMapColor color) override;
    void Polyline(const std::vector<CMapPoint>& points, CMapColor color, int penWidth) override;
    void Polygon(const std::vector<CMapPoint>& points, CMapColor color) override;
    void Ellipse(int left, int top, int right, int bottom, CMapColor color, int penWidth) override;
    void Disc(int cx, int cy, int radius, CMapColor color) override;

    void Finish();

private:
    std::ostream& out;
    bool finished = false;
};

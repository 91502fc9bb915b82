#include "draw/SvgCanvas.h"

#include <string>

namespace {

std::string Rgb(CMapColor color)
{
    return "rgb(" + std::to_string(color.r) + "," + std::to_string(color.g) + "," + std::to_string(color.b) + ")";
}

// Half of an integer, written exactly: "7", "7.5", "-0.5".
std::string Half(long long twice)
{
    const long long v = twice;
    const long long whole = v / 2;
    if (v % 2 == 0)
        return std::to_string(whole);
    // -3 / 2 truncates to -1, and -1.5 must keep its sign when whole is 0.
    return (v < 0 ? "-" : "") + std::to_string(whole < 0 ? -whole : whole) + ".5";
}

std::string Points(const std::vector<CMapPoint>& points)
{
    std::string text;
    for (const CMapPoint& p : points) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(p.x) + "," + std::to_string(p.y);
    }
    return text;
}

// The thinnest line a viewer draws is one unit wide.
int StrokeWidth(int penWidth)
{
    return penWidth > 0 ? penWidth : 1;
}

} // namespace

CSvgCanvas::CSvgCanvas(std::ostream& stream, int width, int height)
    : out(stream)
{
    stream << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height << "\">\n";
}

void CSvgCanvas::FillRect(int left, int top, int right, int bottom, CMapColor color)
{
    out << "<rect x=\"" << left << "\" y=\"" << top << "\" width=\"" << right - left << "\" height=\"" << bottom - top
        << "\" fill=\"" << Rgb(color) << "\"/>\n";
}

void CSvgCanvas::Polyline(const std::vector<CMapPoint>& points, CMapColor color, int penWidth)
{
    out << "<polyline points=\"" << Points(points) << "\" fill=\"none\" stroke=\"" << Rgb(color)
        << "\" stroke-width=\"" << StrokeWidth(penWidth) << "\"/>\n";
}

void CSvgCanvas::Polygon(const std::vector<CMapPoint>& points, CMapColor color)
{
    out << "<polygon points=\"" << Points(points) << "\" fill=\"" << Rgb(color) << "\"/>\n";
}

void CSvgCanvas::Ellipse(int left, int top, int right, int bottom, CMapColor color, int penWidth)
{
    out << "<ellipse cx=\"" << Half(static_cast<long long>(left) + right) << "\" cy=\"" << Half(static_cast<long long>(top) + bottom) << "\" rx=\""
        << Half(right - left) << "\" ry=\"" << Half(bottom - top) << "\" fill=\"none\" stroke=\"" << Rgb(color)
        << "\" stroke-width=\"" << StrokeWidth(penWidth) << "\"/>\n";
}

void CSvgCanvas::Disc(int cx, int cy, int radius, CMapColor color)
{
    out << "<circle cx=\"" << cx << "\" cy=\"" << cy << "\" r=\"" << radius << "\" fill=\"" << Rgb(color) << "\"/>\n";
}

void CSvgCanvas::Finish()
{
    if (finished)
        return;
    finished = true;
    out << "</svg>\n";
}

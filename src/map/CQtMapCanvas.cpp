#include "map/CQtMapCanvas.h"

#include <QPainter>
#include <QPolygon>

namespace {

QColor ToQColor(CMapColor c)
{
    return QColor(c.r & 0xff, c.g & 0xff, c.b & 0xff);
}

QPen MapPen(CMapColor color, int width)
{
    // Width 0 is a cosmetic pen: one device pixel at any scale.
    QPen pen(ToQColor(color), width);
    if (width > 0) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    return pen;
}

QPolygon ToPolygon(const std::vector<CMapPoint>& points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const CMapPoint& p : points)
        polygon.append(QPoint(p.x, p.y));
    return polygon;
}

} // namespace

CQtMapCanvas::CQtMapCanvas(QPainter& target)
    : painter(target)
{
    target.save();
    target.setRenderHint(QPainter::Antialiasing, false);
}

CQtMapCanvas::~CQtMapCanvas()
{
    painter.restore();
}

void CQtMapCanvas::FillRect(int left, int top, int right, int bottom, CMapColor color)
{
    if (right <= left || bottom <= top)
        return;
    painter.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(color));
}

void CQtMapCanvas::Polyline(const std::vector<CMapPoint>& points, CMapColor color, int penWidth)
{
    if (points.empty())
        return;
    painter.setPen(MapPen(color, penWidth));
    painter.setBrush(Qt::NoBrush);
    const QPolygon polygon = ToPolygon(points);
    painter.drawPolyline(polygon);
}

void CQtMapCanvas::Polygon(const std::vector<CMapPoint>& points, CMapColor color)
{
    if (points.empty())
        return;
    // The outline in the same colour gives the filled shape its full extent.
    painter.setPen(MapPen(color, 0));
    painter.setBrush(ToQColor(color));
    painter.drawPolygon(ToPolygon(points));
}

void CQtMapCanvas::Ellipse(int left, int top, int right, int bottom, CMapColor color, int penWidth)
{
    painter.setPen(MapPen(color, penWidth));
    painter.setBrush(Qt::NoBrush);
    // Pixel centres lie half a unit in: so the thinnest outline stays inside
    // the box, right column and bottom row excluded, as a fill would.
    painter.drawEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
}

void CQtMapCanvas::Disc(int cx, int cy, int radius, CMapColor color)
{
    if (radius <= 0)
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(color));
    painter.drawEllipse(QPoint(cx, cy), radius, radius);
}

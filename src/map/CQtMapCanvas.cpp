#include "map/CQtMapCanvas.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

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
    const QTransform& t = target.worldTransform();
    stampSlots.fill(-1);
    stamps = t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy());
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

void CQtMapCanvas::FillRects(const std::vector<CMapRect>& rects, CMapColor color)
{
    rectBuffer.clear();
    for (const CMapRect& r : rects)
        if (r.right > r.left && r.bottom > r.top)
            rectBuffer.emplace_back(r.left, r.top, r.right - r.left, r.bottom - r.top);
    FillBuffered(ToQColor(color));
}

void CQtMapCanvas::FillBuffered(const QColor& color)
{
    // One call for many: the painter's own checks cost more than a small fill.
    if (!pointBuffer.empty()) {
        painter.setPen(QPen(color, 0));
        painter.drawPoints(pointBuffer.data(), static_cast<int>(pointBuffer.size()));
        pointBuffer.clear();
    }
    if (!rectBuffer.empty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawRects(rectBuffer.data(), static_cast<int>(rectBuffer.size()));
        rectBuffer.clear();
    }
}

void CQtMapCanvas::Polylines(const std::vector<CMapPoint>& points, int corners, CMapColor color, int penWidth)
{
    if (corners <= 0)
        return;
    rectBuffer.clear();
    pointBuffer.clear();
    painter.setPen(MapPen(color, penWidth));
    painter.setBrush(Qt::NoBrush);
    for (size_t i = 0; i + static_cast<size_t>(corners) <= points.size(); i += static_cast<size_t>(corners))
        Stamp(&points[i], corners, penWidth);
    FillBuffered(ToQColor(color));
}

void CQtMapCanvas::Polygons(const std::vector<CMapPoint>& points, int corners, CMapColor color)
{
    if (corners <= 0)
        return;
    rectBuffer.clear();
    pointBuffer.clear();
    painter.setPen(MapPen(color, 0));
    painter.setBrush(ToQColor(color));
    for (size_t i = 0; i + static_cast<size_t>(corners) <= points.size(); i += static_cast<size_t>(corners))
        Stamp(&points[i], corners, -1);
    FillBuffered(ToQColor(color));
}

void CQtMapCanvas::Stamp(const CMapPoint* corners, int count, int pen)
{
    if (const CStamp* stamp = stamps ? StampOf(corners, count, pen) : nullptr) {
        const QPoint at(corners->x, corners->y);
        for (const QRect& r : stamp->rects) {
            // Tiny pieces go faster as single pixels.
            if (r.width() * r.height() <= 4) {
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x)
                        pointBuffer.emplace_back(x + at.x(), y + at.y());
            } else {
                rectBuffer.push_back(r.translated(at));
            }
        }
        return;
    }
    // The painter's pen and brush are already set for the shape.
    QPolygon polygon;
    polygon.reserve(count);
    for (int j = 0; j < count; ++j)
        polygon.append(QPoint(corners[j].x, corners[j].y));
    if (pen < 0)
        painter.drawPolygon(polygon);
    else
        painter.drawPolyline(polygon);
}

const CQtMapCanvas::CStamp* CQtMapCanvas::StampOf(const CMapPoint* corners, int count, int pen)
{
    const CMapPoint origin = corners[0];
    unsigned key = static_cast<unsigned>(pen) * 31u + static_cast<unsigned>(count);
    for (int j = 1; j < count; ++j)
        key = key * 1000003u + static_cast<unsigned>((corners[j].x - origin.x) * 4099 + (corners[j].y - origin.y));
    auto sameShape = [&](const CStamp& s) {
        if (s.key != key || s.pen != pen || s.shape.size() != static_cast<size_t>(count))
            return false;
        for (int j = 0; j < count; ++j)
            if (s.shape[static_cast<size_t>(j)] != CMapPoint { corners[j].x - origin.x, corners[j].y - origin.y })
                return false;
        return true;
    };
    // Most shapes are found in their slot at the first look.
    int& slot = stampSlots[key % stampSlots.size()];
    if (slot >= 0 && sameShape(stampCache[static_cast<size_t>(slot)]))
        return &stampCache[static_cast<size_t>(slot)];
    for (size_t i = 0; i < stampCache.size(); ++i)
        if (sameShape(stampCache[i])) {
            slot = static_cast<int>(i);
            return &stampCache[i];
        }

    // Larger shapes are few: a window at a large zoom shows few rooms.
    constexpr int MaxStampSize = 32;
    int left = 0, top = 0, right = 0, bottom = 0;
    for (int j = 0; j < count; ++j) {
        left = std::min(left, corners[j].x - origin.x);
        right = std::max(right, corners[j].x - origin.x);
        top = std::min(top, corners[j].y - origin.y);
        bottom = std::max(bottom, corners[j].y - origin.y);
    }
    // The cache stays small: at most a few shapes of each kind recur.
    if (right - left > MaxStampSize || bottom - top > MaxStampSize || pen > 2 || stampCache.size() >= 64)
        return nullptr;

    // Drawn as Polyline or Polygon draws it, a margin in from the image's edges.
    const int margin = 2 + pen;
    CStamp stamp { key, pen, {}, {} };
    QPolygon polygon;
    for (int j = 0; j < count; ++j) {
        stamp.shape.push_back({ corners[j].x - origin.x, corners[j].y - origin.y });
        polygon.append(QPoint(stamp.shape.back().x - left + margin, stamp.shape.back().y - top + margin));
    }
    QImage image(right - left + 2 * margin + 1, bottom - top + 2 * margin + 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(MapPen(CMapColor {}, std::max(pen, 0)));
        if (pen < 0) {
            p.setBrush(Qt::black);
            p.drawPolygon(polygon);
        } else {
            p.drawPolyline(polygon);
        }
    }
    // Runs of a row, each joined to the same run of the row above.
    std::vector<size_t> open;
    for (int y = 0; y < image.height(); ++y) {
        std::vector<size_t> row;
        for (int x = 0; x < image.width();) {
            if (image.pixel(x, y) == qRgb(255, 255, 255)) {
                ++x;
                continue;
            }
            const int from = x;
            while (x < image.width() && image.pixel(x, y) != qRgb(255, 255, 255))
                ++x;
            const QRect run(from + left - margin, y + top - margin, x - from, 1);
            const auto above = std::find_if(open.begin(), open.end(), [&](size_t r) {
                return stamp.rects[r].left() == run.left() && stamp.rects[r].width() == run.width();
            });
            if (above != open.end()) {
                stamp.rects[*above].setBottom(run.bottom());
                row.push_back(*above);
            } else {
                row.push_back(stamp.rects.size());
                stamp.rects.push_back(run);
            }
        }
        open = std::move(row);
    }
    slot = static_cast<int>(stampCache.size());
    stampCache.push_back(std::move(stamp));
    return &stampCache.back();
}

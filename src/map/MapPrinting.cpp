#include "map/MapPrinting.h"

#include "map/CQtMapCanvas.h"
#include "draw/MapDrawing.h"
#include "area/CTolvexDoc.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

// Printing cell size used to measure how many steps the map spans.
constexpr int MeasureCellSize = 10;
constexpr int StepUnits = 30;
constexpr int TitleOffset = 100;
constexpr int TitleHeight = 90;
constexpr int MapTop = 300;
constexpr int MaxPrintCellSize = 100;

} // namespace

CPrintPlan PreparePrinting(const CTolvexDoc& doc)
{
    CPrintPlan plan;
    plan.lowestLevel = doc.lowestLevel;
    plan.pageCount = std::max(1, doc.highestLevel - doc.lowestLevel + 1);
    const CMapSize extent = MapExtent(doc, MeasureCellSize);
    plan.pagesAcross = extent.width / StepUnits + 1;
    plan.pagesDown = extent.height / StepUnits + 1;
    return plan;
}

QString PrintPageTitle(const QString& docTitle, int level)
{
    return QStringLiteral("%1 - Level %2").arg(docTitle).arg(level);
}

int PrintCellSize(const CPrintPlan& plan, const QRect& drawRect)
{
    const int mapTop = drawRect.top() + MapTop;
    const int width = drawRect.right() + 1 - drawRect.left();
    const int height = drawRect.bottom() + 1 - mapTop;
    const int c = std::min({ width / (3 * plan.pagesAcross), height / (3 * plan.pagesDown), MaxPrintCellSize });
    // A map too large for the paper still prints, at the smallest size.
    return std::max(c, 1);
}

QString DrawPrintPage(QPainter& painter, const CTolvexDoc& doc, const CPrintPlan& plan, int page, const QRect& drawRect,
    const QString& docTitle)
{
    const int level = plan.lowestLevel + page - 1;
    const QString title = PrintPageTitle(docTitle, level);

    painter.save();
    QFont font;
    font.setPixelSize(TitleHeight);
    font.setWeight(QFont::Normal);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QPoint at(drawRect.left() + TitleOffset, drawRect.top() + TitleOffset);
    painter.drawText(at.x(), at.y() + painter.fontMetrics().ascent(), title);
    painter.restore();

    const int c = PrintCellSize(plan, drawRect);
    CQtMapCanvas canvas(painter);
    DrawLevel(canvas, doc, level, 0, c, drawRect.left(), drawRect.top() + MapTop, false);
    return title;
}

QStringList PrintMap(QPagedPaintDevice& device, const CTolvexDoc& doc, const QString& docTitle, int fromPage, int toPage)
{
    const CPrintPlan plan = PreparePrinting(doc);
    if (fromPage < 1)
        fromPage = 1;
    if (toPage < 1 || toPage > plan.pageCount)
        toPage = plan.pageCount;

    QStringList titles;
    QPainter painter;
    if (fromPage > toPage || !painter.begin(&device))
        return titles;
    const double scale = device.logicalDpiX() / double(PrintUnitsPerInch);
    const double scaleY = device.logicalDpiY() / double(PrintUnitsPerInch);
    const QRect drawRect(0, 0, int(device.width() / scale), int(device.height() / scaleY));
    for (int page = fromPage; page <= toPage; ++page) {
        if (page > fromPage)
            device.newPage();
        painter.resetTransform();
        painter.scale(scale, scaleY);
        titles.append(DrawPrintPage(painter, doc, plan, page, drawRect, docTitle));
    }
    painter.end();
    return titles;
}

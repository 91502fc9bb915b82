#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class CTolvexDoc;
class QPagedPaintDevice;
class QPainter;

// Printed maps are laid out in logical units of 1/600 inch whatever the
// device's resolution, so a page looks the same on paper, in the preview and
// in a PDF.
constexpr int PrintUnitsPerInch = 600;

// One page per level, the lowest first; the number of 30-unit steps that the
// map spans at cell size 10 sets the cell size of each page.
struct CPrintPlan {
    int lowestLevel = 0;
    int pageCount = 1;
    int pagesAcross = 1;
    int pagesDown = 1;
};

// Measures the map at cell size 10.
CPrintPlan PreparePrinting(const CTolvexDoc& doc);

// "%s - Level %i".
QString PrintPageTitle(const QString& docTitle, int level);

// The cell size of a page whose drawing rectangle is `drawRect`.
int PrintCellSize(const CPrintPlan& plan, const QRect& drawRect);

// Draws page `page` (from 1) in logical units inside `drawRect`: the title,
// then the level at the page's cell size with the first room selected.
// Returns the title.
QString DrawPrintPage(QPainter& painter, const CTolvexDoc& doc, const CPrintPlan& plan, int page, const QRect& drawRect,
    const QString& docTitle);

// Prints pages `fromPage` to `toPage` (0, 0: all) on the device and returns
// the titles of the pages printed, in order; empty when the device cannot be
// painted on.
QStringList PrintMap(QPagedPaintDevice& device, const CTolvexDoc& doc, const QString& docTitle, int fromPage = 0,
    int toPage = 0);

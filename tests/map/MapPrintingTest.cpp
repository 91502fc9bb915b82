#include "gui_support/TowerViewFixture.h"

#include "map/MapPrinting.h"

#include <QApplication>
#include <QDialog>
#include <QPdfWriter>
#include <QPrinter>
#include <QTimer>

#include <array>

namespace {

class MapPrinting : public TowerViewFixture {
protected:
    std::vector<std::array<int, 4>> Placements() const
    {
        std::vector<std::array<int, 4>> placements;
        for (const CRoomData& r : doc->rooms)
            placements.push_back({ r.gridX, r.gridY, r.level, r.unplaced });
        return placements;
    }

    // The titles of the pages printed to a PDF, checked against its page count.
    QStringList PrintToPdf(int fromPage = 0, int toPage = 0)
    {
        const QString path = temp.filePath(QStringLiteral("map.pdf"));
        const QStringList titles = [&] {
            QPdfWriter pdf(path); // written out when it goes
            return PrintMap(pdf, *doc, view->Document().Title(), fromPage, toPage);
        }();
        EXPECT_EQ(PdfPages(path), titles.size());
        return titles;
    }
};

TEST_F(MapPrinting, OnePagePerLevelFromTheLowestTitledWithItsLevelAndTheMapLeftAsItWasAlsoWhenCancelled)
{
    view->OnMapZoomIn();
    const auto before = Placements();
    const QStringList titles = QStringLiteral("tower.are - Level -1|tower.are - Level 0|tower.are - Level 1|tower.are - Level 2")
                                   .split(QLatin1Char('|'));
    EXPECT_EQ(PrintToPdf(), titles);
    EXPECT_EQ(PrintToPdf(2, 3), titles.mid(1, 2)) << "a page range";
    EXPECT_EQ(Placements(), before) << "the map is laid out at its own size again";
    EXPECT_FALSE(view->Document().IsModified());

    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    QPrinter printer;
    printer.setOutputFileName(temp.filePath(QStringLiteral("cancelled.pdf")));
    view->OnFilePrint(printer);
    EXPECT_EQ(Placements(), before);
    EXPECT_EQ(view->Document().CellSize(), 24);
    EXPECT_FALSE(QFile::exists(printer.outputFileName()));
}

TEST_F(MapPrinting, CellSizeFitsThePageAndStaysAtMost100)
{
    CPrintPlan plan = PreparePrinting(*doc);
    // Pages across and down, the drawing rectangle, the cell size.
    const std::array<int, 5> cases[] = {
        { 1, 1, 900, 900, 100 }, // 300 and 200, but no more than 100
        { 5, 2, 900, 900, 60 }, // 900 / 15
        { 2, 10, 5000, 900, 20 }, // 600 / 30
        { 400, 1, 900, 900, 1 }, // too big for the paper: the smallest size
    };
    for (const auto& [across, down, width, height, cell] : cases) {
        plan.pagesAcross = across;
        plan.pagesDown = down;
        EXPECT_EQ(PrintCellSize(plan, QRect(0, 0, width, height)), cell) << across << "x" << down << " on " << width << "x" << height;
    }
}

} // namespace

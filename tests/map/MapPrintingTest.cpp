#include "app/AppFixture.h"

#include "map/MapPrinting.h"

#include <QApplication>
#include <QDialog>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTimer>

namespace {

class MapPrinting : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ASSERT_TRUE(Start({ TowerArea() }));
        document = app->Documents().front();
    }

    int PdfPages(const QString& path) const
    {
        const std::string pdf = ReadAll(path.toStdString());
        return QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size()))
            .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")));
    }

    struct Placement {
        int x, y, level;
        bool unplaced;
        bool operator==(const Placement& o) const
        {
            return x == o.x && y == o.y && level == o.level && unplaced == o.unplaced;
        }
    };
    std::vector<Placement> Placements() const
    {
        std::vector<Placement> placements;
        for (const CRoomData& r : document->Doc().rooms)
            placements.push_back({ r.x, r.y, r.level, r.unplaced });
        return placements;
    }

    CAreaDocument* document = nullptr;
};

TEST_F(MapPrinting, OnePagePerLevelFromTheLowestTitledWithItsLevel)
{
    const QString path = temp.filePath(QStringLiteral("map.pdf"));
    const auto before = Placements();
    QStringList titles;
    {
        QPdfWriter pdf(path);
        titles = PrintMap(pdf, document->Doc(), document->Title());
    }
    EXPECT_EQ(titles,
        QStringList({ QStringLiteral("tower.are - Level -1"), QStringLiteral("tower.are - Level 0"),
            QStringLiteral("tower.are - Level 1"), QStringLiteral("tower.are - Level 2") }));
    EXPECT_EQ(PdfPages(path), 4);
    EXPECT_TRUE(Placements() == before) << "the map is laid out at its own size again";
    EXPECT_FALSE(document->IsModified());
}

TEST_F(MapPrinting, PageRangePrintsOnlyThoseLevels)
{
    const QString path = temp.filePath(QStringLiteral("range.pdf"));
    QStringList titles;
    {
        QPdfWriter pdf(path);
        titles = PrintMap(pdf, document->Doc(), document->Title(), 2, 3);
    }
    EXPECT_EQ(titles, QStringList({ QStringLiteral("tower.are - Level 0"), QStringLiteral("tower.are - Level 1") }));
    EXPECT_EQ(PdfPages(path), 2);
}

TEST_F(MapPrinting, CellSizeFitsThePageAndStaysAtMost100)
{
    CPrintPlan plan = PreparePrinting(document->Doc());
    EXPECT_EQ(plan.lowestLevel, -1);
    EXPECT_EQ(plan.pageCount, 4);

    struct Case {
        int across, down, width, height, cell;
    };
    const Case cases[] = {
        { 3, 3, 900, 1200, 100 }, // (1200 - 300) / 9 = 100, 900 / 9 = 100
        { 3, 3, 900, 1209, 100 },
        { 4, 2, 1200, 900, 100 }, // 1200 / 12 = 100 and 600 / 6 = 100
        { 5, 2, 900, 900, 60 }, // 900 / 15
        { 2, 10, 5000, 900, 20 }, // 600 / 30
        { 400, 1, 900, 900, 1 }, // too big for the paper: the smallest size
    };
    for (const Case& c : cases) {
        plan.pagesAcross = c.across;
        plan.pagesDown = c.down;
        EXPECT_EQ(PrintCellSize(plan, QRect(0, 0, c.width, c.height)), c.cell)
            << c.across << "x" << c.down << " on " << c.width << "x" << c.height;
    }
}

TEST_F(MapPrinting, CancelledPrintDialogLeavesTheMapAsItWas)
{
    ActiveView()->OnMapZoomIn();
    const auto before = Placements();
    bool dialogSeen = false;
    QTimer::singleShot(0, [&dialogSeen] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialogSeen = dialog->objectName() == QStringLiteral("printDialog");
            dialog->reject();
        }
    });
    QPrinter printer;
    printer.setOutputFileName(temp.filePath(QStringLiteral("cancelled.pdf")));
    ActiveView()->OnFilePrint(printer);
    EXPECT_TRUE(dialogSeen);
    EXPECT_TRUE(Placements() == before);
    EXPECT_EQ(document->Doc().cellSize, 24);
    EXPECT_FALSE(QFile::exists(printer.outputFileName()));
}

TEST_F(MapPrinting, PrintSwitchOfTheViewPrintsWithoutADialog)
{
    const QString path = temp.filePath(QStringLiteral("direct.pdf"));
    QPrinter& printer = app->Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    EXPECT_TRUE(ActiveView()->OnFilePrintDirect(printer));
    EXPECT_EQ(PdfPages(path), 4);
}

} // namespace

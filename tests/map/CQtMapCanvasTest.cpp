#include "map/CQtMapCanvas.h"

#include "area/CTolvexDoc.h"
#include "draw/MapDrawing.h"
#include "draw/MapGridIndex.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

constexpr CMapColor Red { 200, 0, 0 };

TEST(QtMapCanvas, ShapesCoverExactlyTheirCellsAndAreNotBlendedIntoTheBackground)
{
    // What is drawn in red on white, the rectangle it must cover exactly (if
    // that is fixed), and a point it must fill.
    const std::tuple<const char*, std::function<void(IMapCanvas&)>, std::optional<QRect>, QPoint> cases[] = {
        { "fill without its right column and bottom row", [](IMapCanvas& c) { c.FillRect(2, 3, 6, 8, Red); },
            QRect(2, 3, 4, 5), QPoint(2, 3) },
        { "pen width 0", [](IMapCanvas& c) { c.Polyline({ { 2, 2 }, { 2, 9 }, { 9, 9 } }, Red, 0); }, QRect(2, 2, 8, 8), QPoint(2, 9) },
        { "disc of radius 0", [](IMapCanvas& c) { c.Disc(10, 10, 0, Red); }, QRect(), QPoint() },
        { "ellipse inside its box", [](IMapCanvas& c) { c.Ellipse(2, 4, 14, 10, Red, 0); }, QRect(2, 4, 12, 6), QPoint(2, 7) },
        { "disc", [](IMapCanvas& c) { c.Disc(12, 12, 4, Red); }, std::nullopt, QPoint(12, 12) },
        { "polygon", [](IMapCanvas& c) { c.Polygon({ { 2, 2 }, { 15, 6 }, { 4, 17 } }, Red); }, std::nullopt, QPoint(5, 6) },
        { "thick line", [](IMapCanvas& c) { c.Polyline({ { 1, 18 }, { 18, 1 } }, Red, 2); }, std::nullopt, QPoint(9, 10) },
    };
    for (const auto& [what, draw, covers, inside] : cases) {
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        CQtMapCanvas canvas(painter);
        draw(canvas);
        QRect painted;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                    painted |= QRect(x, y, 1, 1);
                    ASSERT_EQ(image.pixel(x, y), qRgb(200, 0, 0)) << what << " is blended at " << x << "," << y;
                }
        EXPECT_EQ(painted, covers.value_or(painted)) << what;
        EXPECT_TRUE(covers == QRect() || image.pixel(inside) == qRgb(200, 0, 0)) << what << " is not filled";
    }
}

namespace {

// Hands every primitive on one by one, as a file takes them.
class CInOrderCanvas : public IMapCanvas {
public:
    explicit CInOrderCanvas(IMapCanvas& inner)
        : t(inner) { }
    void FillRect(int l, int tp, int r, int b, CMapColor c) override { t.FillRect(l, tp, r, b, c); }
    void Polyline(const std::vector<CMapPoint>& p, CMapColor c, int w) override { t.Polyline(p, c, w); }
    void Polygon(const std::vector<CMapPoint>& p, CMapColor c) override { t.Polygon(p, c); }
    void Ellipse(int l, int tp, int r, int b, CMapColor c, int w) override { t.Ellipse(l, tp, r, b, c, w); }
    void Disc(int x, int y, int r, CMapColor c) override { t.Disc(x, y, r, c); }

private:
    IMapCanvas& t;
};

} // namespace

TEST(QtMapCanvas, BatchedDrawingOfClippedTilesPaintsWhatRoomByRoomDrawingPaints)
{
    // A 5 x 4 grid in shuffled order with doors on one side only, a loop, up
    // and down marks, a stub, a long line across boxes and a ghost level.
    CConfigTables tables;
    tables.isDoor = 1, tables.locked = 4;
    CTolvexDoc doc(tables);
    for (int i = 0; i < 21; ++i) {
        CRoomData& r = doc.rooms.emplace_back();
        const int cell = i * 7 % 20;
        r.vnum = cell + 1, r.gridX = cell % 5, r.gridY = cell / 5, r.unplaced = false;
    }
    doc.rooms[20].vnum = 99, doc.rooms[20].level = -1;
    for (CRoomData& r : doc.rooms) {
        const int x = r.gridX, y = r.gridY, v = r.vnum;
        // Few exits are drawn in their place in the order, so that most colours come in batches.
        r.exits[DirNorth] = { "", "", 0, y > 0 ? v - 5 : v == 3 ? v
                                                                : 0,
            v % 3 == 0 ? 1u : 0u };
        r.exits[DirEast] = { "", "", 0, x < 4 ? (y == 1 && x == 0 ? v + 3 : v + 1) : v == 10 ? 99
                                                                                             : 0,
            v % 4 == 0 ? 5u : 0u };
        r.exits[DirSouth] = { "", "", 0, y < 3 ? v + 5 : 0, 0 };
        r.exits[DirWest] = { "", "", 0, x > 0 ? v - 1 : 0, v % 2 ? 1u : 0u };
        r.exits[DirDown] = { "", "", 0, v % 6 == 0 ? 99 : 0, 0 };
    }
    CMapGridIndex index;
    index.Build(doc);
    for (int c : { 3, 6, 12, 24 })
        for (int level : { -1, 0 }) {
            const CMapSize size = ScrollSize(doc, c);
            QImage inOrder(size.width, size.height, QImage::Format_RGB32), tiled = inOrder;
            inOrder.fill(Qt::white);
            tiled.fill(Qt::white);
            {
                QPainter painter(&inOrder);
                CQtMapCanvas qt(painter);
                CInOrderCanvas canvas(qt);
                DrawMap(canvas, doc, c, level, 7);
            }
            for (int y = 0; y < size.height; y += 37)
                for (int x = 0; x < size.width; x += 53) {
                    QPainter painter(&tiled);
                    painter.setClipRect(x, y, 53, 37);
                    const CMapRect clip { x, y, x + 53, y + 37 };
                    CQtMapCanvas canvas(painter);
                    DrawMap(canvas, doc, c, level, 7, &clip, &index);
                }
            EXPECT_TRUE(inOrder == tiled) << "cell " << c << ", level " << level;
        }
}

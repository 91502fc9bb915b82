#include "map/CQtMapCanvas.h"

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

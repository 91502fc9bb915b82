#include "map/CQtMapCanvas.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr CMapColor Red { 200, 0, 0 };
const QRgb white = qRgb(255, 255, 255);
const QRgb red = qRgb(200, 0, 0);

QImage Draw(const std::function<void(IMapCanvas&)>& draw)
{
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CQtMapCanvas canvas(painter);
    draw(canvas);
    return image;
}

// The pixels of the image that are not white, as a rectangle.
QRect Painted(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != white)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(QtMapCanvas, ShapesCoverExactlyTheirCells)
{
    struct Case {
        const char* what;
        std::function<void(IMapCanvas&)> draw;
        QRect painted;
    };
    const Case cases[] = {
        { "fill leaves out the right column and bottom row", [](IMapCanvas& c) { c.FillRect(2, 3, 6, 8, Red); },
            QRect(QPoint(2, 3), QPoint(5, 7)) },
        { "empty fill", [](IMapCanvas& c) { c.FillRect(6, 6, 6, 9, Red); }, QRect() },
        { "pen width 0 is one pixel", [](IMapCanvas& c) { c.Polyline({ { 2, 5 }, { 12, 5 } }, Red, 0); },
            QRect(QPoint(2, 5), QPoint(12, 5)) },
        { "polyline through its corners", [](IMapCanvas& c) { c.Polyline({ { 2, 2 }, { 2, 9 }, { 9, 9 } }, Red, 0); },
            QRect(QPoint(2, 2), QPoint(9, 9)) },
        { "disc of radius 0 draws nothing", [](IMapCanvas& c) { c.Disc(10, 10, 0, Red); }, QRect() },
        { "ellipse stays inside its box", [](IMapCanvas& c) { c.Ellipse(2, 4, 14, 10, Red, 0); },
            QRect(QPoint(2, 4), QPoint(13, 9)) },
    };
    for (const Case& c : cases) {
        const QImage image = Draw(c.draw);
        EXPECT_EQ(Painted(image), c.painted) << c.what;
    }
}

TEST(QtMapCanvas, NothingIsBlendedIntoTheBackground)
{
    const QImage image = Draw([](IMapCanvas& c) {
        c.Polygon({ { 2, 2 }, { 15, 6 }, { 4, 17 } }, Red);
        c.Disc(12, 12, 4, Red);
        c.Polyline({ { 1, 18 }, { 18, 1 } }, Red, 2);
        c.Ellipse(1, 1, 19, 12, Red, 0);
    });
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_TRUE(image.pixel(x, y) == white || image.pixel(x, y) == red)
                << "pixel " << x << "," << y << " is blended: " << std::hex << image.pixel(x, y);
    EXPECT_EQ(image.pixel(12, 12), red) << "the disc is filled";
    EXPECT_EQ(image.pixel(5, 6), red) << "the polygon is filled";
}

} // namespace

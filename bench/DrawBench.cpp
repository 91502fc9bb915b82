#include "BenchAreas.h"
#include "draw/MapDrawing.h"
#include "layout/RoomLayout.h"
#include "map/CQtMapCanvas.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace {

// One full repaint of a map window showing the middle of the 100 x 100 grid,
// drawn as the view's paint event draws it: white, then the map through the
// Qt canvas with the exposed rectangle as clip.
void BM_DrawGrid100x100(benchmark::State& state)
{
    const int cell = static_cast<int>(state.range(0));
    CConfigTables tables;
    CTolvexDoc doc(tables);
    FillBuilding(doc, 100, 100, 1);
    LayoutRooms(doc);
    const CMapSize size = ScrollSize(doc, cell);
    QImage image(1600, 1000, QImage::Format_RGB32);
    const int ox = std::max(0, (size.width - image.width()) / 2);
    const int oy = std::max(0, (size.height - image.height()) / 2);
    const CMapRect clip { ox, oy, ox + image.width(), oy + image.height() };
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        painter.translate(-ox, -oy);
        {
            CQtMapCanvas canvas(painter); // restores the painter when it goes
            DrawMap(canvas, doc, cell, 0, 0, &clip);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["rooms"] = static_cast<double>(doc.rooms.size());
}
BENCHMARK(BM_DrawGrid100x100)->Arg(3)->Arg(12)->Arg(48)->Unit(benchmark::kMillisecond);

} // namespace

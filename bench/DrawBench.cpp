#include "BenchAreas.h"
#include "draw/MapDrawing.h"
#include "draw/MapGridIndex.h"
#include "layout/RoomCommands.h"
#include "layout/RoomLayout.h"
#include "map/CQtMapCanvas.h"
#include "world/WorldMap.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <memory>
#include <utility>
#include <vector>

namespace {

// A laid-out building, built once per size: the larger one takes seconds.
const CTolvexDoc& Building(int width, int height, int levels)
{
    static CConfigTables tables;
    static std::vector<std::pair<std::array<int, 3>, std::unique_ptr<CTolvexDoc>>> built;
    const std::array<int, 3> key { width, height, levels };
    for (const auto& [size, doc] : built)
        if (size == key)
            return *doc;
    auto doc = std::make_unique<CTolvexDoc>(tables);
    FillBuilding(*doc, width, height, levels);
    LayoutRooms(*doc);
    built.emplace_back(key, std::move(doc));
    return *built.back().second;
}

// One full repaint of a 1600 x 1000 map window showing the middle of level
// `level`, drawn as the view's paint event draws it: white, then the map
// through the Qt canvas with the exposed rectangle as clip and the window's
// index of the layout.
void Repaint(benchmark::State& state, const CTolvexDoc& doc, int level, const CMapWorld* world = nullptr)
{
    const int cell = static_cast<int>(state.range(0));
    const CMapSize size = ScrollSize(doc, cell);
    QImage image(1600, 1000, QImage::Format_RGB32);
    const int ox = std::max(0, (size.width - image.width()) / 2);
    const int oy = std::max(0, (size.height - image.height()) / 2);
    const CMapRect clip { ox, oy, ox + image.width(), oy + image.height() };
    CMapGridIndex index;
    index.Build(doc);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        painter.translate(-ox, -oy);
        {
            CQtMapCanvas canvas(painter); // restores the painter when it goes
            DrawMap(canvas, doc, cell, level, 0, &clip, &index, world);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["rooms"] = static_cast<double>(doc.rooms.size());
}

// Every zoom step of the map window.
void BM_DrawGrid100x100(benchmark::State& state)
{
    Repaint(state, Building(100, 100, 1), 0);
}
void ZoomSteps(benchmark::internal::Benchmark* bench)
{
    for (int cell = RoomCommands::MinCellSize;; cell = RoomCommands::ZoomIn(cell)) {
        bench->Arg(cell);
        if (!RoomCommands::CanZoomIn(cell))
            break;
    }
}
BENCHMARK(BM_DrawGrid100x100)->Apply(ZoomSteps)->Unit(benchmark::kMillisecond);

// Ten levels of 100 x 100, the fifth one shown over the fourth as ghost, at
// the largest zoom: the window shows a few dozen rooms of 100,000.
void BM_DrawBuilding100k(benchmark::State& state)
{
    Repaint(state, Building(100, 100, 10), 5);
}
BENCHMARK(BM_DrawBuilding100k)->Arg(RoomCommands::MaxCellSize)->Unit(benchmark::kMillisecond);

// The world map of ten areas of 1,000 rooms, each tinted by its area.
void BM_DrawWorldMap10k(benchmark::State& state)
{
    static const auto docs = GridWorld(10, 1000);
    static CTolvexDoc picture(RomTables());
    static std::vector<CMapColor> tints;
    if (picture.rooms.empty()) {
        std::vector<CWorldArea> world;
        for (const auto& doc : docs)
            world.push_back({ "grid.are", doc.get() });
        CWorldMap map;
        map.Build(world, picture);
        for (size_t i = 0; i < picture.rooms.size(); ++i)
            tints.push_back(TintColor(SectorColor(picture.Tables(), picture.rooms[i].sector), { 40 * static_cast<int>(map.AreaOf(i) % 6), 120, 200 }));
    }
    const CMapWorld world { nullptr, &tints, {} };
    Repaint(state, picture, 0, &world);
}
BENCHMARK(BM_DrawWorldMap10k)->Apply(ZoomSteps)->Unit(benchmark::kMillisecond);

} // namespace

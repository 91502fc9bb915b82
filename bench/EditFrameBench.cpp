// From an edit to the map on screen: the operation, the layout, the view's
// update and a repaint of a window-sized map, on generated grid areas. The
// Problems panel checks after the burst and is not part of the frame.
#include "BenchAreas.h"
#include "BenchSteps.h"
#include "gui/CAreaDocument.h"
#include "map/CTolvexView.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "tolvex_frame_bench";
    static char* argv[] = { name, nullptr };
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

// The grid area's file, written once per size.
QString GridFile(int rooms)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grid%1.are").arg(rooms));
    if (!QFile::exists(path)) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        const std::string text = GridAreaText(rooms);
        file.write(text.data(), static_cast<qint64>(text.size()));
    }
    return path;
}

struct COpenArea {
    std::unique_ptr<CAreaDocument> document;
    std::unique_ptr<CTolvexView> view;
};

// Renders the viewport as its paint event draws it on screen.
void Repaint(COpenArea& area)
{
    benchmark::DoNotOptimize(area.view->viewport()->grab());
}

std::unique_ptr<COpenArea> Open(int rooms)
{
    auto area = std::make_unique<COpenArea>();
    area->document = std::make_unique<CAreaDocument>(RomTables());
    CDiagnosticList diagnostics;
    QString error;
    area->document->OnOpenDocument(GridFile(rooms), diagnostics, error);
    area->view = std::make_unique<CTolvexView>(*area->document);
    area->view->resize(1200, 800);
    area->view->show();
    Repaint(*area);
    return area;
}

COpenArea& Opened(int rooms)
{
    static std::map<int, std::unique_ptr<COpenArea>> areas;
    std::unique_ptr<COpenArea>& area = areas[rooms];
    if (!area)
        area = Open(rooms);
    return *area;
}

void BM_OpenToDrawnMap(benchmark::State& state)
{
    App();
    const int rooms = static_cast<int>(state.range(0));
    GridFile(rooms);
    for (auto _ : state)
        benchmark::DoNotOptimize(Open(rooms));
}
BENCHMARK(BM_OpenToDrawnMap)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A dig down from the last room, or its undo, until the map is repainted.
void BM_DigToScreen(benchmark::State& state)
{
    App();
    COpenArea& area = Opened(static_cast<int>(state.range(0)));
    CAreaEditor& editor = area.document->Editor();
    const CRoomData room = DugRoom(area.document->Doc());
    const int from = static_cast<int>(area.document->Doc().rooms.size()) - 1;
    TimeStepOrUndo(
        state, editor, state.range(1) != 0, [&] { editor.AddRoom(room, from, DirDown); }, [&] { Repaint(area); });
}
BENCHMARK(BM_DigToScreen)->ArgNames({ "rooms", "undo" })->ArgsProduct({ { 10000, 100000 }, { 0, 1 } })->Unit(benchmark::kMillisecond);

void BM_EditRoomToScreen(benchmark::State& state)
{
    App();
    COpenArea& area = Opened(static_cast<int>(state.range(0)));
    CAreaEditor& editor = area.document->Editor();
    const int index = static_cast<int>(state.range(0)) / 2;
    CRoomData renamed = area.document->Doc().rooms[static_cast<size_t>(index)];
    renamed.name += " (renamed)";
    TimeStepOrUndo(
        state, editor, false, [&] { editor.ReplaceRoom(index, renamed); }, [&] { Repaint(area); });
}
BENCHMARK(BM_EditRoomToScreen)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

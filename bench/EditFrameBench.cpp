// From an edit to the map on screen: the operation, the layout, the view's
// update and a repaint of a window-sized map, on generated grid areas. The
// Problems panel checks after the burst and is not part of the frame.
#include "BenchAreas.h"
#include "config/ConfigLoader.h"
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

CConfigTables& Tables()
{
    static CConfigTables tables = [] {
        CConfigTables t;
        int line = 0;
        LoadConfig(t, std::string(TOLVEX_SOURCE_DIR) + "/res/configs/rom24-default.cfg", line);
        return t;
    }();
    return tables;
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
    area->document = std::make_unique<CAreaDocument>(Tables());
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

CRoomData Dug(const CTolvexDoc& doc)
{
    CRoomData room;
    room.vnum = static_cast<int>(doc.rooms.size()) + 1;
    room.name = "The dig";
    return room;
}

void BM_DigToScreen(benchmark::State& state)
{
    App();
    COpenArea& area = Opened(static_cast<int>(state.range(0)));
    CAreaEditor& editor = area.document->Editor();
    const CRoomData room = Dug(area.document->Doc());
    const int from = static_cast<int>(area.document->Doc().rooms.size()) - 1;
    for (auto _ : state) {
        editor.AddRoom(room, from, DirDown);
        Repaint(area);
        state.PauseTiming();
        editor.Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DigToScreen)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_UndoToScreen(benchmark::State& state)
{
    App();
    COpenArea& area = Opened(static_cast<int>(state.range(0)));
    CAreaEditor& editor = area.document->Editor();
    const CRoomData room = Dug(area.document->Doc());
    const int from = static_cast<int>(area.document->Doc().rooms.size()) - 1;
    for (auto _ : state) {
        state.PauseTiming();
        editor.AddRoom(room, from, DirDown);
        state.ResumeTiming();
        editor.Undo();
        Repaint(area);
    }
}
BENCHMARK(BM_UndoToScreen)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_EditRoomToScreen(benchmark::State& state)
{
    App();
    COpenArea& area = Opened(static_cast<int>(state.range(0)));
    CAreaEditor& editor = area.document->Editor();
    const int index = static_cast<int>(state.range(0)) / 2;
    CRoomData renamed = area.document->Doc().rooms[static_cast<size_t>(index)];
    renamed.name += " (renamed)";
    for (auto _ : state) {
        editor.ReplaceRoom(index, renamed);
        Repaint(area);
        state.PauseTiming();
        editor.Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditRoomToScreen)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

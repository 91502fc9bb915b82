// The steps of an edit on generated grid areas: the layout, the check, and a
// dig, an undo and a room edit through the editor (each laid out again).
#include "BenchAreas.h"
#include "check/AreaCheck.h"
#include "config/ConfigLoader.h"
#include "edit/CAreaEditor.h"
#include "layout/RoomLayout.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <sstream>

namespace {

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

// Each size is generated and read once: the cases share it.
CTolvexDoc& Grid(int rooms)
{
    static std::map<int, std::unique_ptr<CTolvexDoc>> grids;
    std::unique_ptr<CTolvexDoc>& doc = grids[rooms];
    if (!doc) {
        doc = std::make_unique<CTolvexDoc>(Tables());
        std::istringstream in(GridAreaText(rooms));
        CDiagnosticList diagnostics;
        doc->Load(in, diagnostics);
        LayoutRooms(*doc);
    }
    return *doc;
}

int Rooms(const benchmark::State& state)
{
    return static_cast<int>(state.range(0));
}

void BM_LayoutGrid(benchmark::State& state)
{
    CTolvexDoc& doc = Grid(Rooms(state));
    for (auto _ : state)
        LayoutRooms(doc);
}
BENCHMARK(BM_LayoutGrid)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_CheckGrid(benchmark::State& state)
{
    const CTolvexDoc& doc = Grid(Rooms(state));
    size_t findings = 0;
    for (auto _ : state)
        findings = CheckArea(doc).size();
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckGrid)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

CRoomData Dug(const CTolvexDoc& doc)
{
    CRoomData room;
    room.vnum = static_cast<int>(doc.rooms.size()) + 1;
    room.name = "The dig";
    return room;
}

// A dig down from the last room: the new room and the exit to it, one step.
void BM_DigGrid(benchmark::State& state)
{
    CTolvexDoc& doc = Grid(Rooms(state));
    CAreaEditor editor(doc);
    const CRoomData room = Dug(doc);
    for (auto _ : state) {
        editor.AddRoom(room, static_cast<int>(doc.rooms.size()) - 1, DirDown);
        state.PauseTiming();
        editor.Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DigGrid)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_UndoDigGrid(benchmark::State& state)
{
    CTolvexDoc& doc = Grid(Rooms(state));
    CAreaEditor editor(doc);
    const CRoomData room = Dug(doc);
    for (auto _ : state) {
        state.PauseTiming();
        editor.AddRoom(room, static_cast<int>(doc.rooms.size()) - 1, DirDown);
        state.ResumeTiming();
        editor.Undo();
    }
}
BENCHMARK(BM_UndoDigGrid)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A room of the middle renamed, as its dialog's OK hands it over.
void BM_EditRoomGrid(benchmark::State& state)
{
    CTolvexDoc& doc = Grid(Rooms(state));
    CAreaEditor editor(doc);
    const int index = Rooms(state) / 2;
    CRoomData renamed = doc.rooms[static_cast<size_t>(index)];
    renamed.name += " (renamed)";
    for (auto _ : state) {
        editor.ReplaceRoom(index, renamed);
        state.PauseTiming();
        editor.Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditRoomGrid)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

// The steps of an edit on generated grid areas: the layout, the check, and a
// dig, an undo and a room edit through the editor (each laid out again).
#include "BenchAreas.h"
#include "BenchSteps.h"
#include "check/AreaCheck.h"
#include "edit/CAreaEditor.h"
#include "layout/RoomLayout.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <sstream>

namespace {

// Each size is generated and read once: the cases share it.
CTolvexDoc& Grid(int rooms)
{
    static std::map<int, std::unique_ptr<CTolvexDoc>> grids;
    std::unique_ptr<CTolvexDoc>& doc = grids[rooms];
    if (!doc) {
        doc = std::make_unique<CTolvexDoc>(RomTables());
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

// A dig down from the last room: the new room and the exit to it, one step;
// and its undo.
void BM_DigGrid(benchmark::State& state)
{
    CTolvexDoc& doc = Grid(Rooms(state));
    CAreaEditor editor(doc);
    const CRoomData room = DugRoom(doc);
    const int from = static_cast<int>(doc.rooms.size()) - 1;
    TimeStepOrUndo(
        state, editor, state.range(1) != 0, [&] { editor.AddRoom(room, from, DirDown); }, [] {});
}
BENCHMARK(BM_DigGrid)->ArgNames({ "rooms", "undo" })->ArgsProduct({ { 10000, 100000 }, { 0, 1 } })->Unit(benchmark::kMillisecond);

// A room of the middle renamed, as its dialog's OK hands it over.
void BM_EditRoomGrid(benchmark::State& state)
{
    CTolvexDoc& doc = Grid(Rooms(state));
    CAreaEditor editor(doc);
    const int index = Rooms(state) / 2;
    CRoomData renamed = doc.rooms[static_cast<size_t>(index)];
    renamed.name += " (renamed)";
    TimeStepOrUndo(
        state, editor, false, [&] { editor.ReplaceRoom(index, renamed); }, [] {});
}
BENCHMARK(BM_EditRoomGrid)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

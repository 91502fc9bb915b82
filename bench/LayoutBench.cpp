#include "BenchAreas.h"
#include "layout/RoomLayout.h"
#include "area/CTolvexDoc.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

namespace {

int Opposite(int d)
{
    return d < DirUp ? d ^ 2 : d ^ 1;
}

// A tree whose rooms hang off recent rooms in random directions, with the
// way back: branches keep growing into each other, and about every second
// placement collides and shifts part of the map.
void FillCollidingTree(CTolvexDoc& doc, int count)
{
    std::mt19937 rng(2024);
    doc.rooms.assign(count, CRoomData());
    for (int i = 0; i < count; ++i) {
        doc.rooms[i].vnum = 1 + i;
        if (i == 0)
            continue;
        // A recent room with a free side (the newest one has three).
        int parent = -1, d = 0;
        for (int tries = 0; parent < 0; ++tries) {
            int p = tries < 20 ? std::max(0, i - 1 - static_cast<int>(rng() % 6)) : i - 1;
            d = static_cast<int>(rng() % 4);
            if (doc.rooms[p].exits[d].toVnum == 0)
                parent = p;
        }
        doc.rooms[parent].exits[d].toVnum = 1 + i;
        doc.rooms[i].exits[Opposite(d)].toVnum = 1 + parent;
    }
}

template <typename Fill>
void RunLayout(benchmark::State& state, Fill fill)
{
    CConfigTables tables;
    CTolvexDoc doc(tables);
    fill(doc);
    for (auto _ : state) {
        LayoutRooms(doc);
        benchmark::DoNotOptimize(doc.rooms.back().gridX);
    }
    state.counters["rooms"] = static_cast<double>(doc.rooms.size());
}

void BM_LayoutGrid100x100(benchmark::State& state)
{
    RunLayout(state, [](CTolvexDoc& doc) { FillBuilding(doc, 100, 100, 1); });
}
BENCHMARK(BM_LayoutGrid100x100)->Unit(benchmark::kMillisecond);

void BM_LayoutBuilding3x30x30(benchmark::State& state)
{
    RunLayout(state, [](CTolvexDoc& doc) { FillBuilding(doc, 30, 30, 3); });
}
BENCHMARK(BM_LayoutBuilding3x30x30)->Unit(benchmark::kMillisecond);

void BM_LayoutCollidingTree2000(benchmark::State& state)
{
    RunLayout(state, [](CTolvexDoc& doc) { FillCollidingTree(doc, 2000); });
}
BENCHMARK(BM_LayoutCollidingTree2000)->Unit(benchmark::kMillisecond);

} // namespace

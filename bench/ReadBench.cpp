// What a loaded area costs: the heap its records take, and saving large
// generated areas.
#include "BenchAreas.h"
#include "area/CTolvexDoc.h"
#include "config/ConfigLoader.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>
#include <sstream>

namespace {

const CConfigTables& Tables()
{
    static const CConfigTables tables = [] {
        CConfigTables t;
        int line = 0;
        LoadConfig(t, std::string(TOLVEX_SOURCE_DIR) + "/res/configs/rom24-default.cfg", line);
        return t;
    }();
    return tables;
}

// Bytes the heap hands out now, mapped blocks included.
long long HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

// The heap a loaded grid area holds once its text is gone, per room.
void BM_HeapPerRoom(benchmark::State& state)
{
    const int rooms = static_cast<int>(state.range(0));
    CConfigTables tables = Tables();
    double perRoom = 0;
    for (auto _ : state) {
        const long long before = HeapInUse();
        std::unique_ptr<CTolvexDoc> doc = std::make_unique<CTolvexDoc>(tables);
        {
            std::istringstream in(GridAreaText(rooms));
            CDiagnosticList diagnostics;
            doc->Load(in, diagnostics);
        }
        perRoom = static_cast<double>(HeapInUse() - before) / rooms;
        benchmark::DoNotOptimize(doc->rooms.data());
    }
    state.counters["heap_per_room"] = perRoom;
}
BENCHMARK(BM_HeapPerRoom)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_SaveGrid(benchmark::State& state)
{
    CConfigTables tables = Tables();
    CTolvexDoc doc(tables);
    {
        std::istringstream in(GridAreaText(static_cast<int>(state.range(0))));
        CDiagnosticList diagnostics;
        doc.Load(in, diagnostics);
    }
    size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        CDiagnosticList diagnostics;
        doc.Save(out, "grid.are", diagnostics);
        bytes += out.str().size();
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_SaveGrid)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

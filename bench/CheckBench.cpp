// Checking the largest ROM area of the shared corpus, as the problems panel
// does after every change.
#include "area/CTolvexDoc.h"
#include "check/AreaCheck.h"
#include "config/ConfigLoader.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

size_t RecordCount(const CTolvexDoc& doc)
{
    size_t count = doc.rooms.size() + doc.objects.size() + doc.mobs.size() + doc.mobprogs.size();
    for (const CRoomData& room : doc.rooms)
        count += room.resets.size();
    return count;
}

void BM_CheckLargestArea(benchmark::State& state)
{
    static CConfigTables tables;
    int line = 0;
    LoadConfig(tables, std::string(TOLVEX_SOURCE_DIR) + "/res/tolvex.cfg", line);
    std::unique_ptr<CTolvexDoc> largest;
    std::string largestName;
    const std::filesystem::path dir = std::string(TOLVEX_SHARED_DIR) + "/areas/rom24";
    if (std::filesystem::is_directory(dir)) {
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            if (entry.path().extension() != ".are")
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            auto doc = std::make_unique<CTolvexDoc>(tables);
            CDiagnosticList diagnostics;
            if (doc->Load(in, diagnostics) && (!largest || RecordCount(*doc) > RecordCount(*largest))) {
                largest = std::move(doc);
                largestName = entry.path().filename().string();
            }
        }
    }
    if (!largest) {
        state.SkipWithError("the shared ROM areas are not present");
        return;
    }
    state.SetLabel(largestName + ", " + std::to_string(RecordCount(*largest)) + " records");
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckArea(*largest).size());
}
BENCHMARK(BM_CheckLargestArea)->Unit(benchmark::kMicrosecond);

} // namespace

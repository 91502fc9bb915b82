// Opening the stock world: its area.lst, every area it lists, and the check
// of the areas together.
#include "BenchAreas.h"
#include "layout/RoomLayout.h"
#include "world/AreaList.h"
#include "world/WorldCheck.h"
#include "world/WorldMap.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <sstream>

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void BM_OpenStockWorld(benchmark::State& state)
{
    const std::string folder = std::string(TOLVEX_SHARED_DIR) + "/areas/rom24/";
    const std::string list = ReadFile(folder + "area.lst");
    if (list.empty()) {
        state.SkipWithError("the shared ROM areas are not present");
        return;
    }
    size_t areas = 0;
    for (auto _ : state) {
        std::vector<std::unique_ptr<CTolvexDoc>> docs;
        std::vector<CWorldArea> world;
        for (const CAreaListEntry& entry : ReadAreaList(list).entries) {
            std::istringstream in(ReadFile(folder + entry.file));
            auto doc = std::make_unique<CTolvexDoc>(RomTables());
            CDiagnosticList diagnostics;
            if (doc->Load(in, diagnostics)) {
                world.push_back({ entry.file, doc.get() });
                docs.push_back(std::move(doc));
            }
        }
        benchmark::DoNotOptimize(CheckWorld(world).size());
        areas = world.size();
    }
    state.counters["areas"] = static_cast<double>(areas);
}
BENCHMARK(BM_OpenStockWorld)->Unit(benchmark::kMillisecond);

// The world map of ten areas of 1,000 rooms: their rooms copied and laid out
// as one map, as after every edit while the map is open.
void BM_BuildWorldMap(benchmark::State& state)
{
    const auto docs = GridWorld(10, static_cast<int>(state.range(0)) / 10);
    std::vector<CWorldArea> world;
    for (const auto& doc : docs)
        world.push_back({ "grid.are", doc.get() });
    CTolvexDoc picture(RomTables());
    CWorldMap map;
    for (auto _ : state) {
        map.Build(world, picture);
        benchmark::DoNotOptimize(picture.rooms.data());
    }
    state.counters["placed"] = static_cast<double>(picture.rooms.size() - static_cast<size_t>(UnplacedRoomCount(picture)));
}
BENCHMARK(BM_BuildWorldMap)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

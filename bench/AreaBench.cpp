// Loading and saving every ROM area file of the shared corpus together.
#include "BenchAreas.h"
#include "area/CTolvexDoc.h"
#include "config/ConfigLoader.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

struct CCorpus {
    CConfigTables tables;
    std::vector<std::string> files;
};

const CCorpus& Corpus()
{
    static CCorpus corpus = [] {
        CCorpus c;
        int line = 0;
        LoadConfig(c.tables, std::string(TOLVEX_SOURCE_DIR) + "/res/configs/rom24-default.cfg", line);
        const std::filesystem::path dir = std::string(TOLVEX_SHARED_DIR) + "/areas/rom24";
        if (std::filesystem::is_directory(dir))
            for (const auto& entry : std::filesystem::directory_iterator(dir))
                if (entry.path().extension() == ".are") {
                    std::ifstream in(entry.path(), std::ios::binary);
                    c.files.emplace_back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
                }
        return c;
    }();
    return corpus;
}

void BM_LoadCorpus(benchmark::State& state)
{
    const CCorpus& corpus = Corpus();
    if (corpus.files.empty()) {
        state.SkipWithError("the shared ROM areas are not present");
        return;
    }
    CConfigTables tables = corpus.tables;
    size_t bytes = 0;
    for (auto _ : state) {
        for (const std::string& file : corpus.files) {
            CTolvexDoc doc(tables);
            std::istringstream in(file);
            CDiagnosticList diagnostics;
            benchmark::DoNotOptimize(doc.Load(in, diagnostics));
            bytes += file.size();
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_LoadCorpus)->Unit(benchmark::kMillisecond);

void BM_SaveCorpus(benchmark::State& state)
{
    const CCorpus& corpus = Corpus();
    if (corpus.files.empty()) {
        state.SkipWithError("the shared ROM areas are not present");
        return;
    }
    CConfigTables tables = corpus.tables;
    std::vector<std::unique_ptr<CTolvexDoc>> docs;
    for (const std::string& file : corpus.files) {
        docs.push_back(std::make_unique<CTolvexDoc>(tables));
        std::istringstream in(file);
        CDiagnosticList diagnostics;
        docs.back()->Load(in, diagnostics);
    }
    for (auto _ : state) {
        for (auto& doc : docs) {
            std::ostringstream out;
            CDiagnosticList diagnostics;
            doc->Save(out, "area.are", diagnostics);
            benchmark::DoNotOptimize(out.str().size());
        }
    }
}
BENCHMARK(BM_SaveCorpus)->Unit(benchmark::kMillisecond);

// A generated grid area of state.range(0) rooms read from its text: the
// resets find their rooms through the vnum index.
void BM_LoadGrid(benchmark::State& state)
{
    const std::string text = GridAreaText(static_cast<int>(state.range(0)));
    CConfigTables tables = Corpus().tables;
    for (auto _ : state) {
        CTolvexDoc doc(tables);
        std::istringstream in(text);
        CDiagnosticList diagnostics;
        benchmark::DoNotOptimize(doc.Load(in, diagnostics));
    }
    state.SetBytesProcessed(static_cast<int64_t>(text.size() * state.iterations()));
}
BENCHMARK(BM_LoadGrid)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

// The cost of building the registry: the 103 definitions, as the first caret update
// inside a host notification pays it.
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "catalogue/definitions/Definitions.h"

namespace {

// A fresh vector per iteration: construction and destruction of the whole catalogue.
void BM_ConstructRegistry(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<std::unique_ptr<korvex::Bericht>> standaarden;
        korvex::definitions::AppendAll(standaarden);
        benchmark::DoNotOptimize(standaarden.data());
        benchmark::ClobberMemory();
    }
    std::vector<std::unique_ptr<korvex::Bericht>> standaarden;
    korvex::definitions::AppendAll(standaarden);
    std::size_t records = 0, fields = 0;
    for (const auto& bericht : standaarden)
        for (const auto& regel : bericht->Regels) {
            ++records;
            fields += regel.Velden.size();
        }
    state.counters["definitions"] = static_cast<double>(standaarden.size());
    state.counters["records"] = static_cast<double>(records);
    state.counters["fields"] = static_cast<double>(fields);
}
BENCHMARK(BM_ConstructRegistry)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

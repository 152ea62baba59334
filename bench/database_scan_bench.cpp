// Walking a year's connection database, as every reader does each time it is asked: the walk
// over bytes in memory, and the same with the file read from disk first.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/bench_support.h"
#include "domain/database_file.h"

namespace ruvo::bench {
namespace {

void ScanDatabase(benchmark::State& state) {
    const std::string bytes = YearDatabase(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::int64_t seconds = 0;
        const auto scan = ruvo::ScanDatabase(bytes, [&](const ConnectionRecord& record) {
            seconds += static_cast<std::int64_t>(record.durationSeconds.size());
            return true;
        });
        benchmark::DoNotOptimize(seconds);
        benchmark::DoNotOptimize(scan.records);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ScanDatabase)->Apply(YearSizes)->Unit(benchmark::kMillisecond);

void ReadDatabaseFile(benchmark::State& state) {
    TempFolder folder;
    WriteBytes(folder.file(kBenchDatabase), YearDatabase(static_cast<int>(state.range(0))));
    const std::string path = folder.file(kBenchDatabase);
    for (auto _ : state) {
        const auto scan =
            ruvo::ReadDatabaseFile(path, [](const ConnectionRecord&) { return true; });
        benchmark::DoNotOptimize(scan.records);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ReadDatabaseFile)->Apply(YearSizes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruvo::bench

// The readers of the connection database: the month's online seconds for the free minutes, and
// the week's and the month's spending for the budgets. Each reads the whole year's file afresh
// (a fresh HeldDatabases per call), as the program does when the file changed since it last read
// it; an unchanged file costs the housekeeping tick no reading at all (housekeeping_bench.cpp).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/bench_support.h"
#include "domain/consumption.h"
#include "domain/held_databases.h"
#include "domain/unreadable_records.h"
#include "features/provider_minutes.h"
#include "platform/fake/fake_window_system.h"

namespace ruvo::bench {
namespace {

void MonthOnlineSeconds(benchmark::State& state) {
    TempFolder folder;
    WriteBytes(folder.file(kBenchDatabase), YearDatabase(static_cast<int>(state.range(0))));
    const std::string path = folder.file(kBenchDatabase);
    fake::FakeSound sound;
    for (auto _ : state) {
        HeldDatabases databases;
        benchmark::DoNotOptimize(ruvo::MonthOnlineSeconds(path, kBenchToday, databases, sound));
    }
    if (!sound.beeps().empty()) {
        state.SkipWithError("the reader beeped: the database was not read to its end");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(MonthOnlineSeconds)->Apply(YearSizes)->Unit(benchmark::kMillisecond);

void ConsumptionSum(benchmark::State& state, BudgetKind period) {
    TempFolder folder;
    WriteBytes(folder.file(kBenchDatabase), YearDatabase(static_cast<int>(state.range(0))));
    fake::FakeSound sound;
    fake::FakeWindowSystem windows;
    UnreadableRecords unreadable(windows);
    for (auto _ : state) {
        HeldDatabases databases;
        benchmark::DoNotOptimize(SumSpending(period, kBenchToday, folder.directory(), BenchStart(),
                                             databases, sound, &unreadable));
    }
    if (!sound.beeps().empty()) {
        state.SkipWithError("the sum beeped: the database was not read to its end");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK_CAPTURE(ConsumptionSum, Week, BudgetKind::Weekly)
    ->Apply(YearSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConsumptionSum, Month, BudgetKind::Monthly)
    ->Apply(YearSizes)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruvo::bench

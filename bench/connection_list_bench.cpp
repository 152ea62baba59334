// The connection list's readers: the year list loaded from the database on every activation,
// each reporting period's filter, and the totals of all rows selected.
//
// Placeholders: the connection list is not in this tree yet. Each case is registered under its
// final name (without the record count) and skips with that reason, so that the budget of the
// load (under 50 ms with 10,000 records) shows up as not measured rather than missing. To fill them
// in, build the list's rows from YearDatabase(N) (bench_support.h), time the load as it runs on
// activation (file read included), each period's filter of the year's rows seen from BenchStart(),
// and the totals of every row; apply YearSizes, call state.SetComplexityN(state.range(0)), and give
// the load the counter budget_ms = 50 at 10,000 records.
#include <benchmark/benchmark.h>

#include "bench/bench_support.h"

namespace ruvo::bench {
namespace {

// Once, without the year sizes: there is nothing to repeat or to fit yet.
void Placeholder(benchmark::internal::Benchmark* benchmark) {
    benchmark->Repetitions(1);
}

// Registers as measured nothing, with the reason.
void NotYetMeasured(benchmark::State& state) {
    state.SkipWithError("the connection list (records/connection_list.h) is not in this tree yet");
    for (auto _ : state) {
    }
}

void ConnectionListLoad(benchmark::State& state) {
    NotYetMeasured(state);
}
BENCHMARK(ConnectionListLoad)->Apply(Placeholder)->Unit(benchmark::kMillisecond);

void ConnectionListFilter(benchmark::State& state, const char* periodName) {
    benchmark::DoNotOptimize(periodName);
    NotYetMeasured(state);
}
BENCHMARK_CAPTURE(ConnectionListFilter, WholeYear, "Gesamtes Jahr")->Apply(Placeholder);
BENCHMARK_CAPTURE(ConnectionListFilter, CurrentMonth, "Aktueller Monat")->Apply(Placeholder);
BENCHMARK_CAPTURE(ConnectionListFilter, CurrentWeek, "Aktuelle Woche")->Apply(Placeholder);
BENCHMARK_CAPTURE(ConnectionListFilter, Today, "Heute")->Apply(Placeholder);
BENCHMARK_CAPTURE(ConnectionListFilter, LastMonth, "Letzter Monat")->Apply(Placeholder);
BENCHMARK_CAPTURE(ConnectionListFilter, LastWeek, "Letzte Woche")->Apply(Placeholder);
BENCHMARK_CAPTURE(ConnectionListFilter, Yesterday, "Gestern")->Apply(Placeholder);

void ConnectionListTotalsOfAllRows(benchmark::State& state) {
    NotYetMeasured(state);
}
BENCHMARK(ConnectionListTotalsOfAllRows)->Apply(Placeholder);

}  // namespace
}  // namespace ruvo::bench

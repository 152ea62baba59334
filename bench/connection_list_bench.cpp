// The connection list's work, with a year's database of N records: the load on every activation
// of the window (the file read, the year's rows, the whole year shown), each reporting period's
// filter of the year's rows (the shown rows and their display texts), and the totals of all rows
// selected. Seen from Tuesday 07.12.99: the month holds about 2 % of the records, the week and the
// day before yesterday's week about 0.6 %, today none.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/list_on_machine.h"

namespace ruvo::bench {
namespace {

int Records(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

void ConnectionListLoad(benchmark::State& state) {
    ListOnMachine machine(Records(state));
    for (auto _ : state) {
        machine.window().activate();
    }
    if (machine.beeped() || machine.list().yearRows().size() != machine.list().shownRows().size()) {
        state.SkipWithError("the year was not read to its end or not shown whole");
    }
    state.SetComplexityN(state.range(0));
    // The budget holds for a year of 10,000 records; the other sizes show the growth.
    if (state.range(0) == 10000) {
        state.counters["budget_ms"] = 50;
    }
}
BENCHMARK(ConnectionListLoad)->Apply(YearSizes)->Unit(benchmark::kMillisecond);

void ConnectionListFilter(benchmark::State& state, const char* periodName) {
    ListOnMachine machine(Records(state));
    machine.window().activate();
    machine.window().periodBox.setText(periodName);
    for (auto _ : state) {
        machine.list().filter();
    }
    state.counters["shown"] = static_cast<double>(machine.list().shownRows().size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK_CAPTURE(ConnectionListFilter, WholeYear, "Gesamtes Jahr")
    ->Apply(YearSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConnectionListFilter, CurrentMonth, "Aktueller Monat")
    ->Apply(YearSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConnectionListFilter, CurrentWeek, "Aktuelle Woche")
    ->Apply(YearSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConnectionListFilter, Today, "Heute")
    ->Apply(YearSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConnectionListFilter, LastMonth, "Letzter Monat")
    ->Apply(YearSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConnectionListFilter, LastWeek, "Letzte Woche")
    ->Apply(YearSizes)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConnectionListFilter, Yesterday, "Gestern")
    ->Apply(YearSizes)
    ->Unit(benchmark::kMillisecond);

// The status bar's totals with every row of the year shown and selected.
void ConnectionListTotalsOfAllRows(benchmark::State& state) {
    ListOnMachine machine(Records(state));
    machine.window().activate();
    machine.window().selectAllItem.click();
    if (machine.window().connectionTable.selectedCount() != machine.list().yearRows().size()) {
        state.SkipWithError("not every row is selected");
    }
    for (auto _ : state) {
        machine.list().totals();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ConnectionListTotalsOfAllRows)->Apply(YearSizes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruvo::bench

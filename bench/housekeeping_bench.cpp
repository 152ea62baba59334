// One housekeeping tick of the running program, offline, with a year's database of N records:
// the status line, the budget closure checks, the week's and the month's spending (the file
// unchanged since it was read: one look at its stamp each), the database's name and existence,
// and the online poll. It must not grow with the records.
//
// Each iteration lets 4 s of virtual time pass on a settled program, which runs exactly one
// housekeeping tick (and nothing else: no connection, so the counter's timer is off). The time
// reported is therefore per 4 s of virtual time, that is, per tick.
#include <benchmark/benchmark.h>

#include <exception>

#include "bench/bench_support.h"

namespace ruvo::bench {
namespace {

void HousekeepingTick(benchmark::State& state) {
    try {
        BenchProgram program(YearDatabase(static_cast<int>(state.range(0))),
                             AllDayTariff("12", "60"));
        for (auto _ : state) {
            program.machine().time.advanceMs(4000);
        }
        program.checkQuiet();
        if (program.app().mainWindow.online.checked()) {
            state.SkipWithError("the program went online");
        }
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
    state.SetComplexityN(state.range(0));
    // The budget holds for a year of 10,000 records; the other sizes show that it does not
    // grow.
    state.counters["flat"] = 1;
    if (state.range(0) == 10000) {
        state.counters["budget_us"] = 100;
    }
}
BENCHMARK(HousekeepingTick)->Apply(YearSizes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruvo::bench

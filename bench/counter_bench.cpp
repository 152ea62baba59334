// One tick of the live counter during a connection, measured inside the running program: each
// iteration lets virtual time run up to 1 ms before the counter's next tick (untimed; the
// housekeeping tick that falls due every fourth second runs there), then times the last 1 ms,
// in which the counter's tick and nothing else runs. The connection was started half a second
// after a housekeeping tick, so the two never fall due at the same moment.
//
// Without an autosave: a unit of 1,000,000 s, so the total does not change after the first tick.
// With an autosave: a unit of 1 s, so every tick begins a unit, looks the tariff up again,
// changes the total and rewrites the autosave (in the fake registry, in memory).
//
// The times are taken by hand (manual time); the CPU column of these cases includes the untimed
// part and means nothing.
#include <benchmark/benchmark.h>

#include <chrono>
#include <exception>
#include <stdexcept>
#include <string>

#include "bench/bench_support.h"

namespace ruvo::bench {
namespace {

void CounterTick(benchmark::State& state, const char* secPerUnit, bool autosaveEveryTick) {
    try {
        BenchProgram program(YearDatabase(0), AllDayTariff("1", secPerUnit));
        auto& time = program.machine().time;
        time.advanceMs(499);  // 8.500 s: half-way between two housekeeping ticks
        program.connectNow();
        time.advanceMs(1000);  // the first tick starts the first unit and always autosaves
        const std::string firstTotal = program.autosaveValue("Gesamt");
        // The counter's tick falls in the last millisecond of each second, not before.
        time.advanceMs(999);
        const std::string before = program.app().counterWindow.durationText.text();
        time.advanceMs(1);
        if (program.app().counterWindow.durationText.text() == before) {
            throw std::logic_error("the counter's tick is not where it is timed");
        }
        for (auto _ : state) {
            time.advanceMs(999);
            const auto start = std::chrono::steady_clock::now();
            time.advanceMs(1);
            const auto stop = std::chrono::steady_clock::now();
            state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        }
        program.checkQuiet();
        // The autosave follows the total at every tick, or keeps the first tick's total.
        const std::string total = program.app().summaryWindow.pending.totalCharge;
        const std::string saved = program.autosaveValue("Gesamt");
        const bool asExpected = autosaveEveryTick ? saved == total && total != firstTotal
                                                  : saved == firstTotal && total == firstTotal;
        if (!asExpected) {
            state.SkipWithError("the autosave was not written as expected");
        }
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
    if (!autosaveEveryTick) {
        state.counters["budget_us"] = 50;
    }
}
BENCHMARK_CAPTURE(CounterTick, WithoutAutosave, "1000000", false)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CounterTick, WithAutosave, "1", true)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ruvo::bench

// The readers of the connection database that run while the program watches: the month's online
// seconds for the free minutes, and the week's and the month's spending for the budgets. Each
// reads the whole year's file afresh, as it does in the program.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/bench_support.h"
#include "domain/unreadable_records.h"
#include "features/budgets.h"
#include "features/provider_minutes.h"

namespace ruvo::bench {
namespace {

void MonthOnlineSeconds(benchmark::State& state) {
    TempFolder folder;
    WriteBytes(folder.file(kBenchDatabase), YearDatabase(static_cast<int>(state.range(0))));
    const std::string path = folder.file(kBenchDatabase);
    fake::FakeSound sound;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ruvo::MonthOnlineSeconds(path, kBenchToday, sound));
    }
    if (!sound.beeps().empty()) {
        state.SkipWithError("the reader beeped: the database was not read to its end");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(MonthOnlineSeconds)->Apply(YearSizes)->Unit(benchmark::kMillisecond);

// The budgets with the windows they fill, on a fake machine whose data folder holds the year.
class BudgetsOnMachine {
public:
    explicit BudgetsOnMachine(int records)
        : machine_(BenchStart(), folder_.directory()),
          process_(machine_),
          settings_(machine_.registry),
          unreadable_(machine_.windowSystem),
          budgets_(settings_, process_.platform(), main_, counter_, closure_, newBudget_,
                   unreadable_) {
        WriteBytes(folder_.file(kBenchDatabase), YearDatabase(records));
    }
    Budgets& budgets() { return budgets_; }
    bool beeped() const { return !machine_.sound.beeps().empty(); }

private:
    TempFolder folder_;
    fake::FakeMachine machine_;
    fake::FakeProcess process_;
    SettingsStore settings_;
    MainWindow main_;
    CounterWindow counter_;
    BudgetClosureWindow closure_;
    NewBudgetWindow newBudget_;
    UnreadableRecords unreadable_;
    Budgets budgets_;
};

void ConsumptionSum(benchmark::State& state, BudgetKind period) {
    BudgetsOnMachine machine(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(machine.budgets().consumptionSum(period, kBenchToday));
    }
    if (machine.beeped()) {
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

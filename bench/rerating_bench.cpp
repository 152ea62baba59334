// The tariff comparison's work: a year's connections re-rated second by second under another
// tariff file with four zones, a holiday table, a provider fee and free minutes. The records of
// the bench year last 1 to 61 minutes, half an hour on average, so 10,000 of them are some five
// million connected seconds.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "domain/rerating.h"

namespace ruvo::bench {
namespace {

TariffTables OtherTariffs() {
    TariffTables tables;
    tables.providerFee = "3";
    tables.freeMinutes = "300";
    const struct {
        const char* name;
        const char* begin;
        const char* end;
        const char* pf;
        const char* sec;
    } zones[] = {{"Nacht", "0000", "0800", "6", "240"},
                 {"Tag", "0800", "1800", "12", "90"},
                 {"Abend", "1800", "2100", "9", "150"},
                 {"Spaet", "2100", "2400", "7", "120"}};
    for (const auto& z : zones) {
        AddZone(tables, z.name, TariffRow{z.name, z.begin, z.end, z.pf, z.sec});
    }
    tables.table(DayClass::Feiertag)[1].pfPerUnit = "6";
    return tables;
}

void RerateYear(benchmark::State& state) {
    std::vector<ConnectionRecord> records;
    ScanDatabase(YearDatabase(static_cast<int>(state.range(0))),
                 [&records](const ConnectionRecord& record) {
                     records.push_back(record);
                     return true;
                 });
    const TariffTables tables = OtherTariffs();
    const HolidayList holidays = {{"01.01.99", "Neujahr"},
                                  {"05.04.99", "Ostermontag"},
                                  {"03.10.99", "Einheit"},
                                  {"24.12.99", "Heiliger Abend"}};
    for (auto _ : state) {
        Rerater rerater(tables, holidays, 1999);
        const RatedRecords rated = rerater.RateAll(records);
        if (rated.connections.size() != records.size()) {
            state.SkipWithError("not every record was re-rated as a connection of its own");
            break;
        }
        benchmark::DoNotOptimize(rated.connections.back().rerated.back().totalCharge);
    }
    state.SetComplexityN(state.range(0));
    if (state.range(0) == 10000) {
        state.counters["budget_ms"] = 1000;
    }
}
BENCHMARK(RerateYear)
    ->Arg(1000)
    ->Arg(10000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruvo::bench

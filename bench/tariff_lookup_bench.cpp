// The tariff lookup: which zone applies at a moment. The counter runs it at every new unit and
// at a change of day; the connection's start shows the whole tariff found.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_support.h"
#include "domain/zone_lookup.h"
#include "features/current_tariff.h"
#include "window_models/counter_window.h"

namespace ruvo::bench {
namespace {

// Four zones covering the day, as a typical tariff file holds them.
TariffTables FourZones() {
    TariffTables tables;
    AddZone(tables, "Mondschein", TariffRow{"Mondschein", "0000", "0800", "12", "240"});
    AddZone(tables, "Vormittag", TariffRow{"Vormittag", "0800", "1200", "12", "90"});
    AddZone(tables, "Nachmittag", TariffRow{"Nachmittag", "1200", "1800", "12", "60"});
    AddZone(tables, "Freizeit", TariffRow{"Freizeit", "1800", "2400", "12", "150"});
    return tables;
}

// The holidays of a year, the day looked up being none of them.
HolidayList YearOfHolidays() {
    HolidayList holidays;
    for (const char* date : {"01.01.99", "06.01.99", "02.04.99", "05.04.99", "01.05.99", "13.05.99",
                             "24.05.99", "03.06.99", "15.08.99", "03.10.99", "31.10.99", "01.11.99",
                             "17.11.99", "24.12.99", "25.12.99", "26.12.99", "31.12.99"}) {
        holidays.push_back({date, "Feiertag"});
    }
    return holidays;
}

// The zone of a time in the day class's table: the first zone (00:30) and the last (23:30).
void FindCurrentZone(benchmark::State& state, const char* time) {
    const TariffTables tables = FourZones();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ruvo::FindCurrentZone(tables, DayClass::Werktag, time));
    }
}
BENCHMARK_CAPTURE(FindCurrentZone, FirstZone, "00:30");
BENCHMARK_CAPTURE(FindCurrentZone, LastZone, "23:30");

// What the counter asks at a new unit: the day classified against the holidays, the day line
// and the zone's index.
void CurrentZoneIndex(benchmark::State& state) {
    const TariffTables tables = FourZones();
    const HolidayList holidays = YearOfHolidays();
    const platform::LocalDateTime now{1999, 12, 7, 23, 30, 0};
    CounterWindow counter;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ruvo::CurrentZoneIndex(tables, holidays, now, counter));
    }
}
BENCHMARK(CurrentZoneIndex);

// What a connection's start shows: the day line and all of the zone's figures.
void ShowCurrentTariff(benchmark::State& state) {
    const TariffTables tables = FourZones();
    const HolidayList holidays = YearOfHolidays();
    const platform::LocalDateTime now{1999, 12, 7, 23, 30, 0};
    CounterWindow counter;
    for (auto _ : state) {
        ruvo::ShowCurrentTariff(tables, holidays, now, "0", counter);
        benchmark::DoNotOptimize(counter.zoneIndex.text());
    }
}
BENCHMARK(ShowCurrentTariff);

}  // namespace
}  // namespace ruvo::bench

// Cost of the calendar and charge functions that run every second of a connection or for every
// row of the connection list.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <limits>
#include <string>

#include "base/money.h"
#include "domain/calendar.h"

namespace ruvo {
namespace {

void BM_NextDay(benchmark::State& state) {
    std::string date = "01.01.00";
    for (auto _ : state) {
        date = NextDay(date);
        benchmark::DoNotOptimize(date);
    }
}
BENCHMARK(BM_NextDay);

void BM_AddDays(benchmark::State& state) {
    const std::int64_t n = state.range(0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(AddDays("07.12.99", n));
        benchmark::DoNotOptimize(SubtractDays("07.12.99", n));
    }
}
BENCHMARK(BM_AddDays)
    ->Arg(6)
    ->Arg(36524)
    ->Arg(1000000000000)
    ->Arg(std::numeric_limits<std::int64_t>::max());

void BM_WeekStart(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(WeekStart("11.12.99", 1999));
    }
}
BENCHMARK(BM_WeekStart);

void BM_SameWeek(benchmark::State& state) {
    for (auto _ : state) {
        // The worst case: b is none of the seven days.
        benchmark::DoNotOptimize(SameWeek("07.12.99", "12.12.99", 1999));
    }
}
BENCHMARK(BM_SameWeek);

void BM_ClassifyDay(benchmark::State& state) {
    HolidayList holidays;
    for (int day = 1; day <= 20; ++day) {
        holidays.push_back({PadTwo(std::to_string(day)) + ".01.99", "Feiertag"});
    }
    for (auto _ : state) {
        // Not in the list, so the whole list is searched before the weekday is found.
        benchmark::DoNotOptimize(ClassifyDay("07.12.99", holidays, true, 1999));
    }
}
BENCHMARK(BM_ClassifyDay);

void BM_MoneyText(benchmark::State& state) {
    std::int32_t pfennig = -150;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoneyText(pfennig));
        pfennig += 7;
    }
}
BENCHMARK(BM_MoneyText);

void BM_DurationText(benchmark::State& state) {
    std::int32_t seconds = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DurationText(seconds));
        seconds += 61;
    }
}
BENCHMARK(BM_DurationText);

void BM_UnitsForSeconds(benchmark::State& state) {
    std::int32_t seconds = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(UnitsForSeconds(seconds, 90));
        ++seconds;
    }
}
BENCHMARK(BM_UnitsForSeconds);

}  // namespace
}  // namespace ruvo

// Walking a year's connection database of 100,000 records, as every reader does each time.
#include <benchmark/benchmark.h>

#include <string>

#include "records/database_file.h"

namespace {

std::string YearOfRecords(int count) {
    std::string bytes(ruvo::kDatabaseHeader);
    const ruvo::ConnectionRecord record{"Mondschein", "3600",    "15",       "180",
                                        "60",         "240",     "21:00:00", "24.12.99",
                                        "22:00:00",   "24.12.99"};
    const std::string one = ruvo::SerializeRecord(record);
    bytes.reserve(bytes.size() + one.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        bytes += one;
    }
    return bytes;
}

void ScanDatabase100k(benchmark::State& state) {
    const std::string bytes = YearOfRecords(100000);
    for (auto _ : state) {
        long seconds = 0;
        const auto scan = ruvo::ScanDatabase(bytes, [&](const ruvo::ConnectionRecord& record) {
            seconds += static_cast<long>(record.durationSeconds.size());
            return true;
        });
        benchmark::DoNotOptimize(seconds);
        benchmark::DoNotOptimize(scan.records);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(ScanDatabase100k)->Unit(benchmark::kMillisecond);

}  // namespace

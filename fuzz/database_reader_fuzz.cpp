// Any bytes as a connection database: the walk ends, and a record added as the writer adds it is
// read back as the last record, after the records that were there, which keep their bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "domain/database_file.h"
#include "fuzz_check.h"

namespace {

std::vector<ruvo::ConnectionRecord> ReadAll(std::string_view bytes) {
    std::vector<ruvo::ConnectionRecord> records;
    const auto scan = ruvo::ScanDatabase(bytes, [&](const ruvo::ConnectionRecord& record) {
        records.push_back(record);
        return true;
    });
    FUZZ_CHECK(scan.records == records.size());
    FUZZ_CHECK(scan.end <= bytes.size());
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string existing(reinterpret_cast<const char*>(data), size);
    const auto before = ReadAll(existing);

    const auto plan = ruvo::PlanAppend(existing);
    FUZZ_CHECK(plan.keep <= existing.size());
    const ruvo::ConnectionRecord added{"Mondschein", "60",       "1",        "12",      "0", "12",
                                       "23:59:00",   "31.12.99", "00:00:00", "01.01.00"};
    const std::string after = existing.substr(0, plan.keep) + ruvo::AppendedBytes(plan, added);
    const auto records = ReadAll(after);
    FUZZ_CHECK(records.size() == before.size() + 1);
    for (std::size_t i = 0; i < before.size(); ++i) {
        FUZZ_CHECK(records[i] == before[i]);
    }
    FUZZ_CHECK(records.back() == added);
    return 0;
}

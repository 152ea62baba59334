// Any bytes as a holidays file: the import ends, with at most one entry per two lines and no
// end mark taken as a date; what the import would take is usable holidays only, within the
// limits, or nothing with the reason.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/line_reader.h"
#include "domain/holiday_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ruvo::HolidayList holidays = ruvo::ParseHolidayFile(bytes);

    std::size_t lines = 0;
    ruvo::LineReader reader(bytes);
    while (reader.next()) {
        ++lines;
    }
    FUZZ_CHECK(holidays.size() * 2 <= lines);
    for (const ruvo::HolidayEntry& entry : holidays) {
        FUZZ_CHECK(entry.date != "0");
    }

    const ruvo::HolidayImport file = ruvo::CheckHolidayFile(bytes);
    FUZZ_CHECK((file.problem == ruvo::HolidayImport::Problem::None) == !file.holidays.empty());
    FUZZ_CHECK(file.holidays.size() <= ruvo::kMaxHolidayFileEntries);
    FUZZ_CHECK(file.holidays.size() <= file.entryCount);
    for (const ruvo::HolidayEntry& entry : file.holidays) {
        FUZZ_CHECK(ruvo::IsUsableHoliday(entry));
    }
    return 0;
}

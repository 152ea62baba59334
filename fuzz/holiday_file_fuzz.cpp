// Any bytes as a holidays file: the import ends, with at most one entry per two lines and no
// end mark taken as a date.
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
    return 0;
}

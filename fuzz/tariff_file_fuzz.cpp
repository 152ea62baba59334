// Any bytes as a tariff file: the tables keep one row per zone in every day class, lookup and
// validation cope with whatever values came in, and tables whose lines fit a line read are
// written and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/line_reader.h"
#include "domain/tariff_file.h"
#include "domain/zone_lookup.h"
#include "fuzz_check.h"

namespace {

// Whether every line of the file comes back whole from a line read.
bool LinesFitAReadEach(std::string_view bytes) {
    ruvo::LineReader lines(bytes);
    while (const auto line = lines.next()) {
        if (line->ending == ruvo::LineEnding::Full ||
            line->text.size() >= ruvo::LineReader::kMaxCharactersPerRead) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ruvo::TariffFileContent content = ruvo::ParseTariffFile(bytes);
    const ruvo::TariffTables& tables = content.tables;
    for (const ruvo::TariffTable& table : tables.tables) {
        FUZZ_CHECK(table.size() == tables.zoneList.size());
    }

    (void)ruvo::ValidateTariffs(tables);
    for (const ruvo::DayClass dayClass : ruvo::kDayClasses) {
        for (const char* time : {"00:00", "12:00", "2359", "2400"}) {
            const auto zone = ruvo::FindCurrentZone(tables, dayClass, time);
            FUZZ_CHECK(!zone || *zone < tables.zoneList.size());
        }
    }

    const std::string written = ruvo::SerializeTariffs(tables);
    if (LinesFitAReadEach(written)) {
        const ruvo::TariffFileContent again = ruvo::ParseTariffFile(written);
        // A zero byte or a byte order mark taken into a value is written back and reported
        // again; the tables still read back as they were.
        FUZZ_CHECK(again.problem == ruvo::TariffFileProblem::None ||
                   again.problem == ruvo::TariffFileProblem::NotText ||
                   again.problem == ruvo::TariffFileProblem::OtherEncoding);
        FUZZ_CHECK(again.tables == tables);
    }
    return 0;
}

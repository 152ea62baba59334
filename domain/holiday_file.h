// The holidays file "Feiertage.dat": per holiday a date line (dd.mm.yy) and a name line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "domain/holiday_list.h"

namespace ruvo {

// A year's file lists some twenty holidays of about thirty bytes each (well under 1 KB). The
// limits lie far above that, so that no real file meets them: 64 KB and 200 entries (eight years'
// worth). The entry limit also bounds the start-up: the stored list is read back one value at a
// time, and on the desktop each read takes longer the longer the list is (200 entries load in
// about 0.2 s, 1000 would take several seconds at every start).
inline constexpr std::size_t kMaxHolidayFileBytes = std::size_t{64} * 1024;
inline constexpr std::size_t kMaxHolidayFileEntries = 200;

// The entries of the file in file order. A line "0" in the place of a date ends the list, and
// so does the end of the file; a file that ends with a line end has no further entry. A date
// without a name line after it (the file ends first) is not taken: an entry is a date and a
// name. Dates and names are taken as they stand, without checks. Never fails.
HolidayList ParseHolidayFile(std::string_view bytes);

// Whether an entry names a holiday the day classification can find: its date a real day in the
// form dd.mm.yy, its name not blank.
bool IsUsableHoliday(const HolidayEntry& entry);

// What a holidays file offers for import.
struct HolidayImport {
    enum class Problem {
        None,
        TooLarge,        // more than kMaxHolidayFileBytes
        TooManyEntries,  // more than kMaxHolidayFileEntries
        NoUsableEntry,   // empty, or nothing in it is a date and a name
    };
    Problem problem = Problem::None;
    std::uintmax_t fileBytes = 0;
    // The usable entries, in file order; empty unless there is no problem.
    HolidayList holidays;
    // All entries of the file, usable or not, and the number (from 1) of the first one left out
    // (0 when every entry is usable).
    std::size_t entryCount = 0;
    std::size_t firstUnusable = 0;
};

// The file's bytes checked for import. Never fails.
HolidayImport CheckHolidayFile(std::string_view bytes);

// Reads and checks the file; a file over the size limit is not read. Throws FileError when it
// cannot be read.
HolidayImport ReadHolidayFile(const std::string& path);

}  // namespace ruvo

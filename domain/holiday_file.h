// The holidays file "Feiertage.dat": per holiday a date line (dd.mm.yy) and a name line.
#pragma once

#include <string>
#include <string_view>

#include "domain/holiday_list.h"

namespace ruvo {

// The entries of the file in file order. A line "0" in the place of a date ends the list, and
// so does the end of the file; a file that ends with a line end has no further entry. A date
// without a name line after it (the file ends first) is not taken: an entry is a date and a
// name. Dates and names are taken as they stand, without checks. Never fails.
HolidayList ParseHolidayFile(std::string_view bytes);

// Reads and parses the file. Throws FileError when it cannot be read.
HolidayList ReadHolidayFile(const std::string& path);

}  // namespace ruvo

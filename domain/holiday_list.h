// The list of dated holidays that the day classification consults.
#pragma once

#include <string>
#include <vector>

namespace ruvo {

struct HolidayEntry {
    std::string date;  // a DateText dd.mm.yy, kept as given
    std::string name;

    friend bool operator==(const HolidayEntry&, const HolidayEntry&) = default;
};

// In the order of import, of the stored index or of entry; never sorted.
using HolidayList = std::vector<HolidayEntry>;

}  // namespace ruvo

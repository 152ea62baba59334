// Which tariff zone applies at a time of day.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "domain/calendar.h"
#include "domain/tariff_tables.h"

namespace ruvo {

// The index of the first zone whose row in the day class's table has Begin <= time < End,
// compared as minutes of the day; nothing when no zone holds. A zone whose End is not later than
// its Begin (End 0000 included) never applies, nor does a row whose Begin or End is not a time
// text (see MinuteOfDay). The day class is the caller's (ClassifyDay of the date); `time` is HH:MM
// or HHMM, and a time that is neither finds no zone.
std::optional<std::size_t> FindCurrentZone(const TariffTables& tables, DayClass dayClass,
                                           std::string_view time);

}  // namespace ruvo

// Which tariff zone applies at a time of day.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "tariffs/calendar.h"
#include "tariffs/tariff_tables.h"

namespace ruvo {

// The minute of the day of a time text HHMM or HH:MM (hours × 60 + minutes; 2400 is 1440). The
// two digit pairs are taken by position, the character between them in HH:MM is not looked at.
// Nothing for any other text.
std::optional<int> MinuteOfDay(std::string_view time);

// The index of the first zone whose row in the day class's table has Begin <= time < End,
// compared as minutes of the day; nothing when no zone holds. A zone whose End is not later than
// its Begin (End 0000 included) never applies, nor does a row whose Begin or End is not a time
// text. The day class is the caller's (ClassifyDay of the date); `time` is HH:MM or HHMM, and a
// time that is neither finds no zone.
std::optional<std::size_t> FindCurrentZone(const TariffTables& tables, DayClass dayClass,
                                           std::string_view time);

}  // namespace ruvo

// The numeric fields of a well-formed date text, and the position of a date within the 100-year
// cycle of two-digit years. Shared by the calendar functions; callers outside the calendar use
// the text operations of calendar.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ruvo {

struct DateFields {
    int day = 1;    // 1..31
    int month = 1;  // 1..12
    int year = 0;   // 0..99, the year within its century
};

// Two-digit years repeat after 100 years; with a leap year every fourth year and no century
// rule, these hold 36525 days.
inline constexpr std::int64_t kDaysInYearCycle = 36525;

// The fields of a text dd.mm.yy naming a real day (29.02. only when yy is divisible by 4);
// nothing for any other text.
std::optional<DateFields> ParseDateText(const std::string& date);
// "dd.mm.yy" of the fields, each with a leading zero.
std::string FormatDateText(const DateFields& fields);

// Days from 01.01.00 to the date, 0..36524, and back.
std::int64_t DayInCycle(const DateFields& fields);
DateFields DateAtDayInCycle(std::int64_t dayInCycle);

}  // namespace ruvo

// Dates and times as short texts, the day arithmetic on them, and the day classes that select a
// tariff table. A DateText is "dd.mm.yy", fields taken by position; a TimeText is "HH:MM" or
// "HHMM". Years have two digits and wrap from 99 to 00.
//
// Functions that need today's date take the local date and time as an argument; the two-digit
// years of weekday computations are placed in the century of that date.
//
// A date text that is not well-formed (see IsValidDateText: wrong length, letters, "00.00.00",
// "32.13.99", "29.02.99", the empty text) never makes these functions fail: the date operations
// (NextDay, PreviousDay, AddDays, SubtractDays, WeekStart) give their input back unchanged, the
// predicates (SameWeek, SameMonth, IsHoliday) answer no, WeekdayNumber gives 0 and ClassifyDay
// gives Werktag. CompareTimes answers no when either time is not a time text (see MinuteOfDay).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "domain/holiday_list.h"
#include "platform/platform.h"

namespace ruvo {

enum class DayClass { Werktag = 1, Wochenende = 2, Feiertag = 3 };

// Today as dd.mm.yy, its two-digit year, "Dienstag, 07.12.99", "HH:MM" and "hh:mm:ss".
std::string TodayText(const platform::LocalDateTime& now);
std::string CurrentYearText(const platform::LocalDateTime& now);
std::string TodayWithWeekday(const platform::LocalDateTime& now);
std::string NowTimeText(const platform::LocalDateTime& now);
std::string NowTimeTextLong(const platform::LocalDateTime& now);
// Characters 4-8 of a date text (mm.yy); of a shorter text whatever it has from the fourth
// character on.
std::string MonthKey(const std::string& date);

// True for a text of the form dd.mm.yy naming a real calendar day (29.02. only in years
// divisible by 4).
bool IsValidDateText(const std::string& date);

std::string PadTwo(const std::string& number);
bool IsLeapYear(const std::string& twoDigitYear);
std::string NextDay(const std::string& date);
std::string PreviousDay(const std::string& date);
// The same as n times NextDay or PreviousDay, in constant time for any n; n <= 0 gives the date
// unchanged.
std::string AddDays(const std::string& date, std::int64_t n);
std::string SubtractDays(const std::string& date, std::int64_t n);

// 1 = Sunday ... 7 = Saturday. `todayYear` is the four-digit year of today: in 1999 "99" is
// 1999, in 2026 "99" is 2099. 29.02.00 in a century year without that day (2100) has the weekday
// of the day after 28 February.
int WeekdayNumber(const std::string& date, int todayYear);
// "Montag" ... "Sonntag" for weekday numbers 2..7 and 1; the empty text for any other number.
std::string WeekdayName(int weekdayNumber);
// The Sunday on or before the date; weeks run from Sunday to Saturday.
std::string WeekStart(const std::string& date, int todayYear);
// The seven days, Sunday to Saturday, of the date's week; none for a date that is no date. A
// caller that tests many dates against one week works them out once with this.
std::vector<std::string> WeekDays(const std::string& date, int todayYear);
// Whether b, as text, is one of the seven days of a's week.
bool SameWeek(const std::string& a, const std::string& b, int todayYear);
// Same month number; the year is not compared.
bool SameMonth(const std::string& a, const std::string& b);

// The minute of the day of a time text HHMM or HH:MM: hours × 60 + minutes, each two-character
// piece read as a number the way the edit fields accept one (leading blanks and a sign allowed:
// " 800" and "+800" are 480, "-100" is -60), without a range check ("2400" is 1440, "0875" is
// 555). The character between the pieces in HH:MM must be a colon. Nothing for any other text.
std::optional<int> MinuteOfDay(std::string_view time);
// x op y as minutes of the day; op is "==", "<", ">", "<=" or ">=".
bool CompareTimes(const std::string& x, const std::string& y, const std::string& op);

// Whether the date text stands in the list, a listed date's fields read as numbers (" 8.12.99"
// lists 08.12.99); never while holidays are switched off.
bool IsHoliday(const std::string& date, const HolidayList& holidays, bool holidaysOn);
// Feiertag for a holiday (also on a weekend), else Wochenende on Saturday and Sunday, else
// Werktag.
DayClass ClassifyDay(const std::string& date, const HolidayList& holidays, bool holidaysOn,
                     int todayYear);
// ", Werktag", ", Wochenende", ", Feiertag".
std::string DayClassText(DayClass dayClass);

// The reporting periods of the connection list, in the order they are offered.
enum class Period {
    WholeYear,     // "Gesamtes Jahr"
    CurrentMonth,  // "Aktueller Monat"
    CurrentWeek,   // "Aktuelle Woche"
    Today,         // "Heute"
    LastMonth,     // "Letzter Monat"
    LastWeek,      // "Letzte Woche"
    Yesterday,     // "Gestern"
};
std::string PeriodName(Period period);
// Whether a record dated `recordDate` belongs to the period, seen from `today`.
bool InPeriod(Period period, const std::string& recordDate, const platform::LocalDateTime& today);

// InPeriod for many record dates against one period: the period's days or month are worked out
// once, and each date is then a few text comparisons.
class PeriodTest {
public:
    PeriodTest(Period period, const platform::LocalDateTime& today);
    bool contains(const std::string& recordDate) const;

private:
    Period period_;
    std::string day_;                    // Today, Yesterday; a day of the month periods' month
    std::vector<std::string> weekDays_;  // the week periods' seven days
};

}  // namespace ruvo

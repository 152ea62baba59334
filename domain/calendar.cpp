// Today's texts, weekdays and weeks, times of day and the day classes.
#include "domain/calendar.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/money.h"
#include "domain/date_fields.h"

namespace ruvo {
namespace {

// The last two decimal digits of any value, with a leading zero.
std::string LastTwoDigits(int value) {
    const int digits = (value % 100 + 100) % 100;
    return std::string{static_cast<char>('0' + digits / 10), static_cast<char>('0' + digits % 10)};
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t quotient = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? quotient - 1 : quotient;
}

// Days since 1 January 1970 of a date of the Gregorian calendar (any year). A day past the end
// of February counts on into March, so 29 February of a year that has none is 1 March.
std::int64_t DaysSinceEpoch(std::int64_t year, int month, int day) {
    const std::int64_t shiftedYear = month <= 2 ? year - 1 : year;  // years start in March
    const std::int64_t era = FloorDiv(shiftedYear, 400);
    const std::int64_t yearOfEra = shiftedYear - era * 400;
    const std::int64_t monthFromMarch = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Whether a holiday's date names the day of a well-formed date text, its fields read as the
// holiday editor's fields take numbers (" 8.12.99" is 08.12.99).
bool SameEnteredDate(const std::string& entered, const std::string& date) {
    if (entered.size() != 8 || entered[2] != '.' || entered[5] != '.') {
        return false;
    }
    for (const std::size_t pos : {std::size_t{0}, std::size_t{3}, std::size_t{6}}) {
        const std::optional<std::int32_t> field = ToInteger(entered.substr(pos, 2));
        if (!field || *field != ToInteger(date.substr(pos, 2))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string TodayText(const platform::LocalDateTime& now) {
    return LastTwoDigits(now.day) + "." + LastTwoDigits(now.month) + "." + LastTwoDigits(now.year);
}

std::string CurrentYearText(const platform::LocalDateTime& now) {
    return LastTwoDigits(now.year);
}

std::string TodayWithWeekday(const platform::LocalDateTime& now) {
    const std::string today = TodayText(now);
    return WeekdayName(WeekdayNumber(today, now.year)) + ", " + today;
}

std::string NowTimeText(const platform::LocalDateTime& now) {
    return LastTwoDigits(now.hour) + ":" + LastTwoDigits(now.minute);
}

std::string NowTimeTextLong(const platform::LocalDateTime& now) {
    return NowTimeText(now) + ":" + LastTwoDigits(now.second);
}

int WeekdayNumber(const std::string& date, int todayYear) {
    const std::optional<DateFields> fields = ParseDateText(date);
    if (!fields) {
        return 0;
    }
    const std::int64_t year = FloorDiv(todayYear, 100) * 100 + fields->year;
    const std::int64_t days = DaysSinceEpoch(year, fields->month, fields->day);
    // 1 January 1970 was a Thursday (5).
    return static_cast<int>((days % 7 + 7 + 4) % 7) + 1;
}

std::string WeekdayName(int weekdayNumber) {
    constexpr std::array<const char*, 7> kNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                                   "Donnerstag", "Freitag", "Samstag"};
    if (weekdayNumber < 1 || weekdayNumber > 7) {
        return "";
    }
    return kNames[static_cast<std::size_t>(weekdayNumber - 1)];
}

std::string WeekStart(const std::string& date, int todayYear) {
    const int weekday = WeekdayNumber(date, todayYear);
    return weekday == 0 ? date : SubtractDays(date, weekday - 1);
}

std::vector<std::string> WeekDays(const std::string& date, int todayYear) {
    std::vector<std::string> days;
    if (!IsValidDateText(date)) {
        return days;
    }
    const std::string start = WeekStart(date, todayYear);
    for (int i = 0; i <= 6; ++i) {
        days.push_back(AddDays(start, i));
    }
    return days;
}

bool SameWeek(const std::string& a, const std::string& b, int todayYear) {
    const std::vector<std::string> days = WeekDays(a, todayYear);
    return std::find(days.begin(), days.end(), b) != days.end();
}

bool SameMonth(const std::string& a, const std::string& b) {
    return IsValidDateText(a) && IsValidDateText(b) && a.substr(3, 2) == b.substr(3, 2);
}

std::optional<int> MinuteOfDay(std::string_view time) {
    // The minutes follow the hours at once in HHMM, after the colon in HH:MM.
    std::size_t minutesAt = 2;
    if (time.size() == 5 && time[2] == ':') {
        minutesAt = 3;
    } else if (time.size() != 4) {
        return std::nullopt;
    }
    // Each pair is read as the edit fields take a number, so that " 8" (8, as the hour field
    // accepts it) and "08" give the same time.
    const std::optional<std::int32_t> hours = ToInteger(std::string(time.substr(0, 2)));
    const std::optional<std::int32_t> minutes = ToInteger(std::string(time.substr(minutesAt, 2)));
    if (!hours || !minutes) {
        return std::nullopt;
    }
    return *hours * 60 + *minutes;
}

bool CompareTimes(const std::string& x, const std::string& y, const std::string& op) {
    const std::optional<int> left = MinuteOfDay(x);
    const std::optional<int> right = MinuteOfDay(y);
    if (!left || !right) {
        return false;
    }
    if (op == "==") {
        return *left == *right;
    }
    if (op == "<") {
        return *left < *right;
    }
    if (op == ">") {
        return *left > *right;
    }
    if (op == "<=") {
        return *left <= *right;
    }
    if (op == ">=") {
        return *left >= *right;
    }
    return false;
}

bool IsHoliday(const std::string& date, const HolidayList& holidays, bool holidaysOn) {
    if (!holidaysOn || !IsValidDateText(date)) {
        return false;
    }
    for (const HolidayEntry& entry : holidays) {
        if (entry.date == date || SameEnteredDate(entry.date, date)) {
            return true;
        }
    }
    return false;
}

DayClass ClassifyDay(const std::string& date, const HolidayList& holidays, bool holidaysOn,
                     int todayYear) {
    if (IsHoliday(date, holidays, holidaysOn)) {
        return DayClass::Feiertag;
    }
    const int weekday = WeekdayNumber(date, todayYear);
    if (weekday == 7 || weekday == 1) {
        return DayClass::Wochenende;
    }
    return DayClass::Werktag;
}

std::string DayClassText(DayClass dayClass) {
    switch (dayClass) {
        case DayClass::Werktag:
            return ", Werktag";
        case DayClass::Wochenende:
            return ", Wochenende";
        case DayClass::Feiertag:
            return ", Feiertag";
    }
    return "";
}

}  // namespace ruvo

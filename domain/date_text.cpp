// Date texts dd.mm.yy and the day arithmetic on them.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/money.h"
#include "domain/calendar.h"
#include "domain/date_fields.h"

namespace ruvo {
namespace {

constexpr std::int64_t kDaysInFourYears = 4 * 365 + 1;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int TwoDigitValue(const std::string& text, std::size_t pos) {
    return (text[pos] - '0') * 10 + (text[pos + 1] - '0');
}

bool IsLeapYearNumber(int year) {
    return year % 4 == 0;
}

int DaysInMonth(int month, int year) {
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYearNumber(year)) {
        return 29;
    }
    return kDays[static_cast<std::size_t>(month - 1)];
}

std::string TwoDigitText(int value) {
    return PadTwo(IntToStr(value));
}

// The characters of a date text by position; only called on well-formed dates.
std::string DayText(const std::string& date) {
    return date.substr(0, 2);
}
std::string MonthText(const std::string& date) {
    return date.substr(3, 2);
}
std::string YearText(const std::string& date) {
    return date.substr(6, 2);
}

bool IsOneOf(const std::string& text, std::initializer_list<const char*> choices) {
    for (const char* choice : choices) {
        if (text == choice) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<DateFields> ParseDateText(const std::string& date) {
    if (date.size() != 8 || date[2] != '.' || date[5] != '.') {
        return std::nullopt;
    }
    for (std::size_t pos : {0U, 1U, 3U, 4U, 6U, 7U}) {
        if (!IsDigit(date[pos])) {
            return std::nullopt;
        }
    }
    DateFields fields{TwoDigitValue(date, 0), TwoDigitValue(date, 3), TwoDigitValue(date, 6)};
    if (fields.month < 1 || fields.month > 12 || fields.day < 1 ||
        fields.day > DaysInMonth(fields.month, fields.year)) {
        return std::nullopt;
    }
    return fields;
}

std::string FormatDateText(const DateFields& fields) {
    return TwoDigitText(fields.day) + "." + TwoDigitText(fields.month) + "." +
           TwoDigitText(fields.year);
}

std::int64_t DayInCycle(const DateFields& fields) {
    // Year 00 is a leap year, so years 0..yy-1 hold (yy + 3) / 4 leap days.
    std::int64_t days = 365 * std::int64_t{fields.year} + (fields.year + 3) / 4;
    for (int month = 1; month < fields.month; ++month) {
        days += DaysInMonth(month, fields.year);
    }
    return days + fields.day - 1;
}

DateFields DateAtDayInCycle(std::int64_t dayInCycle) {
    // Each block of four years starts with its leap year.
    const std::int64_t block = dayInCycle / kDaysInFourYears;
    std::int64_t rest = dayInCycle % kDaysInFourYears;
    std::int64_t yearInBlock = 0;
    if (rest >= 366) {
        yearInBlock = 1 + (rest - 366) / 365;
        rest = (rest - 366) % 365;
    }
    DateFields fields;
    fields.year = static_cast<int>(block * 4 + yearInBlock);
    fields.month = 1;
    while (rest >= DaysInMonth(fields.month, fields.year)) {
        rest -= DaysInMonth(fields.month, fields.year);
        ++fields.month;
    }
    fields.day = static_cast<int>(rest) + 1;
    return fields;
}

bool IsValidDateText(const std::string& date) {
    return ParseDateText(date).has_value();
}

std::string MonthKey(const std::string& date) {
    return date.size() > 3 ? date.substr(3, 5) : "";
}

std::string PadTwo(const std::string& number) {
    return number.size() > 1 ? number : "0" + number;
}

bool IsLeapYear(const std::string& twoDigitYear) {
    const std::optional<std::int32_t> year = ToInteger(twoDigitYear);
    return year && Remainder(*year, 4) == 0;
}

std::string NextDay(const std::string& date) {
    const std::optional<DateFields> fields = ParseDateText(date);
    if (!fields) {
        return date;
    }
    if (date == "31.12.99") {
        return "01.01.00";
    }
    const std::string day = DayText(date);
    const std::string month = MonthText(date);
    const std::string year = YearText(date);
    std::string nextDayInMonth = TwoDigitText(fields->day + 1) + "." + month + "." + year;
    std::string firstOfNextMonth = "01." + TwoDigitText(fields->month + 1) + "." + year;
    if (fields->day <= 27) {
        return nextDayInMonth;
    }
    if (IsOneOf(month, {"04", "06", "09", "11"})) {
        return IsOneOf(day, {"28", "29"}) ? nextDayInMonth : firstOfNextMonth;
    }
    if (IsOneOf(month, {"01", "03", "05", "07", "08", "10", "12"})) {
        if (IsOneOf(day, {"28", "29", "30"})) {
            return nextDayInMonth;
        }
        if (fields->month < 12) {
            return firstOfNextMonth;
        }
        return year == "99" ? "01.01.00" : "01.01." + TwoDigitText(fields->year + 1);
    }
    // February.
    if (IsLeapYear(year) && day == "28") {
        return "29." + month + "." + year;
    }
    return firstOfNextMonth;
}

std::string PreviousDay(const std::string& date) {
    const std::optional<DateFields> fields = ParseDateText(date);
    if (!fields) {
        return date;
    }
    if (date == "01.01.00") {
        return "31.12.99";
    }
    const std::string month = MonthText(date);
    const std::string year = YearText(date);
    if (fields->day >= 2) {
        return TwoDigitText(fields->day - 1) + "." + month + "." + year;
    }
    const std::string previousMonth = TwoDigitText(fields->month - 1);
    if (IsOneOf(month, {"05", "07", "10", "12"})) {
        return "30." + previousMonth + "." + year;
    }
    if (IsOneOf(month, {"02", "04", "06", "08", "09", "11"})) {
        return "31." + previousMonth + "." + year;
    }
    if (month == "01") {
        return year == "00" ? "31.12.99" : "31.12." + TwoDigitText(fields->year - 1);
    }
    // March.
    return (IsLeapYear(year) ? "29.02." : "28.02.") + year;
}

// Stepping day by day through two-digit years comes back to the same date after one full cycle,
// so only n modulo the cycle length matters and the cost does not grow with n.
std::string AddDays(const std::string& date, std::int64_t n) {
    const std::optional<DateFields> fields = ParseDateText(date);
    if (!fields || n <= 0) {
        return date;
    }
    const std::int64_t day = (DayInCycle(*fields) + n % kDaysInYearCycle) % kDaysInYearCycle;
    return FormatDateText(DateAtDayInCycle(day));
}

std::string SubtractDays(const std::string& date, std::int64_t n) {
    const std::optional<DateFields> fields = ParseDateText(date);
    if (!fields || n <= 0) {
        return date;
    }
    const std::int64_t day =
        (DayInCycle(*fields) + kDaysInYearCycle - n % kDaysInYearCycle) % kDaysInYearCycle;
    return FormatDateText(DateAtDayInCycle(day));
}

}  // namespace ruvo

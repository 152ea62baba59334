#include "features/spending_statistics.h"

#include <algorithm>
#include <array>
#include <optional>

#include "base/money.h"
#include "domain/calendar.h"
#include "domain/database_file.h"
#include "domain/month_forecast.h"

namespace ruvo {
namespace {

constexpr int kMonths = 13;
constexpr std::int64_t kSecondsPerDay = 24LL * 60 * 60;

// The two digits of a year, as dates write it.
std::string YearDigits(int year) {
    return CurrentYearText({year, 1, 1, 0, 0, 0});
}

std::string MonthDigits(int month) {
    return PadTwo(IntToStr(month));
}

}  // namespace

void SpendingFigures::add(const ConnectionRow& row) {
    ++connections;
    seconds += row.seconds;
    telephone += row.telephone;
    provider += row.provider;
    total += row.total;
}

std::vector<MonthStatistics> LastThirteenMonths(const platform::LocalDateTime& now) {
    std::vector<MonthStatistics> months(kMonths);
    int year = now.year - 1;
    int month = now.month;
    for (MonthStatistics& m : months) {
        m.year = year;
        m.month = month;
        m.days.resize(static_cast<std::size_t>(DaysOfMonth(year, month)));
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return months;
}

bool CountRow(std::vector<MonthStatistics>& months, const ConnectionRow& row) {
    const std::string& date = row.date;
    if (date.size() < 8) {
        return false;
    }
    for (MonthStatistics& m : months) {
        if (date.compare(3, 2, MonthDigits(m.month)) != 0 ||
            date.compare(6, 2, YearDigits(m.year)) != 0) {
            continue;
        }
        m.sum.add(row);
        const std::optional<std::int32_t> day = ToInteger(date.substr(0, 2));
        if (day && *day >= 1 && *day <= static_cast<std::int32_t>(m.days.size())) {
            m.days[static_cast<std::size_t>(*day - 1)].add(row);
        }
        if (const std::optional<int> start = MinuteOfDay(row.start);
            start && *start >= 0 && *start < 24 * 60) {
            SpreadOverHours(m.onlineSeconds, *start, row.seconds);
        }
        return true;
    }
    return false;
}

void SpreadOverHours(std::array<std::int64_t, 24>& hours, int startMinute, std::int64_t seconds) {
    if (seconds <= 0) {
        return;
    }
    // Whole days first, so that a connection of years costs no more than one of a day.
    const std::int64_t wholeDays = seconds / kSecondsPerDay;
    for (std::int64_t& hour : hours) {
        hour += wholeDays * 3600;
    }
    std::int64_t left = seconds % kSecondsPerDay;
    std::int64_t at = static_cast<std::int64_t>(startMinute) * 60;  // second of the day
    while (left > 0) {
        const std::int64_t hour = at / 3600;
        const std::int64_t inHour = std::min(left, (hour + 1) * 3600 - at);
        hours[static_cast<std::size_t>(hour)] += inHour;
        left -= inHour;
        at = (at + inHour) % kSecondsPerDay;
    }
}

std::vector<std::string> ThirteenMonthFiles(const platform::LocalDateTime& now) {
    return {DatabaseFileName(YearDigits(now.year - 1)), DatabaseFileName(YearDigits(now.year))};
}

}  // namespace ruvo

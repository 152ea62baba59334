#include "domain/consumption.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/file_error.h"
#include "base/money.h"
#include "base/saturate.h"
#include "domain/calendar.h"
#include "domain/database_file.h"

namespace ruvo {
namespace {

// Two characters of a date text from `position` (0-based), or nothing when it is too short.
std::optional<std::string> Chars(const std::string& date, std::size_t position) {
    if (date.size() < position + 2) {
        return std::nullopt;
    }
    return date.substr(position, 2);
}

std::optional<std::string> MonthOf(const std::string& date) {
    return Chars(date, 3);
}
std::optional<std::string> YearOf(const std::string& date) {
    return Chars(date, 6);
}

platform::LocalDateTime PreviousYear(platform::LocalDateTime now) {
    --now.year;
    return now;
}

}  // namespace

int YearOfDate(const std::string& date, const platform::LocalDateTime& now) {
    const std::optional<std::string> year = YearOf(date);
    if (year && *year == CurrentYearText(PreviousYear(now))) {
        return now.year - 1;
    }
    return now.year;
}

std::string PeriodStart(BudgetKind period, const std::string& referenceDate,
                        const platform::LocalDateTime& now) {
    if (period == BudgetKind::Weekly) {
        return WeekStart(referenceDate, YearOfDate(referenceDate, now));
    }
    return "01." + MonthKey(referenceDate);
}

std::vector<std::string> PeriodDatabaseFiles(BudgetKind period, const std::string& referenceDate,
                                             const std::string& directory,
                                             const platform::LocalDateTime& now) {
    std::vector<std::string> files;
    const std::string previousYear = CurrentYearText(PreviousYear(now));
    if (YearOf(PeriodStart(period, referenceDate, now)) == previousYear) {
        files.push_back(directory + DatabaseFileName(previousYear));
    }
    files.push_back(directory + DatabaseFileName(CurrentYearText(now)));
    return files;
}

BudgetPeriod::BudgetPeriod(BudgetKind period, const std::string& referenceDate,
                           const platform::LocalDateTime& now)
    : kind_(period), month_(MonthOf(referenceDate)), year_(YearOf(referenceDate)) {
    if (period == BudgetKind::Weekly) {
        weekDays_ = WeekDays(referenceDate, YearOfDate(referenceDate, now));
    }
}

bool BudgetPeriod::contains(const std::string& startDate) const {
    if (kind_ == BudgetKind::Weekly) {
        return std::find(weekDays_.begin(), weekDays_.end(), startDate) != weekDays_.end();
    }
    return month_ && year_ && startDate.size() >= 8 && startDate.compare(3, 2, *month_) == 0 &&
           startDate.compare(6, 2, *year_) == 0;
}

std::int32_t SumSpending(BudgetKind period, const std::string& referenceDate,
                         const std::string& directory, const platform::LocalDateTime& now,
                         HeldDatabases& databases, platform::Sound& sound,
                         UnreadableRecords* unreadable) {
    std::int64_t sum = 0;
    const int year = YearOfDate(referenceDate, now);
    const std::string key = std::string(period == BudgetKind::Weekly ? "Woche " : "Monat ") +
                            referenceDate + " " + std::to_string(year) +
                            (unreadable != nullptr ? " noted" : "");
    std::optional<BudgetPeriod> inPeriod;
    for (const std::string& path : PeriodDatabaseFiles(period, referenceDate, directory, now)) {
        try {
            sum += databases.figureOf(path, key, [&](std::string_view bytes) {
                if (!inPeriod) {
                    inPeriod.emplace(period, referenceDate, now);
                }
                std::int64_t fileSum = 0;
                ScanDatabase(bytes, [&](const ConnectionRecord& record) {
                    if (!inPeriod->contains(record.startDate)) {
                        return true;
                    }
                    if (const std::optional<std::int32_t> total = ToInteger(record.totalCharge)) {
                        fileSum += *total;
                    } else if (unreadable != nullptr) {
                        unreadable->note(path, record, record.totalCharge);
                    }
                    return true;
                });
                return fileSum;
            });
        } catch (const FileError&) {
            sound.beep(platform::Beep::Default);
            return 0;
        }
    }
    return SaturateToInt32(sum);
}

}  // namespace ruvo

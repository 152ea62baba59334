// What was spent in a week or a month, summed from the connection database.
//
// Each year's connections go to that year's database file, by the day they were saved. A week
// or a month that began in the previous year therefore has its connections in two files: the
// previous year's and this year's (a connection that started on 31 December and was saved on
// 1 January is in the new file). Only such a period makes the previous year's file be read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "domain/budget_kind.h"
#include "domain/held_databases.h"
#include "domain/unreadable_records.h"
#include "platform/platform.h"

namespace ruvo {

// The four-digit year in which the two-digit year of `date` is taken for weekday computations:
// the previous year for a date of the previous year's two digits (so that 27.12.99 is a day of
// 1999 when it is 2000 now), else the year of now.
int YearOfDate(const std::string& date, const platform::LocalDateTime& now);

// The first day of the week (Sunday) or of the month that `referenceDate` lies in.
std::string PeriodStart(BudgetKind period, const std::string& referenceDate,
                        const platform::LocalDateTime& now);

// The database files, oldest first, that may hold connections of the period: this year's, and
// before it the previous year's when the period began in the previous year. Full paths.
std::vector<std::string> PeriodDatabaseFiles(BudgetKind period, const std::string& referenceDate,
                                             const std::string& directory,
                                             const platform::LocalDateTime& now);

// Whether a connection that started on a date belongs to the period of `referenceDate`: the
// same month and two-digit year, or one of the days of the same Sunday-to-Saturday week. The
// period is worked out once, so that testing each record of a year costs a few comparisons.
class BudgetPeriod {
public:
    BudgetPeriod(BudgetKind period, const std::string& referenceDate,
                 const platform::LocalDateTime& now);
    bool contains(const std::string& startDate) const;

private:
    BudgetKind kind_;
    std::vector<std::string> weekDays_;  // none when the reference date is no date
    std::optional<std::string> month_;   // two characters each, when the date has them
    std::optional<std::string> year_;
};

// The sum in Pfennig of the total charges of the period's connections, from the files as
// `databases` holds them (read afresh when they changed). A missing file holds none. A file that
// cannot be read gives the default beep and a sum of 0. A record whose total is not a whole
// number is skipped and noted in `unreadable` (when given); the others count. A sum beyond the
// 32-bit range stops at its end.
std::int32_t SumSpending(BudgetKind period, const std::string& referenceDate,
                         const std::string& directory, const platform::LocalDateTime& now,
                         HeldDatabases& databases, platform::Sound& sound,
                         UnreadableRecords* unreadable = nullptr);

}  // namespace ruvo

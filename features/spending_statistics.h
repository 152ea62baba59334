// What was spent in each of the last thirteen months (the current one and the twelve before it),
// on each day of those months, and at which hours of the day the user was online, summed from the
// rows of the connection list (connection_rows.h), so that every figure agrees with the list's.
//
// A row belongs to the month whose month and two-digit year its date names, as the budgets count
// it; each year's rows are in that year's database file, except a connection started on
// 31 December and saved on 1 January, which is in the next year's file. The months are therefore
// summed from both files they reach into, whatever file a row is in.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "features/connection_rows.h"
#include "platform/platform.h"

namespace ruvo {

struct SpendingFigures {
    std::int64_t connections = 0;
    std::int64_t seconds = 0;
    std::int64_t telephone = 0;  // Pfennig
    std::int64_t provider = 0;   // Pfennig
    std::int64_t total = 0;      // Pfennig, the recorded totals

    void add(const ConnectionRow& row);
    friend bool operator==(const SpendingFigures&, const SpendingFigures&) = default;
};

struct MonthStatistics {
    int year = 0;   // four digits
    int month = 0;  // 1..12
    SpendingFigures sum;
    // One per day of the month; a row whose date names no day of it counts in the sum only.
    std::vector<SpendingFigures> days;
    // Connected seconds in each hour of the day, 0 to 23, from each row's start minute on.
    std::array<std::int64_t, 24> onlineSeconds{};
};

// The current month and the twelve before it, oldest first, with nothing counted yet.
std::vector<MonthStatistics> LastThirteenMonths(const platform::LocalDateTime& now);

// Counts the row in its month, day and hours. False when the row lies in none of the months.
bool CountRow(std::vector<MonthStatistics>& months, const ConnectionRow& row);

// Adds `seconds` from the minute of the day `startMinute` on to the hours they fall in, going
// round midnight as often as they last; nothing for no seconds.
void SpreadOverHours(std::array<std::int64_t, 24>& hours, int startMinute, std::int64_t seconds);

// The names of the database files the months reach into, oldest first: last year's and this
// year's.
std::vector<std::string> ThirteenMonthFiles(const platform::LocalDateTime& now);

}  // namespace ruvo

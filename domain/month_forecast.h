// Where the month's spending will likely end, and on which day a monthly budget runs out, at the
// pace of the month so far.
//
// The pace is the spending so far divided by the time passed since the month began, to the
// minute; the forecast is that pace over the whole month. Before two whole days have passed (on
// the 1st and the 2nd) a few connections would swing it wildly, so there is none.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace ruvo {

// Days of the month of the Gregorian calendar.
int DaysOfMonth(int year, int month);
// "Januar" ... "Dezember" and "Jan" ... "Dez"; the empty text for any other number.
std::string MonthName(int month);
std::string ShortMonthName(int month);

struct MonthForecast {
    // What the month will likely cost by its end, in Pfennig.
    std::int32_t expected = 0;
    enum class Budget {
        None,     // no budget given
        Lasts,    // the month ends before the budget is used up
        RunsOut,  // used up on `runsOutOnDay`
        UsedUp,   // the spending so far has reached it
    };
    Budget budget = Budget::None;
    std::int32_t budgetAmount = 0;  // Pfennig, unless None
    int runsOutOnDay = 0;           // day of the month, for RunsOut
};

// The forecast of the month that `now` lies in, from what was spent in it up to now (Pfennig);
// nothing before its third day. `budget` is the monthly budget in use, in Pfennig.
std::optional<MonthForecast> ForecastMonth(std::int32_t spentSoFar,
                                           const platform::LocalDateTime& now,
                                           std::optional<std::int32_t> budget);

// The budget's outlook in a few words, for a line beside the forecast: "reicht bis Monatsende",
// "aufgebraucht am 24.12.", "schon aufgebraucht", nothing without a budget; without a forecast
// "ab dem 3. Tag".
std::string OutlookText(const std::optional<MonthForecast>& forecast,
                        const platform::LocalDateTime& now);

// The forecast as a sentence: "Bis Ende Dezember voraussichtlich 85,20 DM." and what becomes of
// the budget ("Das Budget von 80,00 DM ist am 24.12. aufgebraucht."); without a forecast, from
// which day on there is one.
std::string ForecastSentence(const std::optional<MonthForecast>& forecast,
                             const platform::LocalDateTime& now);

}  // namespace ruvo

// The month's forecast: the pace of the month so far carried to its end, and the day a monthly
// budget runs out at that pace.
#include "domain/month_forecast.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace ruvo {
namespace {

using platform::LocalDateTime;
using Budget = MonthForecast::Budget;

TEST(MonthForecast, PaceSoFarCarriedToTheMonthsEnd) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    struct Case {
        const char* name;
        std::int32_t spent;
        LocalDateTime now;
        std::optional<std::int32_t> budget;
        std::optional<std::int32_t> expected;  // nothing: no forecast
        Budget outlook;
        int runsOutOnDay;
        const char* outlookText;
    };
    const std::vector<Case> cases = {
        {"the 1st at 00:05", 100, {1999, 12, 1, 0, 5, 0}, 5000, {}, {}, 0, "ab dem 3. Tag"},
        {"the 2nd at 23:59", 500, {1999, 12, 2, 23, 59, 0}, {}, {}, {}, 0, "ab dem 3. Tag"},
        {"two whole days of 31", 2000, {1999, 12, 3, 0, 0, 0}, {}, 31000, Budget::None, 0, ""},
        // 14.5 of 31 days: 5000 × 31 / 14.5 = 10689.66; 100 DM are reached after 29 days.
        {"runs out on the 30th",
         5000,
         {1999, 12, 15, 12, 0, 0},
         10000,
         10690,
         Budget::RunsOut,
         30,
         "aufgebraucht am 30.12."},
        {"runs out today",
         9990,
         {1999, 12, 15, 12, 0, 0},
         10000,
         21358,
         Budget::RunsOut,
         15,
         "aufgebraucht am 15.12."},
        {"lasts",
         3000,
         {1999, 12, 15, 12, 0, 0},
         10000,
         6414,
         Budget::Lasts,
         0,
         "reicht bis Monatsende"},
        {"reached exactly",
         10000,
         {1999, 12, 15, 12, 0, 0},
         10000,
         21379,
         Budget::UsedUp,
         0,
         "schon aufgebraucht"},
        {"nothing spent",
         0,
         {1999, 12, 15, 12, 0, 0},
         5000,
         0,
         Budget::Lasts,
         0,
         "reicht bis Monatsende"},
        {"a budget of nothing",
         0,
         {1999, 12, 15, 12, 0, 0},
         0,
         0,
         Budget::UsedUp,
         0,
         "schon aufgebraucht"},
        {"last minute, a Pfennig to spare",
         7000,
         {1999, 12, 31, 23, 59, 0},
         7001,
         7000,
         Budget::Lasts,
         0,
         "reicht bis Monatsende"},
        // A Pfennig a minute: the pace reaches the budget as the month ends, or a minute before.
        {"reached as the month ends",
         44638,
         {1999, 12, 31, 23, 58, 0},
         44640,
         44640,
         Budget::Lasts,
         0,
         "reicht bis Monatsende"},
        {"reached in the last minute",
         44638,
         {1999, 12, 31, 23, 58, 0},
         44639,
         44640,
         Budget::RunsOut,
         31,
         "aufgebraucht am 31.12."},
        {"February 1999: 28 days", 1000, {1999, 2, 8, 0, 0, 0}, {}, 4000, Budget::None, 0, ""},
        {"February 2000: 29 days", 1000, {2000, 2, 8, 0, 0, 0}, {}, 4143, Budget::None, 0, ""},
        {"February 2100: 28 days", 1000, {2100, 2, 8, 0, 0, 0}, {}, 4000, Budget::None, 0, ""},
        {"February 2000 runs out on the 29th",
         1000,
         {2000, 2, 8, 0, 0, 0},
         4100,
         4143,
         Budget::RunsOut,
         29,
         "aufgebraucht am 29.02."},
        // 12 of 30 days: the pace × 2.5, halves rounded away from zero.
        {"half a Pfennig up", 1, {1999, 4, 13, 0, 0, 0}, {}, 3, Budget::None, 0, ""},
        {"half a Pfennig down", -1, {1999, 4, 13, 0, 0, 0}, {}, -3, Budget::None, 0, ""},
        {"a refund",
         -500,
         {1999, 4, 13, 0, 0, 0},
         100,
         -1250,
         Budget::Lasts,
         0,
         "reicht bis Monatsende"},
        {"stops at the 32-bit end",
         kMax,
         {1999, 12, 3, 0, 0, 0},
         kMax,
         kMax,
         Budget::UsedUp,
         0,
         "schon aufgebraucht"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<MonthForecast> forecast = ForecastMonth(c.spent, c.now, c.budget);
        EXPECT_EQ(OutlookText(forecast, c.now), c.outlookText);
        ASSERT_EQ(forecast.has_value(), c.expected.has_value());
        if (!forecast) {
            continue;
        }
        EXPECT_EQ(forecast->expected, *c.expected);
        EXPECT_EQ(forecast->budget, c.outlook);
        EXPECT_EQ(forecast->runsOutOnDay, c.runsOutOnDay);
    }
}

TEST(MonthForecast, SentenceNamesTheMonthAndTheBudget) {
    const LocalDateTime now{1999, 12, 15, 12, 0, 0};
    const struct {
        std::int32_t spent;
        LocalDateTime now;
        std::optional<std::int32_t> budget;
        const char* sentence;
    } cases[] = {
        {5000, now, {}, "Bis Ende Dezember voraussichtlich 106,90 DM."},
        {5000, now, 10000,
         "Bis Ende Dezember voraussichtlich 106,90 DM. Das Budget von 100,00 DM ist am 30.12. "
         "aufgebraucht."},
        {3000, now, 10000,
         "Bis Ende Dezember voraussichtlich 64,14 DM. Das Budget von 100,00 DM reicht bis zum "
         "Monatsende."},
        {12000, now, 10000,
         "Bis Ende Dezember voraussichtlich 256,55 DM. Das Budget von 100,00 DM ist schon "
         "aufgebraucht."},
        {5000,
         {2000, 3, 2, 23, 0, 0},
         10000,
         "Eine Prognose für den Monat gibt es ab dem 3. März."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sentence);
        EXPECT_EQ(ForecastSentence(ForecastMonth(c.spent, c.now, c.budget), c.now), c.sentence);
    }
}

}  // namespace
}  // namespace ruvo

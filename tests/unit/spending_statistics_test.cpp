// The months, days and hours of the statistics: which month and day a row counts in, and how its
// online time is spread over the hours of the day.
#include "features/spending_statistics.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace ruvo {
namespace {

TEST(SpendingStatistics, RowsCountInTheMonthAndDayTheirDateNames) {
    // From March 1999 to March 2000; February 2000 has 29 days.
    const platform::LocalDateTime now{2000, 3, 5, 12, 0, 0};
    struct Case {
        const char* date;
        int month;  // index among the thirteen, -1 for none
        int day;    // 0 for none
    };
    const std::vector<Case> cases = {
        {"15.03.00", 12, 15}, {"15.03.99", 0, 15}, {"29.02.00", 11, 29}, {"01.01.00", 10, 1},
        {"28.02.99", -1, 0},  {"15.03.98", -1, 0}, {"32.03.00", 12, 0},  {"00.03.00", 12, 0},
        {"15.3.00", -1, 0},   {"15.03.0x", -1, 0}, {"", -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        std::vector<MonthStatistics> months = LastThirteenMonths(now);
        ASSERT_EQ(months.size(), 13U);
        EXPECT_EQ(months.front().year * 100 + months.front().month, 199903);
        EXPECT_EQ(months.back().year * 100 + months.back().month, 200003);
        EXPECT_EQ(months[11].days.size(), 29U);
        const ConnectionRow row{c.date, "10:00", "10:01", 60, 12, 5, 17, "1", "City"};
        EXPECT_EQ(CountRow(months, row), c.month >= 0);
        for (std::size_t m = 0; m < months.size(); ++m) {
            const bool here = static_cast<int>(m) == c.month;
            EXPECT_EQ(months[m].sum.connections, here ? 1 : 0) << m;
            EXPECT_EQ(months[m].sum.total, here ? 17 : 0) << m;
            for (std::size_t d = 0; d < months[m].days.size(); ++d) {
                EXPECT_EQ(months[m].days[d].telephone,
                          here && c.day == static_cast<int>(d) + 1 ? 12 : 0);
            }
        }
    }
}

TEST(SpendingStatistics, OnlineTimeIsSpreadOverTheHoursItFallsIn) {
    struct Case {
        const char* name;
        int startMinute;
        std::int64_t seconds;
        std::map<int, std::int64_t> hours;  // the hours that are not `everyHour`
        std::int64_t everyHour = 0;
    };
    const std::vector<Case> cases = {
        {"within an hour", 10 * 60 + 15, 600, {{10, 600}}},
        {"into the next hour", 10 * 60 + 59, 120, {{10, 60}, {11, 60}}},
        {"over midnight", 23 * 60 + 30, 3600, {{23, 1800}, {0, 1800}}},
        {"a whole day", 0, 86400, {}, 3600},
        {"two days and a bit", 10 * 60 + 15, 2 * 86400 + 90, {{10, 7200 + 90}}, 7200},
        {"nothing", 600, 0, {}},
        {"a negative duration", 600, -50, {}},
        {"the 32-bit end", 0, 2147483647, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::array<std::int64_t, 24> hours{};
        SpreadOverHours(hours, c.startMinute, c.seconds);
        std::int64_t sum = 0;
        for (int hour = 0; hour < 24; ++hour) {
            sum += hours[static_cast<std::size_t>(hour)];
            if (c.seconds == 2147483647) {
                continue;
            }
            const auto it = c.hours.find(hour);
            EXPECT_EQ(hours[static_cast<std::size_t>(hour)],
                      it != c.hours.end() ? it->second : c.everyHour)
                << hour;
        }
        EXPECT_EQ(sum, std::max<std::int64_t>(c.seconds, 0));
    }
}

}  // namespace
}  // namespace ruvo

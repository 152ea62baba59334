// The behaviour of the statistics window (StatisticsWindow): at every activation the connections
// of the current and the last twelve months are read from the database files and shown as bars
// of months, of the days of the chosen month and of the hours of the day, with the month's
// forecast.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "domain/unreadable_records.h"
#include "features/spending_statistics.h"
#include "platform/platform.h"
#include "window_models/statistics_window.h"

namespace ruvo {

class Statistics {
public:
    // `monthlyBudget` gives the monthly budget in Pfennig while one is in use.
    Statistics(StatisticsWindow& window, platform::Platform& platform,
               UnreadableRecords& unreadable,
               std::function<std::optional<std::int32_t>()> monthlyBudget);
    Statistics(const Statistics&) = delete;
    Statistics& operator=(const Statistics&) = delete;

    // Reads the months from the files again and shows them; the chosen month stays chosen while
    // it is among them, otherwise the current month is. A missing file holds no connections; a
    // file that cannot be read is named in the window with the reason, and the other is shown;
    // a record with a bad number is left out and told once, as in the connection list.
    void activate();
    // Shows the days and hours of the month of that number (0 the oldest, 12 the current one).
    void chooseMonth(int index);

    const std::vector<MonthStatistics>& months() const { return months_; }

private:
    void read();
    void showMonths();
    void showChosenMonth();
    void showDay();
    void showHour();

    StatisticsWindow& window_;
    platform::Platform& platform_;
    UnreadableRecords& unreadable_;
    std::function<std::optional<std::int32_t>()> monthlyBudget_;
    std::vector<MonthStatistics> months_;
    int chosen_ = -1;
    int chosenYear_ = 0;
    int chosenMonth_ = 0;
};

}  // namespace ruvo

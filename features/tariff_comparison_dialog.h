// The behaviour of the tariff comparison window: the other tariff file is read, the current
// year's connections re-rated under it, and the connections of the chosen period shown.
#pragma once

#include <functional>
#include <string>

#include "domain/holiday_list.h"
#include "platform/platform.h"
#include "window_models/tariff_comparison_window.h"

namespace ruvo {

// Whether a record's start date belongs to the period named as in the connection list; any text
// that names no period (also "Gesamtes Jahr") takes every date.
std::function<bool(const std::string&)> PeriodPredicate(const std::string& periodText,
                                                        const platform::LocalDateTime& today);

class TariffComparisonDialog {
public:
    // `holidays` is the program's list, as the counter uses it; `databasePath` gives the current
    // year's database file.
    TariffComparisonDialog(TariffComparisonWindow& window, platform::Platform& platform,
                           const HolidayList& holidays, std::function<std::string()> databasePath);
    TariffComparisonDialog(const TariffComparisonDialog&) = delete;
    TariffComparisonDialog& operator=(const TariffComparisonDialog&) = delete;

    // Shows the window (not modal), compared afresh when a file is chosen.
    void show();
    // Asks for the file, then compares.
    void choose();
    // Reads the file and the database and fills the table and the totals; a file that cannot be
    // read is told with its reason.
    void compare();

private:
    void clear(const std::string& summary);

    TariffComparisonWindow& window_;
    platform::Platform& platform_;
    const HolidayList& holidays_;
    std::function<std::string()> databasePath_;
};

}  // namespace ruvo

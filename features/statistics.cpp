#include "features/statistics.h"

#include <algorithm>
#include <utility>

#include "base/file_error.h"
#include "base/file_error_text.h"
#include "base/file_io.h"
#include "base/money.h"
#include "base/saturate.h"
#include "domain/calendar.h"
#include "domain/month_forecast.h"

namespace ruvo {
namespace {

std::string MonthTitle(const MonthStatistics& month) {
    return MonthName(month.month) + " " + IntToStr(month.year);
}

// "35,79 DM (Telefon 12,34 DM, Provider 23,45 DM), 14 Verbindungen, 12:34:56 online"
std::string FiguresText(const SpendingFigures& figures) {
    if (figures.connections == 0) {
        return "keine Verbindungen";
    }
    return TotalMoneyText(figures.total) + " (Telefon " + TotalMoneyText(figures.telephone) +
           ", Provider " + TotalMoneyText(figures.provider) + "), " +
           IntToStr(figures.connections) +
           (figures.connections == 1 ? " Verbindung, " : " Verbindungen, ") +
           TotalDurationText(figures.seconds) + " online";
}

BarChart::Bar ChargeBar(std::string label, std::string hint, const SpendingFigures& figures) {
    return {std::move(label),
            std::move(hint),
            {std::max<std::int64_t>(figures.telephone, 0),
             std::max<std::int64_t>(figures.provider, 0)}};
}

// The date text of a day of the month: "01.12.99".
std::string DateOf(const MonthStatistics& month, int day) {
    return PadTwo(IntToStr(day)) + "." + PadTwo(IntToStr(month.month)) + "." +
           CurrentYearText({month.year, 1, 1, 0, 0, 0});
}

std::string HourHint(int hour, std::int64_t seconds) {
    return IntToStr(hour) + " bis " + IntToStr(hour + 1) + " Uhr: " + TotalDurationText(seconds) +
           " online";
}

// The index of the largest value, the first of equal ones; -1 when none is above zero.
template <class Values, class Value>
int Largest(const Values& values, Value value) {
    int best = -1;
    std::int64_t most = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (value(values[i]) > most) {
            most = value(values[i]);
            best = static_cast<int>(i);
        }
    }
    return best;
}

}  // namespace

Statistics::Statistics(StatisticsWindow& window, platform::Platform& platform,
                       UnreadableRecords& unreadable,
                       std::function<std::optional<std::int32_t>()> monthlyBudget)
    : window_(window),
      platform_(platform),
      unreadable_(unreadable),
      monthlyBudget_(std::move(monthlyBudget)) {
    window_.onActivate = [this] { activate(); };
    window_.monthChart.onChoose = [this] { chooseMonth(window_.monthChart.chosen()); };
    window_.monthBox.onClick = [this] { chooseMonth(window_.monthBox.selectedIndex()); };
    window_.dayChart.onChoose = [this] { showDay(); };
    window_.hourChart.onChoose = [this] { showHour(); };
}

void Statistics::activate() {
    read();
    showMonths();
    int chosen = static_cast<int>(months_.size()) - 1;
    for (std::size_t i = 0; i < months_.size(); ++i) {
        if (months_[i].year == chosenYear_ && months_[i].month == chosenMonth_) {
            chosen = static_cast<int>(i);
        }
    }
    chosen_ = -1;
    chooseMonth(chosen);
    unreadable_.tellNew();
}

void Statistics::read() {
    const platform::LocalDateTime now = platform_.clock.now();
    months_ = LastThirteenMonths(now);
    std::string notice;
    for (const std::string& name : ThirteenMonthFiles(now)) {
        const std::string path = platform_.paths.programDirectory() + name;
        std::optional<std::string> bytes;
        try {
            bytes = ReadFileIfPresent(path);
        } catch (const FileError& error) {
            notice += (notice.empty() ? "" : " ") + name +
                      " kann nicht gelesen werden: " + FileErrorReason(error) + ".";
            continue;
        }
        if (!bytes) {
            continue;
        }
        ConnectionRows loaded = ReadConnectionRows(*bytes);
        for (const ConnectionRow& row : loaded.rows) {
            CountRow(months_, row);
        }
        for (const auto& [record, value] : loaded.unreadable) {
            unreadable_.note(path, record, value);
        }
    }
    window_.notice.setText(notice);
    window_.notice.setRed(!notice.empty());

    const std::optional<MonthForecast> forecast =
        ForecastMonth(SaturateToInt32(months_.back().sum.total), now, monthlyBudget_());
    window_.forecast.setText(ForecastSentence(forecast, now));
}

void Statistics::showMonths() {
    std::vector<BarChart::Bar> bars;
    std::vector<std::string> items;
    for (const MonthStatistics& month : months_) {
        items.push_back(MonthTitle(month));
        bars.push_back(ChargeBar(
            ShortMonthName(month.month) + " " + CurrentYearText({month.year, 1, 1, 0, 0, 0}),
            MonthTitle(month) + ": " + FiguresText(month.sum), month.sum));
    }
    window_.monthBox.setItems(std::move(items));
    window_.monthChart.setBars(std::move(bars));
}

void Statistics::chooseMonth(int index) {
    if (index < 0 || index >= static_cast<int>(months_.size()) || index == chosen_) {
        return;
    }
    chosen_ = index;
    const MonthStatistics& month = months_[static_cast<std::size_t>(index)];
    chosenYear_ = month.year;
    chosenMonth_ = month.month;
    window_.monthChart.chooseQuietly(index);
    window_.monthBox.choose(index);
    window_.monthFigures.setText(window_.monthChart.bars()[static_cast<std::size_t>(index)].hint);
    showChosenMonth();
}

void Statistics::showChosenMonth() {
    const MonthStatistics& month = months_[static_cast<std::size_t>(chosen_)];
    const int todayYear = platform_.clock.now().year;
    std::vector<BarChart::Bar> days;
    for (std::size_t i = 0; i < month.days.size(); ++i) {
        const int day = static_cast<int>(i) + 1;
        const std::string date = DateOf(month, day);
        days.push_back(ChargeBar(IntToStr(day),
                                 WeekdayName(WeekdayNumber(date, todayYear)) + ", " + date + ": " +
                                     FiguresText(month.days[i]),
                                 month.days[i]));
    }
    window_.dayHeading.setText("Tage im " + MonthTitle(month));
    window_.dayChart.setBars(std::move(days));
    // The dearest day is chosen first; in a month without charges the day with most connections.
    int dearest = Largest(month.days, [](const SpendingFigures& day) { return day.total; });
    if (dearest < 0) {
        dearest = Largest(month.days, [](const SpendingFigures& day) { return day.connections; });
    }
    window_.dayChart.chooseQuietly(dearest);
    showDay();

    std::vector<BarChart::Bar> hours;
    for (std::size_t hour = 0; hour < month.onlineSeconds.size(); ++hour) {
        hours.push_back({IntToStr(static_cast<std::int64_t>(hour)),
                         HourHint(static_cast<int>(hour), month.onlineSeconds[hour]),
                         {month.onlineSeconds[hour]}});
    }
    window_.hourHeading.setText("Onlinezeit nach Tageszeit im " + MonthTitle(month));
    window_.hourChart.setBars(std::move(hours));
    window_.hourChart.chooseQuietly(
        Largest(month.onlineSeconds, [](std::int64_t seconds) { return seconds; }));
    showHour();
}

void Statistics::showDay() {
    const int day = window_.dayChart.chosen();
    window_.dayFigures.setText(day < 0
                                   ? "Keine Verbindungen in diesem Monat."
                                   : window_.dayChart.bars()[static_cast<std::size_t>(day)].hint);
}

void Statistics::showHour() {
    const int hour = window_.hourChart.chosen();
    window_.hourFigures.setText(
        hour < 0 ? "" : window_.hourChart.bars()[static_cast<std::size_t>(hour)].hint);
}

}  // namespace ruvo

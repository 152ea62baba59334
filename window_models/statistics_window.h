// The statistics window (Form15): what was spent in the current and the twelve months before it,
// the days of a chosen month, the hours of the day at which the user was online in it, and the
// month's forecast. The figures are filled in by Statistics (features/statistics.h).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "window_models/window_model.h"

namespace ruvo {

// Bars side by side, each made of stacked parts (telephone and provider charges, or online
// seconds), one of them chosen. Each bar has a label under it and a hint that says its figures
// in words.
class BarChart final : public Control {
public:
    enum class Unit { Pfennig, Seconds };
    struct Bar {
        std::string label;
        std::string hint;
        std::vector<std::int64_t> parts;  // one per series, none negative

        friend bool operator==(const Bar&, const Bar&) = default;
    };

    BarChart(WindowModel& owner, std::string name, std::vector<std::string> series, Unit unit);

    const std::vector<std::string>& series() const { return series_; }
    Unit unit() const { return unit_; }
    const std::vector<Bar>& bars() const { return bars_; }
    // Replaces the bars; the chosen bar stays when there is one of that number.
    void setBars(std::vector<Bar> bars);
    // The chosen bar, or -1.
    int chosen() const { return chosen_; }
    // The user picks a bar (a click, an arrow key): runs the choose action when the choice
    // changes. A number beyond the bars is ignored.
    void choose(int index);
    // Chooses the bar without running the action.
    void chooseQuietly(int index);
    std::function<void()> onChoose;

private:
    std::vector<std::string> series_;
    Unit unit_;
    std::vector<Bar> bars_;
    int chosen_ = -1;
};

class StatisticsWindow final : public WindowModel {
public:
    StatisticsWindow();

    // The current month and the twelve before it, oldest first: one bar each, and the chooser of
    // the month whose days and hours are shown.
    BarChart monthChart{*this, "MonthChart", ChargeSeries(), BarChart::Unit::Pfennig};
    ComboBox monthBox{*this, "ComboBox1", {}};
    TextField monthFigures{*this, "MonthFigures"};
    TextField forecast{*this, "Forecast"};

    TextField dayHeading{*this, "DayHeading"};
    BarChart dayChart{*this, "DayChart", ChargeSeries(), BarChart::Unit::Pfennig};
    TextField dayFigures{*this, "DayFigures"};

    TextField hourHeading{*this, "HourHeading"};
    BarChart hourChart{*this, "HourChart", {"Onlinezeit"}, BarChart::Unit::Seconds};
    TextField hourFigures{*this, "HourFigures"};

    // Which database file could not be read, and why; red.
    TextField notice{*this, "Notice"};
    Button closeItem{*this, "Schließen", "&Schließen"};

    // The view calls this every time the window becomes the active window: the figures are read
    // from the database files again.
    void activate() {
        if (onActivate) {
            onActivate();
        }
    }
    std::function<void()> onActivate;

    static std::vector<std::string> ChargeSeries() {
        return {"Telefongebühren", "Providergebühren"};
    }
};

}  // namespace ruvo

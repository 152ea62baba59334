#include "window_models/statistics_window.h"

namespace ruvo {

BarChart::BarChart(WindowModel& owner, std::string name, std::vector<std::string> series, Unit unit)
    : Control(owner, std::move(name)), series_(std::move(series)), unit_(unit) {}

void BarChart::setBars(std::vector<Bar> bars) {
    bars_ = std::move(bars);
    if (chosen_ >= static_cast<int>(bars_.size())) {
        chosen_ = -1;
    }
    changed();
}

void BarChart::choose(int index) {
    if (index < 0 || index >= static_cast<int>(bars_.size()) || index == chosen_) {
        return;
    }
    chosen_ = index;
    changed();
    if (onChoose) {
        onChoose();
    }
}

void BarChart::chooseQuietly(int index) {
    const int chosen = index >= 0 && index < static_cast<int>(bars_.size()) ? index : -1;
    if (chosen != chosen_) {
        chosen_ = chosen;
        changed();
    }
}

StatisticsWindow::StatisticsWindow() : WindowModel("Form15", "Quelmar Ruvometer - Statistik") {
    closeItem.onClick = [this] { hide(); };
}

}  // namespace ruvo

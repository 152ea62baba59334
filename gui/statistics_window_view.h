// The statistics window "Statistik" (Form15): the months as bars with the month chooser, the
// chosen month's figures and the forecast, the days of the chosen month and its hours of the
// day, each chart with the figures of its chosen bar in a line under it. A normal, resizable
// window that is not modal; Escape closes it.
#pragma once

#include "gui/window_view.h"
#include "window_models/statistics_window.h"

class QEvent;
class QGroupBox;

namespace ruvo::gui {

class StatisticsWindowView final : public WindowView {
    Q_OBJECT

public:
    StatisticsWindowView(StatisticsWindow& model, ActionRunner run, QWidget* parent = nullptr);

protected:
    // Every activation reads the figures again.
    bool event(QEvent* event) override;

private:
    QGroupBox* buildMonths();
    QGroupBox* buildChart(BarChart& chart, TextField& heading, TextField& figures,
                          const QString& mnemonic);
    QWidget* buildFoot();

    StatisticsWindow& statistics_;
    // The program reads the figures when it shows the window; the activation that follows the
    // showing is that one.
    bool shownByProgram_ = false;
};

}  // namespace ruvo::gui

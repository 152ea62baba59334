// The live counter window (Form6): the running connection's tariff and figures, the budget
// status and the warning options, on three tabs above an "&Ok" button.
#pragma once

#include <vector>

#include "gui/unit_progress_bar.h"
#include "gui/window_view.h"
#include "window_models/counter_window.h"

class QTabWidget;

namespace ruvo::gui {

class CounterWindowView final : public WindowView {
    Q_OBJECT

public:
    CounterWindowView(CounterWindow& model, ActionRunner run, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    UnitProgressBar* unitProgress() const { return unitProgress_; }

private:
    QWidget* buildConnectionPage();
    QWidget* buildTariffPanel(QWidget* page);
    QWidget* buildFiguresPanel(QWidget* page);
    QWidget* buildUnitPanel(QWidget* page);
    QWidget* buildBudgetPage();
    QWidget* buildWarningPage();
    QWidget* buildBudgetBox(const QString& title, TextField& amount, TextField& used,
                            TextField& left, Panel& cover);

    CounterWindow& counter_;
    QTabWidget* tabs_ = nullptr;
    UnitProgressBar* unitProgress_ = nullptr;
    std::vector<QWidget*> runningFigures_;  // what changes while a connection runs
};

}  // namespace ruvo::gui

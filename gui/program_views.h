// Every window of the program as a view, bound to the application's window models. Built once
// after the application, destroyed after the application has stopped notifying. A view is made
// when its window is first shown: most windows never are in a session, and a tray program
// should not hold their widgets for days.
#pragma once

#include <functional>
#include <memory>

#include "gui/binder.h"
#include "program/application.h"

namespace ruvo::gui {

class MainWindowView;
class StartupWindowView;
class CounterWindowView;
class SummaryWindowView;
class RecoveryWindowView;
class StatisticsWindowView;
class AutostartQuestionView;
class BudgetClosureView;
class NewBudgetView;
class TariffNameEditorView;
class TariffTablesWindowView;
class ConnectionListView;
class HolidaysEditorView;
class TariffComparisonView;
class WindowView;

class ProgramViews {
public:
    explicit ProgramViews(Ruvometer& app);
    ~ProgramViews();
    ProgramViews(const ProgramViews&) = delete;
    ProgramViews& operator=(const ProgramViews&) = delete;

private:
    // Makes the view with `make` when the model is first shown, and shows it; `make` gives
    // nothing for a view that was made before (and follows its model by itself).
    void makeWhenFirstShown(WindowModel& model, std::function<WindowView*()> make);
    // A view made from (model, actions, owner), owned by the main window or by nobody.
    enum class Owner { None, MainWindow };
    template <typename View, typename Model>
    void makeViewWhenFirstShown(std::unique_ptr<View>& view, Model& model, Owner owner);
    MainWindowView& mainWindowView();

    Ruvometer& app_;
    ActionRunner run_;
    std::unique_ptr<StartupWindowView> startupWindow_;
    std::unique_ptr<MainWindowView> mainWindow_;
    std::unique_ptr<SummaryWindowView> summaryWindow_;
    std::unique_ptr<AutostartQuestionView> autostartQuestionWindow_;
    std::unique_ptr<CounterWindowView> counterWindow_;
    std::unique_ptr<TariffNameEditorView> tariffNamesWindow_;
    std::unique_ptr<TariffTablesWindowView> tariffTablesWindow_;
    std::unique_ptr<NewBudgetView> newBudgetWindow_;
    std::unique_ptr<ConnectionListView> connectionListWindow_;
    std::unique_ptr<BudgetClosureView> budgetClosureWindow_;
    std::unique_ptr<HolidaysEditorView> holidaysWindow_;
    std::unique_ptr<RecoveryWindowView> recoveryWindow_;
    std::unique_ptr<StatisticsWindowView> statisticsWindow_;
    std::unique_ptr<TariffComparisonView> tariffComparisonWindow_;
};

}  // namespace ruvo::gui

// Every window of the program as a view, bound to the application's window models. Built once
// after the application, destroyed after the application has stopped notifying.
#pragma once

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

class ProgramViews {
public:
    explicit ProgramViews(Ruvometer& app);
    ~ProgramViews();
    ProgramViews(const ProgramViews&) = delete;
    ProgramViews& operator=(const ProgramViews&) = delete;

    MainWindowView& mainWindow() { return *mainWindow_; }

private:
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

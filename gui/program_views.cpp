#include "gui/program_views.h"

#include "gui/autostart_question_view.h"
#include "gui/budget_closure_view.h"
#include "gui/connection_list_view.h"
#include "gui/counter_window_view.h"
#include "gui/holidays_editor_view.h"
#include "gui/main_window_view.h"
#include "gui/new_budget_view.h"
#include "gui/recovery_window_view.h"
#include "gui/startup_window_view.h"
#include "gui/statistics_window_view.h"
#include "gui/summary_window_view.h"
#include "gui/tariff_comparison_view.h"
#include "gui/tariff_name_editor_view.h"
#include "gui/tariff_tables_window_view.h"

namespace ruvo::gui {

ProgramViews::ProgramViews(Ruvometer& app) {
    const ActionRunner run = [&app](const std::function<void()>& action) {
        app.userAction(action);
    };
    startupWindow_ = std::make_unique<StartupWindowView>(app.startupWindow, run,
                                                         [&app] { app.closeRequestedBySystem(); });
    MainWindowActions actions;
    actions.showConnections = [&app] { app.userAction([&app] { app.showConnectionList(); }); };
    actions.showStatistics = [&app] { app.userAction([&app] { app.ShowStatistics(); }); };
    actions.compareTariffs = [&app] { app.userAction([&app] { app.ShowTariffComparison(); }); };
    actions.editHolidays = [&app] { app.userAction([&app] { app.showHolidaysEditor(); }); };
    actions.quit = [&app] { app.userAction([&app] { app.quitProgram(); }); };
    actions.showShortHelp = [&app] { app.userAction([&app] { app.ShowShortHelp(); }); };
    actions.minimised = [&app] { app.userAction([&app] { app.toggleMonitoring(); }); };
    mainWindow_ = std::make_unique<MainWindowView>(app.mainWindow, run, std::move(actions));
    summaryWindow_ = std::make_unique<SummaryWindowView>(app.summaryWindow, run);
    autostartQuestionWindow_ =
        std::make_unique<AutostartQuestionView>(app.autostartQuestionWindow, run);
    counterWindow_ = std::make_unique<CounterWindowView>(app.counterWindow, run);
    // The dialogs of the main window belong to it: the window manager keeps them above it and
    // gives them no task-bar entry of their own while it is shown. They are destroyed before it.
    QWidget* main = mainWindow_.get();
    tariffNamesWindow_ = std::make_unique<TariffNameEditorView>(app.tariffNamesWindow, run, main);
    tariffTablesWindow_ =
        std::make_unique<TariffTablesWindowView>(app.tariffTablesWindow, run, main);
    newBudgetWindow_ = std::make_unique<NewBudgetView>(app.newBudgetWindow, run, main);
    connectionListWindow_ = std::make_unique<ConnectionListView>(app.connectionListWindow, run);
    budgetClosureWindow_ = std::make_unique<BudgetClosureView>(app.budgetClosureWindow, run, main);
    holidaysWindow_ = std::make_unique<HolidaysEditorView>(app.holidaysWindow, run, main);
    recoveryWindow_ = std::make_unique<RecoveryWindowView>(app.recoveryWindow, run);
    statisticsWindow_ = std::make_unique<StatisticsWindowView>(app.statisticsWindow, run);
    tariffComparisonWindow_ =
        std::make_unique<TariffComparisonView>(app.tariffComparisonWindow, run);
}

ProgramViews::~ProgramViews() = default;

}  // namespace ruvo::gui

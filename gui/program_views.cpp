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

ProgramViews::ProgramViews(Ruvometer& app)
    : app_(app), run_([&app](const std::function<void()>& action) { app.userAction(action); }) {
    makeWhenFirstShown(app.startupWindow, [this]() -> WindowView* {
        startupWindow_ = std::make_unique<StartupWindowView>(
            app_.startupWindow, run_, [this] { app_.closeRequestedBySystem(); });
        return startupWindow_.get();
    });
    makeWhenFirstShown(app.mainWindow, [this]() -> WindowView* {
        // Made already as the owner of a dialog, it follows its model by itself.
        return mainWindow_ ? nullptr : &mainWindowView();
    });
    makeWhenFirstShown(app.summaryWindow, [this]() -> WindowView* {
        summaryWindow_ = std::make_unique<SummaryWindowView>(app_.summaryWindow, run_);
        return summaryWindow_.get();
    });
    makeWhenFirstShown(app.autostartQuestionWindow, [this]() -> WindowView* {
        autostartQuestionWindow_ =
            std::make_unique<AutostartQuestionView>(app_.autostartQuestionWindow, run_);
        return autostartQuestionWindow_.get();
    });
    makeWhenFirstShown(app.counterWindow, [this]() -> WindowView* {
        counterWindow_ = std::make_unique<CounterWindowView>(app_.counterWindow, run_);
        return counterWindow_.get();
    });
    // The dialogs of the main window belong to it: the window manager keeps them above it and
    // gives them no task-bar entry of their own while it is shown. They are destroyed before it.
    makeWhenFirstShown(app.tariffNamesWindow, [this]() -> WindowView* {
        tariffNamesWindow_ =
            std::make_unique<TariffNameEditorView>(app_.tariffNamesWindow, run_, &mainWindowView());
        return tariffNamesWindow_.get();
    });
    makeWhenFirstShown(app.tariffTablesWindow, [this]() -> WindowView* {
        tariffTablesWindow_ = std::make_unique<TariffTablesWindowView>(app_.tariffTablesWindow,
                                                                       run_, &mainWindowView());
        return tariffTablesWindow_.get();
    });
    makeWhenFirstShown(app.newBudgetWindow, [this]() -> WindowView* {
        newBudgetWindow_ =
            std::make_unique<NewBudgetView>(app_.newBudgetWindow, run_, &mainWindowView());
        return newBudgetWindow_.get();
    });
    makeWhenFirstShown(app.connectionListWindow, [this]() -> WindowView* {
        connectionListWindow_ =
            std::make_unique<ConnectionListView>(app_.connectionListWindow, run_);
        return connectionListWindow_.get();
    });
    makeWhenFirstShown(app.budgetClosureWindow, [this]() -> WindowView* {
        budgetClosureWindow_ =
            std::make_unique<BudgetClosureView>(app_.budgetClosureWindow, run_, &mainWindowView());
        return budgetClosureWindow_.get();
    });
    makeWhenFirstShown(app.holidaysWindow, [this]() -> WindowView* {
        holidaysWindow_ =
            std::make_unique<HolidaysEditorView>(app_.holidaysWindow, run_, &mainWindowView());
        return holidaysWindow_.get();
    });
    makeWhenFirstShown(app.recoveryWindow, [this]() -> WindowView* {
        recoveryWindow_ = std::make_unique<RecoveryWindowView>(app_.recoveryWindow, run_);
        return recoveryWindow_.get();
    });
    makeWhenFirstShown(app.statisticsWindow, [this]() -> WindowView* {
        statisticsWindow_ = std::make_unique<StatisticsWindowView>(app_.statisticsWindow, run_);
        return statisticsWindow_.get();
    });
    makeWhenFirstShown(app.tariffComparisonWindow, [this]() -> WindowView* {
        tariffComparisonWindow_ =
            std::make_unique<TariffComparisonView>(app_.tariffComparisonWindow, run_);
        return tariffComparisonWindow_.get();
    });
}

void ProgramViews::makeWhenFirstShown(WindowModel& model, std::function<WindowView*()> make) {
    model.addObserver([make = std::move(make), made = false](const WindowModel& shown,
                                                             WindowEvent event) mutable {
        if (event != WindowEvent::Shown || made) {
            return;
        }
        made = true;
        // The view's own observer comes after this one: the showing at hand is left to this.
        WindowView* view = make();
        if (view != nullptr && shown.visible()) {
            view->present();
        }
    });
}

MainWindowView& ProgramViews::mainWindowView() {
    if (!mainWindow_) {
        MainWindowActions actions;
        Ruvometer& app = app_;
        actions.showConnections = [&app] { app.userAction([&app] { app.showConnectionList(); }); };
        actions.showStatistics = [&app] { app.userAction([&app] { app.ShowStatistics(); }); };
        actions.compareTariffs = [&app] { app.userAction([&app] { app.ShowTariffComparison(); }); };
        actions.editHolidays = [&app] { app.userAction([&app] { app.showHolidaysEditor(); }); };
        actions.quit = [&app] { app.userAction([&app] { app.quitProgram(); }); };
        actions.showShortHelp = [&app] { app.userAction([&app] { app.ShowShortHelp(); }); };
        actions.minimised = [&app] { app.userAction([&app] { app.toggleMonitoring(); }); };
        mainWindow_ = std::make_unique<MainWindowView>(app.mainWindow, run_, std::move(actions));
    }
    return *mainWindow_;
}

ProgramViews::~ProgramViews() = default;

}  // namespace ruvo::gui

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
    makeViewWhenFirstShown(summaryWindow_, app.summaryWindow, Owner::None);
    makeViewWhenFirstShown(autostartQuestionWindow_, app.autostartQuestionWindow, Owner::None);
    makeViewWhenFirstShown(counterWindow_, app.counterWindow, Owner::None);
    // The dialogs of the main window belong to it: the window manager keeps them above it and
    // gives them no task-bar entry of their own while it is shown. They are destroyed before it.
    makeViewWhenFirstShown(tariffNamesWindow_, app.tariffNamesWindow, Owner::MainWindow);
    makeViewWhenFirstShown(tariffTablesWindow_, app.tariffTablesWindow, Owner::MainWindow);
    makeViewWhenFirstShown(newBudgetWindow_, app.newBudgetWindow, Owner::MainWindow);
    makeViewWhenFirstShown(connectionListWindow_, app.connectionListWindow, Owner::None);
    makeViewWhenFirstShown(budgetClosureWindow_, app.budgetClosureWindow, Owner::MainWindow);
    makeViewWhenFirstShown(holidaysWindow_, app.holidaysWindow, Owner::MainWindow);
    makeViewWhenFirstShown(recoveryWindow_, app.recoveryWindow, Owner::None);
    makeViewWhenFirstShown(statisticsWindow_, app.statisticsWindow, Owner::None);
    makeViewWhenFirstShown(tariffComparisonWindow_, app.tariffComparisonWindow, Owner::None);
}

template <typename View, typename Model>
void ProgramViews::makeViewWhenFirstShown(std::unique_ptr<View>& view, Model& model, Owner owner) {
    makeWhenFirstShown(model, [this, &view, &model, owner]() -> WindowView* {
        QWidget* parent = owner == Owner::MainWindow ? &mainWindowView() : nullptr;
        view = std::make_unique<View>(model, run_, parent);
        return view.get();
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

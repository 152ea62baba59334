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
#include "gui/summary_window_view.h"
#include "gui/tariff_name_editor_view.h"
#include "gui/tariff_tables_window_view.h"

namespace ruvo::gui {

ProgramViews::ProgramViews(Ruvometer& app) {
    const ActionRunner run = [&app](const std::function<void()>& action) {
        app.userAction(action);
    };
    form2_ = std::make_unique<StartupWindowView>(app.form2, run,
                                                 [&app] { app.closeRequestedBySystem(); });
    MainWindowActions actions;
    actions.showConnections = [&app] { app.userAction([&app] { app.ShowConnectionList(); }); };
    actions.editHolidays = [&app] { app.userAction([&app] { app.ShowHolidaysEditor(); }); };
    actions.quit = [&app] { app.userAction([&app] { app.QuitProgram(); }); };
    actions.minimised = [&app] { app.userAction([&app] { app.ToggleMonitoring(); }); };
    form1_ = std::make_unique<MainWindowView>(app.form1, run, std::move(actions));
    form4_ = std::make_unique<SummaryWindowView>(app.form4, run);
    form5_ = std::make_unique<AutostartQuestionView>(app.form5, run);
    form6_ = std::make_unique<CounterWindowView>(app.form6, run);
    form7_ = std::make_unique<TariffNameEditorView>(app.form7, run);
    form8_ = std::make_unique<TariffTablesWindowView>(app.form8, run);
    form9_ = std::make_unique<NewBudgetView>(app.form9, run);
    form10_ = std::make_unique<ConnectionListView>(app.form10, run);
    form3_ = std::make_unique<BudgetClosureView>(app.form3, run);
    form13_ = std::make_unique<HolidaysEditorView>(app.form13, run);
    form14_ = std::make_unique<RecoveryWindowView>(app.form14, run);
}

ProgramViews::~ProgramViews() = default;

}  // namespace ruvo::gui

// The weekly and the monthly budget: the figures of the main window's "Budgets" page and of the
// counter's "Budgetstatus" page, the new-budget dialog, and the closures that report each
// finished week and month.
//
// Spending is never accumulated: it is summed from the connection database whenever it may
// have changed, and the settings keep only the last sums for the counter. The month's forecast
// (domain/month_forecast.h) is worked out from the month's sum each time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/settings_store.h"
#include "domain/budget_kind.h"
#include "domain/held_databases.h"
#include "domain/unreadable_records.h"
#include "features/desktop_notices.h"
#include "platform/platform.h"
#include "window_models/budget_closure_window.h"
#include "window_models/counter_window.h"
#include "window_models/main_window.h"
#include "window_models/new_budget_window.h"

namespace ruvo {

class Budgets {
public:
    // Wires the budget boxes and buttons of the main window and both dialogs.
    // Records the sums skip are noted in `unreadable` and told after each recomputation.
    Budgets(SettingsStore& settings, platform::Platform& platform, MainWindow& mainWindow,
            CounterWindow& counter, BudgetClosureWindow& closure, NewBudgetWindow& newBudget,
            HeldDatabases& databases, UnreadableRecords& unreadable);
    Budgets(const Budgets&) = delete;
    Budgets& operator=(const Budgets&) = delete;

    // The spending in Pfennig of the week or the month that `referenceDate` lies in.
    std::int32_t consumptionSum(BudgetKind period, const std::string& referenceDate);

    // Sums the month and the week of the reference date (today when none is given), stores them
    // in the settings and shows them with the amounts and what is left on the "Budgets" page.
    void recomputeConsumption();
    void recomputeConsumption(const std::string& referenceDate);

    // Run by every housekeeping tick, in this order, before the consumption is recomputed: a
    // budget in use whose period has passed since its last closure gets its closure for the
    // period just before the current one. The closure dialog is shown modally; a closure that
    // falls due while it is open fills the open dialog.
    void monthlyClosureCheck();
    void weeklyClosureCheck();

    // The monthly budget in Pfennig while it is in use; nothing otherwise, or when its amount
    // is not a whole number.
    std::optional<std::int32_t> MonthlyBudgetInUse();

    // At the start of a connection: takes the amounts and the spending from the settings for
    // the counter, and covers the counter's figures of each budget not in use.
    void prepareCounter();
    // Shows each uncovered budget of the counter with the running total counted in. A budget
    // used up (something spent, and at least the amount) is told by a desktop notification
    // once a connection, at the first tick that finds it so.
    void showBudgetStatus(std::int32_t runningTotal);

private:
    // The main window's figures of one budget.
    struct MainFigures {
        CheckBox& inUse;
        Panel& cover;
        TextField& amount;
        TextField& used;
        TextField& left;
    };
    MainFigures figures(BudgetKind kind);

    void wire();
    void inUseClicked(BudgetKind kind);
    void openNewBudget(BudgetKind kind);
    void newBudgetOk();
    void closureOk();
    void showAmount(BudgetKind kind, std::int32_t spent);
    // The month's forecast on the "Budgets" page, for the current month only.
    void showForecast(const std::string& referenceDate, std::int32_t spent);
    void fillClosure(BudgetKind kind, const std::string& first, const std::string& last);
    void showClosure();
    std::string today() const;

    SettingsStore& settings_;
    platform::Platform& platform_;
    HeldDatabases& databases_;
    MainWindow& main_;
    CounterWindow& counter_;
    BudgetClosureWindow& closure_;
    NewBudgetWindow& newBudget_;
    UnreadableRecords& unreadable_;
    DesktopNotices notices_{platform_.notifications, main_};

    // What the counter shows, as read at the start of the connection.
    std::string counterWeekAmount_ = "0";
    std::string counterMonthAmount_ = "0";
    std::string counterWeekSpent_ = "0";
    std::string counterMonthSpent_ = "0";
    // Whether the running connection has told that the budget is used up.
    bool weekUsedUpTold_ = false;
    bool monthUsedUpTold_ = false;
};

}  // namespace ruvo

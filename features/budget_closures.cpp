// The closures: once a week or a month has passed since the last closure of a budget in use,
// the closure dialog reports the period just before the current one.
#include "base/setting_names.h"
#include "domain/calendar.h"
#include "domain/consumption.h"
#include "features/budgets.h"

namespace ruvo {

void Budgets::monthlyClosureCheck() {
    if (!main_.useMonthlyBudget.checked()) {
        return;
    }
    const std::string todayText = today();
    // Only the month number counts: a closure of the same month of an earlier year is recent.
    if (SameMonth(todayText, settings_.readSetting(setting::MonthClosureDate))) {
        return;
    }
    // Written before the dialog opens, so that a tick while it is open finds nothing due.
    settings_.writeSetting(setting::MonthClosureDate, todayText);
    const std::string last = PreviousDay("01." + MonthKey(todayText));
    const std::string first = "01." + MonthKey(last);
    recomputeConsumption(first);
    fillClosure(BudgetKind::Monthly, first, last);
    notices_.ClosureDue(BudgetKind::Monthly, closure_.periodLine.text(), closure_.amount.text(),
                        closure_.used.text());
    showClosure();
}

void Budgets::weeklyClosureCheck() {
    if (!main_.useWeeklyBudget.checked()) {
        return;
    }
    const platform::LocalDateTime now = platform_.clock.now();
    const std::string todayText = TodayText(now);
    // A stored text that is no date lies in no week: the closure is due.
    if (SameWeek(todayText, settings_.readSetting(setting::WeekClosureDate), now.year)) {
        return;
    }
    settings_.writeSetting(setting::WeekClosureDate, todayText);
    const std::string last = PreviousDay(WeekStart(todayText, now.year));  // Saturday
    recomputeConsumption(last);
    fillClosure(BudgetKind::Weekly, PeriodStart(BudgetKind::Weekly, last, now), last);
    notices_.ClosureDue(BudgetKind::Weekly, closure_.periodLine.text(), closure_.amount.text(),
                        closure_.used.text());
    showClosure();
}

void Budgets::fillClosure(BudgetKind kind, const std::string& first, const std::string& last) {
    const MainFigures shown = figures(kind);
    closure_.periodLine.setText("vom " + first + " bis zum " + last);
    closure_.kind = kind;
    closure_.amount.setText(shown.amount.text());
    closure_.used.setText(shown.used.text());
    closure_.left.setText(shown.left.text());
    closure_.kindLine.setText(kind == BudgetKind::Monthly ? "(für den letzten Monat)"
                                                          : "(für die letzte Woche)");
    closure_.keepAmount.setCaption("Erneut Budget in Höhe von " + shown.amount.text() +
                                   " festlegen.");
    const bool overdrawn = shown.left.red();
    closure_.left.setRed(overdrawn);
    closure_.overdrawn.setVisible(overdrawn);
    closure_.kept.setVisible(!overdrawn);
}

void Budgets::showClosure() {
    // A closure due while the dialog is open was filled into it; it needs no second one.
    if (closure_.visible()) {
        return;
    }
    closure_.show();
    platform_.windowSystem.runModal(closure_);
}

void Budgets::closureOk() {
    if (!closure_.keepAmount.checked()) {
        // The user wants a new amount: the budget's page and the new-budget dialog.
        newBudget_.kind = closure_.kind;
        main_.selectPage(MainPage::Budgets);
        main_.show();
        newBudget_.show();
    }
    closure_.hide();
}

}  // namespace ruvo

#include "features/budgets.h"

#include <algorithm>
#include <optional>

#include "base/messages.h"
#include "base/money.h"
#include "base/saturate.h"
#include "base/setting_names.h"
#include "domain/calendar.h"
#include "domain/consumption.h"
#include "domain/month_forecast.h"

namespace ruvo {
namespace {

struct BudgetSettings {
    const char* amount;
    const char* inUse;
    const char* spent;
};

BudgetSettings SettingsOf(BudgetKind kind) {
    if (kind == BudgetKind::Weekly) {
        return {setting::WeeklyBudget, setting::WeeklyBudgetInUse, setting::WeeklyBudgetSpent};
    }
    return {setting::MonthlyBudget, setting::MonthlyBudgetInUse, setting::MonthlyBudgetSpent};
}

// "Übrig :" of a budget: the amount left, red when the budget is overdrawn.
void ShowLeft(TextField& left, std::int32_t amount, std::int32_t spent) {
    const std::int32_t rest = SaturateToInt32(static_cast<std::int64_t>(amount) - spent);
    left.setText(MoneyText(rest));
    left.setRed(rest < 0);
}

}  // namespace

Budgets::Budgets(SettingsStore& settings, platform::Platform& platform, MainWindow& mainWindow,
                 CounterWindow& counter, BudgetClosureWindow& closure, NewBudgetWindow& newBudget,
                 HeldDatabases& databases, UnreadableRecords& unreadable)
    : settings_(settings),
      platform_(platform),
      databases_(databases),
      main_(mainWindow),
      counter_(counter),
      closure_(closure),
      newBudget_(newBudget),
      unreadable_(unreadable) {
    wire();
}

Budgets::MainFigures Budgets::figures(BudgetKind kind) {
    if (kind == BudgetKind::Weekly) {
        return {main_.useWeeklyBudget, main_.weekCover, main_.weekAmount, main_.weekUsed,
                main_.weekLeft};
    }
    return {main_.useMonthlyBudget, main_.monthCover, main_.monthAmount, main_.monthUsed,
            main_.monthLeft};
}

void Budgets::wire() {
    main_.useWeeklyBudget.onClick = [this] { inUseClicked(BudgetKind::Weekly); };
    main_.useMonthlyBudget.onClick = [this] { inUseClicked(BudgetKind::Monthly); };
    main_.changeWeeklyBudget.onClick = [this] { openNewBudget(BudgetKind::Weekly); };
    main_.changeMonthlyBudget.onClick = [this] { openNewBudget(BudgetKind::Monthly); };
    newBudget_.ok.onClick = [this] { newBudgetOk(); };
    newBudget_.cancel.onClick = [this] { newBudget_.hide(); };
    closure_.ok.onClick = [this] { closureOk(); };
}

std::string Budgets::today() const {
    return TodayText(platform_.clock.now());
}

void Budgets::inUseClicked(BudgetKind kind) {
    const MainFigures shown = figures(kind);
    settings_.writeSetting(SettingsOf(kind).inUse, shown.inUse.checked() ? "1" : "0");
    shown.cover.setVisible(!shown.inUse.checked());
    // The forecast says what becomes of the monthly budget only while it is in use.
    if (kind == BudgetKind::Monthly) {
        if (const auto spent = ToInteger(settings_.readOrEmpty(setting::MonthlyBudgetSpent))) {
            showForecast(today(), *spent);
        }
    }
}

void Budgets::openNewBudget(BudgetKind kind) {
    newBudget_.kind = kind;
    newBudget_.show();
    platform_.windowSystem.runModal(newBudget_);
}

void Budgets::newBudgetOk() {
    const std::optional<std::int32_t> amount = ParseMarkAmount(newBudget_.amountField.text());
    if (!amount) {
        // The old budget stays; the dialog stays open for another try.
        Inform(platform_.windowSystem,
               "'" + newBudget_.amountField.text() +
                   "' ist kein Betrag in DM.\n\nBitte geben Sie den Betrag in DM ein, ganze DM "
                   "oder DM mit Pfennig, zum Beispiel 50 oder 12,50.",
               platform::MessageIcon::Warning);
        return;
    }
    const std::int32_t pfennig = *amount;
    const MainFigures shown = figures(newBudget_.kind);
    settings_.writeSetting(SettingsOf(newBudget_.kind).amount, IntToStr(pfennig));
    shown.amount.setText(MoneyText(pfennig));
    shown.inUse.setChecked(true);
    recomputeConsumption();
    newBudget_.hide();
}

std::int32_t Budgets::consumptionSum(BudgetKind period, const std::string& referenceDate) {
    return SumSpending(period, referenceDate, platform_.paths.programDirectory(),
                       platform_.clock.now(), databases_, platform_.sound, &unreadable_);
}

void Budgets::recomputeConsumption() {
    recomputeConsumption(today());
}

void Budgets::recomputeConsumption(const std::string& referenceDate) {
    std::int32_t month = 0;
    std::int32_t week = 0;
    {
        const HeldDatabases::OneLook look(databases_);
        month = consumptionSum(BudgetKind::Monthly, referenceDate);
        week = consumptionSum(BudgetKind::Weekly, referenceDate);
    }
    unreadable_.tellNew();
    settings_.writeSetting(setting::MonthlyBudgetSpent, IntToStr(month));
    settings_.writeSetting(setting::WeeklyBudgetSpent, IntToStr(week));
    main_.weekUsed.setText(MoneyText(week));
    main_.monthUsed.setText(MoneyText(month));
    showAmount(BudgetKind::Weekly, week);
    showAmount(BudgetKind::Monthly, month);
    showForecast(referenceDate, month);
}

std::optional<std::int32_t> Budgets::MonthlyBudgetInUse() {
    if (!main_.useMonthlyBudget.checked()) {
        return std::nullopt;
    }
    return ToInteger(settings_.readOrEmpty(setting::MonthlyBudget));
}

void Budgets::showForecast(const std::string& referenceDate, std::int32_t spent) {
    const platform::LocalDateTime now = platform_.clock.now();
    // A closure sums a past month: that month has no forecast.
    if (MonthKey(referenceDate) != MonthKey(TodayText(now))) {
        main_.monthForecast.setText("");
        main_.monthOutlook.setText("");
        return;
    }
    const std::optional<MonthForecast> forecast = ForecastMonth(spent, now, MonthlyBudgetInUse());
    main_.monthForecast.setText(forecast ? MoneyText(forecast->expected) : "");
    main_.monthForecast.setRed(forecast && (forecast->budget == MonthForecast::Budget::RunsOut ||
                                            forecast->budget == MonthForecast::Budget::UsedUp));
    main_.monthOutlook.setText(OutlookText(forecast, now));
}

void Budgets::showAmount(BudgetKind kind, std::int32_t spent) {
    // An amount that is not a whole number leaves the figures as they are.
    const std::optional<std::int32_t> amount =
        ToInteger(settings_.readOrEmpty(SettingsOf(kind).amount));
    if (!amount) {
        return;
    }
    const MainFigures shown = figures(kind);
    shown.amount.setText(MoneyText(*amount));
    ShowLeft(shown.left, *amount, spent);
}

void Budgets::prepareCounter() {
    counterWeekAmount_ = settings_.readSetting(setting::WeeklyBudget);
    counterMonthAmount_ = settings_.readSetting(setting::MonthlyBudget);
    counterWeekSpent_ = settings_.readSetting(setting::WeeklyBudgetSpent);
    counterMonthSpent_ = settings_.readSetting(setting::MonthlyBudgetSpent);
    // "1" uncovers the figures, "0" covers them; any other text leaves the cover as it is.
    const auto cover = [this](Panel& panel, const char* inUse) {
        const std::string flag = settings_.readSetting(inUse);
        if (flag == "1" || flag == "0") {
            panel.setVisible(flag == "0");
        }
    };
    cover(counter_.weekCover, setting::WeeklyBudgetInUse);
    cover(counter_.monthCover, setting::MonthlyBudgetInUse);
    weekUsedUpTold_ = false;
    monthUsedUpTold_ = false;
}

void Budgets::showBudgetStatus(std::int32_t runningTotal) {
    const auto show = [this, runningTotal](BudgetKind kind, bool& told, const Panel& cover,
                                           const std::string& amountText,
                                           const std::string& spentText, TextField& amountField,
                                           TextField& usedField, TextField& leftField) {
        if (cover.visible()) {
            return;
        }
        // Figures that are not whole numbers cannot be shown; the texts stay as they are.
        const std::optional<std::int32_t> amount = ToInteger(amountText);
        const std::optional<std::int32_t> spent = ToInteger(spentText);
        if (!amount || !spent) {
            return;
        }
        const std::int32_t used = SaturateToInt32(static_cast<std::int64_t>(*spent) + runningTotal);
        amountField.setText(MoneyText(*amount));
        usedField.setText(MoneyText(used));
        ShowLeft(leftField, *amount, used);
        if (!told && used > 0 && used >= *amount) {
            told = true;
            notices_.BudgetUsedUp(kind, amountField.text(), usedField.text());
        }
    };
    show(BudgetKind::Weekly, weekUsedUpTold_, counter_.weekCover, counterWeekAmount_,
         counterWeekSpent_, counter_.weekAmount, counter_.weekUsed, counter_.weekLeft);
    show(BudgetKind::Monthly, monthUsedUpTold_, counter_.monthCover, counterMonthAmount_,
         counterMonthSpent_, counter_.monthAmount, counter_.monthUsed, counter_.monthLeft);
}

}  // namespace ruvo

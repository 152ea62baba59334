#include "base/settings_table.h"

#include "base/setting_names.h"

namespace ruvo {

namespace {

std::string Zero(const ResetMoment&) {
    return "0";
}
std::string One(const ResetMoment&) {
    return "1";
}
std::string Today(const ResetMoment& m) {
    return m.today;
}
std::string MonthOfToday(const ResetMoment& m) {
    return m.today.size() >= 8 ? m.today.substr(3, 5) : m.today;
}
std::string NotAsked(const ResetMoment&) {
    return "not asked";
}
std::string Addresses(const ResetMoment& m) {
    return std::to_string(m.addressCount);
}

}  // namespace

const std::vector<SettingDefault>& SettingsTable() {
    using namespace setting;
    static const std::vector<SettingDefault> table = {
        {OnlineMinutesMonth, MonthOfToday, "month to which the online minutes belong (mm.yy)"},
        {AskAutostartQuestion, One, "ask at start-up whether to start at log-in"},
        {UnitWarningBeep, Zero, "beep during the warning before a new unit"},
        {UnitWarningLead, Zero, "warning lead, half the seconds (0..30)"},
        {UnitWarningInTray, Zero, "warn in the tray before a new unit"},
        {EMailQuestion, NotAsked, "\"asked\" once the mail request was shown"},
        {ChargesInTitle, One, "running charges in the title of the window in front"},
        {MonthClosureDate, Today, "date of the last monthly budget closure"},
        {MonthlyBudget, Zero, "monthly budget, Pfennig"},
        {MonthlyBudgetInUse, Zero, "monthly budget in use"},
        {MonthlyBudgetSpent, Zero, "monthly consumption, Pfennig"},
        {MonthOnlineMinutes, Zero, "online minutes of the current month"},
        {OfflineAddressCount, Addresses, "address count while offline"},
        {SecondsLeftInTitle, Zero, "seconds left in the unit in the title of the window in front"},
        {WeekClosureDate, Today, "date of the last weekly budget closure"},
        {WeeklyBudget, Zero, "weekly budget, Pfennig"},
        {WeeklyBudgetInUse, Zero, "weekly budget in use"},
        {WeeklyBudgetSpent, Zero, "weekly consumption, Pfennig"},
        {OnlineTimeInTitle, Zero, "online time in the title of the window in front"},
        {AlwaysSaveConnections, Zero, "save finished connections without waiting for OK"},
        {HideCounterWindow, Zero, "hide the counter window when a connection starts"},
        {ResetFlag, One, "\"0\" or absent: reset every value at the next start"},
    };
    return table;
}

void ResetAllSettings(SettingsStore& settings, const ResetMoment& moment) {
    for (const SettingDefault& entry : SettingsTable()) {
        settings.writeSetting(entry.name, entry.value(moment));
    }
}

}  // namespace ruvo

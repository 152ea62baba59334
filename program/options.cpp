#include "program/options.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/money.h"
#include "base/setting_names.h"
#include "base/settings_table.h"

namespace ruvo {

namespace {

// The default text of a setting, for a stored flag that cannot be read.
std::string DefaultOf(const char* name) {
    for (const SettingDefault& entry : SettingsTable()) {
        if (std::string(entry.name) == name) {
            return entry.value(ResetMoment{});
        }
    }
    return "0";
}

}  // namespace

Options::Options(MainWindow& mainWindow, SettingsStore& settings, AutostartEntry& autostart,
                 ErrorGuard& guard)
    : main_(mainWindow), settings_(settings), autostart_(autostart), guard_(guard) {
    wire();
}

void Options::writeFlag(const char* name, const CheckBox& box) {
    settings_.writeSetting(name, box.checked() ? "1" : "0");
}

void Options::wire() {
    main_.startMonitoringAtLogin.onClick = [this] {
        if (main_.startMonitoringAtLogin.checked()) {
            autostart_.write();
            main_.askAutostartQuestion.setChecked(false);
            main_.askAutostartQuestion.setEnabled(false);
        } else {
            autostart_.remove();
            main_.askAutostartQuestion.setEnabled(true);
        }
    };
    main_.askAutostartQuestion.onClick = [this] {
        writeFlag(setting::AskAutostartQuestion, main_.askAutostartQuestion);
    };
    main_.warnInTray.onClick = [this] {
        const bool on = main_.warnInTray.checked();
        main_.warnBeep.setEnabled(on);
        main_.leadSlider.setEnabled(on);
        writeFlag(setting::UnitWarningInTray, main_.warnInTray);
    };
    main_.warnBeep.onClick = [this] { writeFlag(setting::UnitWarningBeep, main_.warnBeep); };
    // The budget boxes (CheckBox5, CheckBox6) are wired by the budgets.
    main_.chargesInTitle.onClick = [this] {
        writeFlag(setting::ChargesInTitle, main_.chargesInTitle);
    };
    main_.secondsLeftInTitle.onClick = [this] {
        writeFlag(setting::SecondsLeftInTitle, main_.secondsLeftInTitle);
    };
    main_.onlineTimeInTitle.onClick = [this] {
        writeFlag(setting::OnlineTimeInTitle, main_.onlineTimeInTitle);
    };
    main_.hideCounterOnDialIn.onClick = [this] {
        writeFlag(setting::HideCounterWindow, main_.hideCounterOnDialIn);
    };
    main_.alwaysSaveOnDisconnect.onClick = [this] {
        writeFlag(setting::AlwaysSaveConnections, main_.alwaysSaveOnDisconnect);
    };
    main_.notifyBudgetUsedUp.onClick = [this] {
        writeFlag(setting::NotifyBudgetUsedUp, main_.notifyBudgetUsedUp);
    };
    main_.notifyClosureDue.onClick = [this] {
        writeFlag(setting::NotifyClosureDue, main_.notifyClosureDue);
    };
    main_.notifyNotSaved.onClick = [this] {
        writeFlag(setting::NotifyNotSaved, main_.notifyNotSaved);
    };
    main_.leadSlider.onChange = [this] {
        main_.leadField.setText(IntToStr(main_.leadSlider.position()));
    };
    main_.leadField.onChange = [this] {
        const auto value = ToInteger(main_.leadField.text());
        main_.leadText.setText(IntToStr(2 * static_cast<std::int64_t>(value.value_or(0))) +
                               " Sekunden vor neuer Einheit.");
        settings_.writeSetting(setting::UnitWarningLead, main_.leadField.text());
    };
}

std::string Options::storedFlag(const char* name) {
    // Flags whose stored text is normalised through a number ("01" becomes "1").
    static constexpr std::array<const char*, 4> numericFlags = {
        setting::SecondsLeftInTitle, setting::OnlineTimeInTitle, setting::ChargesInTitle,
        setting::UnitWarningBeep};
    std::string text = settings_.readIfPresent(name).value_or("");
    if (!settings_.exists(name)) {
        return text;
    }
    for (const char* numeric : numericFlags) {
        if (std::string(numeric) == name) {
            try {
                return IntToStr(StrToInt(text));
            } catch (const ConversionError& error) {
                guard_.report(error);
                return DefaultOf(name);
            }
        }
    }
    return text;
}

void Options::applyStoredOptions() {
    struct Entry {
        CheckBox& box;
        const char* name;
        std::string text;
    };
    // The order in which the boxes are set.
    std::vector<Entry> entries = {
        {main_.askAutostartQuestion, setting::AskAutostartQuestion, ""},
        {main_.warnInTray, setting::UnitWarningInTray, ""},
        {main_.secondsLeftInTitle, setting::SecondsLeftInTitle, ""},
        {main_.onlineTimeInTitle, setting::OnlineTimeInTitle, ""},
        {main_.chargesInTitle, setting::ChargesInTitle, ""},
        {main_.warnBeep, setting::UnitWarningBeep, ""},
        {main_.useWeeklyBudget, setting::WeeklyBudgetInUse, ""},
        {main_.useMonthlyBudget, setting::MonthlyBudgetInUse, ""},
        {main_.hideCounterOnDialIn, setting::HideCounterWindow, ""},
        {main_.alwaysSaveOnDisconnect, setting::AlwaysSaveConnections, ""},
        {main_.notifyBudgetUsedUp, setting::NotifyBudgetUsedUp, ""},
        {main_.notifyClosureDue, setting::NotifyClosureDue, ""},
        {main_.notifyNotSaved, setting::NotifyNotSaved, ""},
    };
    for (Entry& entry : entries) {
        entry.text = storedFlag(entry.name);
    }

    if (settings_.exists(setting::UnitWarningLead)) {
        const std::string lead = settings_.readOrEmpty(setting::UnitWarningLead);
        try {
            main_.leadSlider.setPosition(StrToInt(lead));
            main_.leadField.setText(lead);
        } catch (const ConversionError& error) {
            guard_.report(error);
        }
    }

    for (Entry& entry : entries) {
        entry.box.setChecked(entry.text != "0");
    }
    main_.startMonitoringAtLogin.setChecked(autostart_.exists());
}

}  // namespace ruvo

#include "program/options.h"

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
    settings_.WriteSetting(name, box.checked() ? "1" : "0");
}

void Options::wire() {
    main_.checkBox1.onClick = [this] {
        if (main_.checkBox1.checked()) {
            autostart_.Write();
            main_.checkBox2.setChecked(false);
            main_.checkBox2.setEnabled(false);
        } else {
            autostart_.Remove();
            main_.checkBox2.setEnabled(true);
        }
    };
    main_.checkBox2.onClick = [this] { writeFlag(setting::AskAutostartQuestion, main_.checkBox2); };
    main_.checkBox3.onClick = [this] {
        const bool on = main_.checkBox3.checked();
        main_.checkBox4.setEnabled(on);
        main_.trackBar1.setEnabled(on);
        writeFlag(setting::EinheitenWarnungFrage, main_.checkBox3);
    };
    main_.checkBox4.onClick = [this] { writeFlag(setting::EinheitenWarnton, main_.checkBox4); };
    // The budget boxes (CheckBox5, CheckBox6) are wired by the budgets.
    main_.checkBox7.onClick = [this] { writeFlag(setting::GebInWindows, main_.checkBox7); };
    main_.checkBox8.onClick = [this] { writeFlag(setting::SekInWindows, main_.checkBox8); };
    main_.checkBox9.onClick = [this] { writeFlag(setting::ZeitInWindows, main_.checkBox9); };
    main_.checkBox10.onClick = [this] { writeFlag(setting::HideCounterWindow, main_.checkBox10); };
    main_.checkBox11.onClick = [this] {
        writeFlag(setting::AlwaysSaveConnections, main_.checkBox11);
    };
    main_.trackBar1.onChange = [this] {
        main_.edit10.setText(IntToStr(main_.trackBar1.position()));
    };
    main_.edit10.onChange = [this] {
        const auto value = ToInteger(main_.edit10.text());
        main_.leadText.setText(IntToStr(2 * static_cast<std::int64_t>(value.value_or(0))) +
                               " Sekunden vor neuer Einheit.");
        settings_.WriteSetting(setting::EinheitenWarnung, main_.edit10.text());
    };
}

void Options::ApplyStoredOptions() {
    // Flags whose stored text is normalised through a number ("01" becomes "1").
    const std::vector<const char*> numericFlags = {setting::SekInWindows, setting::ZeitInWindows,
                                                   setting::GebInWindows,
                                                   setting::EinheitenWarnton};
    auto readFlag = [&](const char* name) -> std::string {
        std::string text = settings_.ReadIfPresent(name).value_or("");
        if (!settings_.Exists(name)) {
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
    };

    struct Entry {
        CheckBox& box;
        const char* name;
        std::string text;
    };
    // The order in which the boxes are set.
    std::vector<Entry> entries = {
        {main_.checkBox2, setting::AskAutostartQuestion, ""},
        {main_.checkBox3, setting::EinheitenWarnungFrage, ""},
        {main_.checkBox8, setting::SekInWindows, ""},
        {main_.checkBox9, setting::ZeitInWindows, ""},
        {main_.checkBox7, setting::GebInWindows, ""},
        {main_.checkBox4, setting::EinheitenWarnton, ""},
        {main_.checkBox5, setting::WochenBudgetAN, ""},
        {main_.checkBox6, setting::MonatsBudgetAN, ""},
        {main_.checkBox10, setting::HideCounterWindow, ""},
        {main_.checkBox11, setting::AlwaysSaveConnections, ""},
    };
    for (Entry& entry : entries) {
        entry.text = readFlag(entry.name);
    }

    if (settings_.Exists(setting::EinheitenWarnung)) {
        const std::string lead = settings_.ReadOrEmpty(setting::EinheitenWarnung);
        try {
            main_.trackBar1.setPosition(StrToInt(lead));
            main_.edit10.setText(lead);
        } catch (const ConversionError& error) {
            guard_.report(error);
        }
    }

    for (Entry& entry : entries) {
        entry.box.setChecked(entry.text != "0");
    }
    main_.checkBox1.setChecked(autostart_.Exists());
}

}  // namespace ruvo

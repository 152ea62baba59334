// The option boxes of the main window: each writes its setting when its state changes, and
// some enable others. applyStoredOptions puts the stored settings into them at start-up.
#pragma once

#include "base/error_guard.h"
#include "base/settings_store.h"
#include "program/autostart.h"
#include "window_models/main_window.h"

namespace ruvo {

class Options {
public:
    Options(MainWindow& mainWindow, SettingsStore& settings, AutostartEntry& autostart,
            ErrorGuard& guard);

    // Sets the option boxes, the warning track bar and the autostart box from the settings.
    // A stored flag that should be a number and is not is reported and taken as its default;
    // the other options are applied all the same.
    void applyStoredOptions();

private:
    // The stored text of a flag; a flag stored as a number is normalised ("01" becomes "1").
    std::string storedFlag(const char* name);
    void wire();
    void writeFlag(const char* name, const CheckBox& box);

    MainWindow& main_;
    SettingsStore& settings_;
    AutostartEntry& autostart_;
    ErrorGuard& guard_;
};

}  // namespace ruvo

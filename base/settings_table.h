// Every value of the settings key with its default, in the order the reset writes them.
#pragma once

#include <string>
#include <vector>

#include "base/settings_store.h"

namespace ruvo {

// What the defaults that depend on the moment are computed from.
struct ResetMoment {
    std::string today;     // today's date text dd.mm.yy
    int addressCount = 0;  // LocalAddressCount now
};

struct SettingDefault {
    const char* name;
    // The default text for the given moment.
    std::string (*value)(const ResetMoment& moment);
    const char* purpose;
};

// The 22 values, "RESETALLSETTINGS" last.
const std::vector<SettingDefault>& SettingsTable();

// Writes every value of the table with its default. Nothing is deleted: the autosave, the
// holidays, the autostart entry and unknown values stay.
void ResetAllSettings(SettingsStore& settings, const ResetMoment& moment);

}  // namespace ruvo

// The holiday list between runs: kept in the subkey "Feiertage" of the settings key (values 0A,
// 0B, 1A, 1B ...), imported from the file "Feiertage.dat" in the data folder.
#pragma once

#include <string>

#include "base/settings_store.h"
#include "domain/holiday_list.h"
#include "platform/platform.h"

namespace ruvo {

class HolidayStore {
public:
    HolidayStore(SettingsStore& settings, platform::Platform& platform)
        : settings_(settings), platform_(platform) {}

    // Replaces the list with the file's entries and says so; a missing file is reported and
    // leaves the list as it is. False when nothing was imported.
    bool ImportHolidayFile(HolidayList& list);
    // Writes the whole list to the registry, replacing what was there.
    void SaveHolidays(const HolidayList& list);
    // Replaces the list with the registry's entries; when there are none, imports the file once
    // if there is one; then warns once about entries of another year.
    void LoadHolidays(HolidayList& list);

private:
    void readRegistry(HolidayList& list);
    std::string filePath() const;

    SettingsStore& settings_;
    platform::Platform& platform_;
};

}  // namespace ruvo

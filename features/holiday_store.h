// The holiday list between runs: kept in the subkey "Feiertage" of the settings key (values 0A,
// 0B, 1A, 1B ...), imported from the file "Feiertage.dat" in the data folder.
#pragma once

#include <optional>
#include <string>

#include "base/settings_store.h"
#include "domain/german_holidays.h"
#include "domain/holiday_file.h"
#include "domain/holiday_list.h"
#include "platform/platform.h"

namespace ruvo {

class HolidayStore {
public:
    HolidayStore(SettingsStore& settings, platform::Platform& platform)
        : settings_(settings), platform_(platform) {}

    // Replaces the list with the file's usable entries and says so, and names the entries it
    // left out. A missing file, one that cannot be read, one over the limits and one without a
    // usable entry are reported and leave the list as it is. False when nothing was imported.
    bool importHolidayFile(HolidayList& list);
    // The file the user chose elsewhere: checked, copied into the data folder as
    // "Feiertage.dat" and imported from there as above. A file that cannot be imported is
    // refused before anything is copied; a "Feiertage.dat" with other content that is replaced
    // is kept beside it as "Feiertage.dat.alt". False when nothing was imported.
    bool ImportChosenFile(const std::string& chosenPath, HolidayList& list);
    // The data folder, where the chooser of a holidays file starts.
    std::string DataFolder() const { return platform_.paths.programDirectory(); }
    // The Land whose own holidays are computed besides the nationwide ones.
    std::optional<Land> StoredLand();
    void StoreLand(std::optional<Land> land);
    // Replaces the list with the computed holidays of the four-digit year for the stored Land;
    // nothing is stored yet.
    void ComputeHolidays(int year, HolidayList& list);
    // Writes the whole list to the registry in one change, replacing what was there.
    void saveHolidays(const HolidayList& list);
    // Replaces the list with the registry's entries; when there are none, imports the file once
    // if there is one; then warns once about entries of another year.
    void loadHolidays(HolidayList& list);

private:
    void readRegistry(HolidayList& list);
    // The file checked for import; nothing, after telling the user why, when it cannot be
    // imported.
    std::optional<HolidayImport> readFile();
    // Takes the file's usable entries as the list and says so.
    void adopt(HolidayImport& file, HolidayList& list);
    // Whether anything of the file's name is in the data folder, readable or not.
    bool filePresent() const;
    std::string filePath() const;

    SettingsStore& settings_;
    platform::Platform& platform_;
};

}  // namespace ruvo

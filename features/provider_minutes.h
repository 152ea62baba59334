// The provider's free minutes: the month's online minutes kept in the settings, rolled over when
// the month changes, and whether the free minutes are used up during a connection.
#pragma once

#include <cstdint>
#include <string>

#include "base/settings_store.h"
#include "domain/held_databases.h"
#include "domain/unreadable_records.h"
#include "platform/platform.h"
#include "window_models/main_window.h"

namespace ruvo {

// The connected seconds of the records in the database file whose start date lies in the month
// and year of `today`, from the file as `databases` holds it. A missing file gives 0; an
// unreadable file gives the default beep and 0. A record whose duration is not a number is skipped
// and noted in `unreadable` (when given); the others count.
std::int32_t MonthOnlineSeconds(const std::string& databasePath, const std::string& today,
                                HeldDatabases& databases, platform::Sound& sound,
                                UnreadableRecords* unreadable = nullptr);

class ProviderMinutes {
public:
    ProviderMinutes(SettingsStore& settings, platform::Platform& platform, MainWindow& mainWindow,
                    HeldDatabases& databases, UnreadableRecords& unreadable)
        : settings_(settings),
          platform_(platform),
          main_(mainWindow),
          databases_(databases),
          unreadable_(unreadable) {}

    // A new month starts the count of online minutes at 0.
    void monthRollover();
    // Recomputes the month's online minutes from the database and shows the free minutes left.
    void updateMonthlyMinutes(const std::string& databasePath);
    // Whether the free minutes are used up, counting the month's recorded seconds at the start
    // of the connection and the running connection's seconds. Strict: equal is not used up.
    bool freeMinutesUsedUp(std::int32_t monthSecondsAtStart, std::int32_t runningSeconds);

private:
    SettingsStore& settings_;
    platform::Platform& platform_;
    MainWindow& main_;
    HeldDatabases& databases_;
    UnreadableRecords& unreadable_;
};

}  // namespace ruvo

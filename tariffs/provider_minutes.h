// The provider's free minutes: the month's online minutes kept in the settings, rolled over when
// the month changes, and whether the free minutes are used up during a connection.
#pragma once

#include <cstdint>
#include <string>

#include "core/main_window.h"
#include "core/settings_store.h"
#include "platform/platform.h"

namespace ruvo {

// The connected seconds of the records in the database file whose start date lies in the month
// and year of `today`. A missing file gives 0; an unreadable file or a duration that is not a
// number gives the default beep and the sum reached so far.
std::int32_t MonthOnlineSeconds(const std::string& databasePath, const std::string& today,
                                platform::Sound& sound);

class ProviderMinutes {
public:
    ProviderMinutes(SettingsStore& settings, platform::Platform& platform, MainWindow& mainWindow)
        : settings_(settings), platform_(platform), main_(mainWindow) {}

    // A new month starts the count of online minutes at 0.
    void MonthRollover();
    // Recomputes the month's online minutes from the database and shows the free minutes left.
    void UpdateMonthlyMinutes(const std::string& databasePath);
    // Whether the free minutes are used up, counting the month's recorded seconds at the start
    // of the connection and the running connection's seconds. Strict: equal is not used up.
    bool FreeMinutesUsedUp(std::int32_t monthSecondsAtStart, std::int32_t runningSeconds);

private:
    SettingsStore& settings_;
    platform::Platform& platform_;
    MainWindow& main_;
};

}  // namespace ruvo

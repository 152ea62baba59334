// Online detection: the computer has one more address while a dial-up connection is up than
// while it is offline. The count measured offline is stored as "Offline IPs"; a larger count now
// means online.
#pragma once

#include "base/error_guard.h"
#include "base/settings_store.h"
#include "platform/platform.h"
#include "window_models/main_window.h"

namespace ruvo {

// The number of IPv4 addresses the computer knows itself by, at most 3; 0 when the lookup fails.
int LocalAddressCount(platform::HostAddresses& addresses);

class OnlineDetection {
public:
    OnlineDetection(SettingsStore& settings, platform::HostAddresses& addresses,
                    platform::WindowSystem& windows, MainWindow& mainWindow)
        : settings_(settings), addresses_(addresses), windows_(windows), main_(mainWindow) {}

    // Ticks or clears the main window's Online box. A stored reference that is not a number is
    // reported once, not at every poll; Online keeps its state until the reference is repaired.
    void pollOnlineState();
    // Stores the current count as the offline reference.
    void recalibrate();

private:
    SettingsStore& settings_;
    platform::HostAddresses& addresses_;
    platform::WindowSystem& windows_;
    MainWindow& main_;
    bool badReferenceReported_ = false;
};

}  // namespace ruvo

// The tray icon: its picture follows monitoring, the online state and the unit warning.
#pragma once

#include "platform/platform.h"
#include "window_models/counter_window.h"
#include "window_models/main_window.h"

namespace ruvo {

enum class TrayOperation { Add, Modify, Delete };

class TrayIcon {
public:
    TrayIcon(platform::Tray& tray, const MainWindow& mainWindow, const CounterWindow& counter)
        : tray_(tray), main_(mainWindow), counter_(counter) {}

    // Gives whether the notification area accepted it. Callers may ignore a refusal: the next
    // renewal adds the icon again.
    bool updateTrayIcon(TrayOperation operation);
    // Deletes, adds and modifies the icon, so that it is there again if it was lost.
    void renew();
    platform::TrayPicture currentPicture() const;

private:
    platform::Tray& tray_;
    const MainWindow& main_;
    const CounterWindow& counter_;
};

}  // namespace ruvo

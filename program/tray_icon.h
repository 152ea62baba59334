// The tray icon: its picture follows monitoring, the online state and the unit warning; its tool
// tip shows the running cost and time during a connection; its context menu offers the main
// window's items.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "window_models/counter_window.h"
#include "window_models/main_window.h"

namespace ruvo {

enum class TrayOperation { Add, Modify, Delete };

// The items of the icon's context menu, in their order.
enum class TrayMenuItem { Open, Connections, Monitoring, Quit };

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
    // "Quelmar Ruvometer", and during a connection the running cost and time below it.
    std::string CurrentTip() const;
    // "Öffnen", "Verbindungen...", "Überwachung deaktivieren" (or "aktivieren" while monitoring
    // is off), "Beenden".
    std::vector<std::string> MenuItems() const;

private:
    platform::Tray& tray_;
    const MainWindow& main_;
    const CounterWindow& counter_;
};

}  // namespace ruvo

// Every service of the real machine in one object. Build it after the QApplication exists and
// destroy it before; hand its platform() to the program.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/desktop/desktop_clipboard.h"
#include "platform/desktop/desktop_clock.h"
#include "platform/desktop/desktop_host_addresses.h"
#include "platform/desktop/desktop_instance_lock.h"
#include "platform/desktop/desktop_notifications.h"
#include "platform/desktop/desktop_paths.h"
#include "platform/desktop/desktop_printing.h"
#include "platform/desktop/desktop_registry.h"
#include "platform/desktop/desktop_sound.h"
#include "platform/desktop/desktop_timers.h"
#include "platform/desktop/desktop_tray.h"
#include "platform/desktop/desktop_window_system.h"
#include "platform/desktop/x11_foreground_windows.h"
#include "platform/desktop/xdg_folders.h"
#include "platform/platform.h"

namespace ruvo::desktop {

// What the platform must know of the program, and where the machine keeps things.
struct DesktopSetup {
    // The program's title: caption of the error box, Name of the autostart entry.
    std::string applicationTitle;
    // The data folder below the XDG data home, e.g. "Quelmar/Ruvometer 2.3".
    std::string dataFolderName;
    XdgFolders folders = XdgFolders::fromEnvironment();
    std::string displayName = X11ForegroundWindows::displayNameFromEnvironment();
    // When set, print jobs go to this PDF file instead of the system's printer.
    std::optional<std::string> pdfOutput;
};

class DesktopPlatform {
public:
    explicit DesktopPlatform(const DesktopSetup& setup);
    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    platform::Platform& platform() { return platform_; }
    DesktopWindowSystem& windowSystem() { return windowSystem_; }

private:
    DesktopClock clock_;
    DesktopTimers timers_;
    DesktopRegistry registry_;
    DesktopInstanceLock instanceLock_;
    DesktopHostAddresses hostAddresses_;
    DesktopTray tray_;
    X11ForegroundWindows foregroundWindows_;
    DesktopSound sound_;
    std::unique_ptr<DesktopPrinting> printing_;
    DesktopClipboard clipboard_;
    DesktopPaths paths_;
    DesktopWindowSystem windowSystem_;
    DesktopNotifications notifications_;
    platform::Platform platform_;
};

}  // namespace ruvo::desktop

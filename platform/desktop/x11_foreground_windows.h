// Windows of other programs through X11 and the EWMH properties of the window manager:
// _NET_ACTIVE_WINDOW on the root window is the window in front, _NET_WM_NAME (UTF8_STRING) or
// else WM_NAME its title, and a window of type _NET_WM_WINDOW_TYPE_DESKTOP (or the root window
// itself) the desktop. The program's own windows are known by their ids, not by _NET_WM_PID,
// which many programs (Tk, some Java toolkits, plain Xlib) never set.
//
// The service has its own connection to the X server, opened at the first call that needs it and
// opened again after it is lost. Every X call runs inside an XErrorTrap, so a window that has
// gone, or a server that has died, gives nothing instead of ending the process. Without an X
// display (no DISPLAY, as in a pure Wayland session) the service is unavailable.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace ruvo::desktop {

class X11ForegroundWindows final : public platform::ForegroundWindows {
public:
    // `displayName` as in DISPLAY (":0"); empty means there is no display.
    explicit X11ForegroundWindows(std::string displayName);
    ~X11ForegroundWindows() override;
    X11ForegroundWindows(const X11ForegroundWindows&) = delete;
    X11ForegroundWindows& operator=(const X11ForegroundWindows&) = delete;

    // The display of the environment: DISPLAY, or empty when it is unset (a Wayland session
    // without X11, or no graphical session at all).
    static std::string displayNameFromEnvironment();

    bool available() override;
    std::optional<platform::WindowId> foreground() override;
    // One of this process's Qt windows.
    bool isProgramWindow(platform::WindowId window) override;
    bool isDesktop(platform::WindowId window) override;
    // The title, empty for a window without one; nothing for a window that does not exist.
    std::optional<std::string> title(platform::WindowId window) override;
    // Writes WM_NAME (as STRING when the title fits Latin-1, else as UTF8_STRING), and
    // _NET_WM_NAME when the window has that property: a window that only knows WM_NAME would
    // otherwise never show its own later titles again.
    void setTitle(platform::WindowId window, const std::string& title) override;

private:
    class Connection;
    std::unique_ptr<Connection> connection_;
};

}  // namespace ruvo::desktop

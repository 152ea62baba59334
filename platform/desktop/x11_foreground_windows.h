// Windows of other programs through X11 and the EWMH properties of the window manager:
// _NET_ACTIVE_WINDOW on the root window is the window in front, _NET_WM_NAME (UTF8_STRING) or
// else WM_NAME its title, and a window of type _NET_WM_WINDOW_TYPE_DESKTOP (or the root window
// itself) the desktop. The program's own windows are known by their ids, not by _NET_WM_PID,
// which many programs (Tk, some Java toolkits, plain Xlib) never set.
//
// The service has its own connection to the X server, opened at the first call that needs it and
// opened again after it is lost. Properties are read and written through XCB on the same
// connection, whose answers and errors come back to the request that asked; what is left of Xlib
// runs inside an XErrorTrap. A window that has gone, or a server that has died, gives nothing
// instead of ending the process. Without an X
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
    // One round trip while the same window stays in front: the active window is asked for
    // together with the properties of the window that was in front last.
    std::optional<platform::FrontWindow> front() override;
    // One of this process's Qt windows.
    bool isProgramWindow(platform::WindowId window) override;
    std::optional<std::string> title(platform::WindowId window) override;
    // Writes WM_NAME (as STRING when the title fits Latin-1, else as UTF8_STRING), and
    // _NET_WM_NAME when the window has that property: a window that only knows WM_NAME would
    // otherwise never show its own later titles again.
    void setTitle(platform::WindowId window, const std::string& title) override;

private:
    class Connection;
    // The window looked at last, and whether it has _NET_WM_NAME (so that the title set right
    // after a look needs no question of its own).
    struct LastLook {
        platform::WindowId window = 0;
        bool hasNetName = false;
    };

    std::unique_ptr<Connection> connection_;
    LastLook lastLook_;
};

}  // namespace ruvo::desktop

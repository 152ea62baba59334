// Keeps X errors from ending the process.
//
// Xlib reports a failed request (a window that has gone, say) to one error handler for the whole
// process, whose default prints the error and exits; a lost connection goes to a second one that
// exits too. While an XErrorTrap lives, both are replaced by handlers that only record: errors of
// the trap's connection are noted in the trap, errors of any other connection are ignored (Qt's
// own handler ignores them as well), and a lost connection is left to that connection's exit
// handler (XSetIOErrorExitHandler), which decides whether the process ends. The previous
// handlers come back when the trap ends.
//
// The handlers take no user data, so they reach the innermost trap through a thread-local
// pointer private to x11_error_trap.cpp. It is set only while a trap lives, and nothing outside
// that file can see it. Traps nest; use one around every group of X calls, on one thread.
#pragma once

#include <X11/Xlib.h>

namespace ruvo::desktop {

class XErrorTrap {
public:
    explicit XErrorTrap(Display* display);
    ~XErrorTrap();
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    // Waits until the server has handled every request made so far; true when one of the
    // requests made while the trap lives has failed.
    bool failed();

    // Closes the connection without letting a connection that is already lost end the process.
    static void closeDisplay(Display* display);

private:
    static int recordError(Display* display, XErrorEvent* event);
    static int returnFromConnectionLoss(Display* display);

    Display* display_;
    int errorCode_ = 0;
    XErrorHandler previousHandler_;
    XIOErrorHandler previousConnectionLossHandler_;
    XErrorTrap* outer_;
};

}  // namespace ruvo::desktop

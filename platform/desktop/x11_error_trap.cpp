#include "platform/desktop/x11_error_trap.h"

namespace ruvo::desktop {

namespace {

// The innermost trap of this thread; see x11_error_trap.h for why it exists.
thread_local XErrorTrap* innermostTrap = nullptr;

}  // namespace

XErrorTrap::XErrorTrap(Display* display)
    : display_(display),
      previousHandler_(XSetErrorHandler(&XErrorTrap::recordError)),
      previousConnectionLossHandler_(XSetIOErrorHandler(&XErrorTrap::returnFromConnectionLoss)),
      outer_(innermostTrap) {
    innermostTrap = this;
}

XErrorTrap::~XErrorTrap() {
    XSync(display_, False);  // errors of this trap's requests arrive while it still listens
    innermostTrap = outer_;
    XSetIOErrorHandler(previousConnectionLossHandler_);
    XSetErrorHandler(previousHandler_);
}

bool XErrorTrap::failed() {
    XSync(display_, False);
    return errorCode_ != 0;
}

int XErrorTrap::recordError(Display* display, XErrorEvent* event) {
    for (XErrorTrap* trap = innermostTrap; trap != nullptr; trap = trap->outer_) {
        if (trap->display_ == display) {
            trap->errorCode_ = event->error_code;
            break;
        }
    }
    return 0;
}

void XErrorTrap::closeDisplay(Display* display) {
    const XIOErrorHandler previous = XSetIOErrorHandler(&XErrorTrap::returnFromConnectionLoss);
    XCloseDisplay(display);
    XSetIOErrorHandler(previous);
}

int XErrorTrap::returnFromConnectionLoss(Display* /*display*/) {
    return 0;
}

}  // namespace ruvo::desktop

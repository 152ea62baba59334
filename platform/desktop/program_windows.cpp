#include "platform/desktop/program_windows.h"

#include <QGuiApplication>
#include <QWindow>

namespace ruvo::desktop {

bool IsProgramWindow(std::uint64_t window) {
    if (window == 0 || QGuiApplication::instance() == nullptr) {
        return false;
    }
    const auto windows = QGuiApplication::allWindows();
    for (const QWindow* each : windows) {
        // winId() would create a native window for one that has none yet.
        if (each->handle() != nullptr && static_cast<std::uint64_t>(each->winId()) == window) {
            return true;
        }
    }
    return false;
}

}  // namespace ruvo::desktop

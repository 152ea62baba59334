// Timers of the Qt event loop. They fire from the main loop and from every nested loop (modal
// dialogs, message boxes), like a window's timers.
#pragma once

#include <functional>
#include <memory>

#include "platform/platform.h"

namespace ruvo::desktop {

class DesktopTimers final : public platform::Timers {
public:
    // Needs a running Qt application on this thread to fire.
    std::unique_ptr<platform::Timer> createTimer(int intervalMs,
                                                 std::function<void()> handler) override;
};

}  // namespace ruvo::desktop

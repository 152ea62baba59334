// Timers whose every tick runs through the error guard: an error raised by a tick is shown in
// the error box and ends that tick only; the timer keeps firing. The program hands these to
// everything that ticks on its own (the live counter, the recovery countdown), so no error
// escapes into the event loop.
#pragma once

#include <memory>
#include <utility>

#include "base/error_guard.h"
#include "platform/platform.h"

namespace ruvo {

class GuardedTimers final : public platform::Timers {
public:
    GuardedTimers(platform::Timers& timers, ErrorGuard& guard) : timers_(timers), guard_(guard) {}

    std::unique_ptr<platform::Timer> createTimer(int intervalMs,
                                                 std::function<void()> handler) override {
        return timers_.createTimer(
            intervalMs, [&guard = guard_, handler = std::move(handler)] { guard.run(handler); });
    }

private:
    platform::Timers& timers_;
    ErrorGuard& guard_;
};

}  // namespace ruvo

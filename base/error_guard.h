// Runs one handler (a timer tick, a user action, a start-up stage). An error raised inside it
// ends that handler and is shown in the framework-style error box; the event loop goes on.
#pragma once

#include <stdexcept>
#include <utility>

#include "platform/platform.h"

namespace ruvo {

class ErrorGuard {
public:
    explicit ErrorGuard(platform::WindowSystem& windows) : windows_(windows) {}

    template <typename Handler>
    void run(Handler&& handler) {
        try {
            std::forward<Handler>(handler)();
        } catch (const std::runtime_error& error) {
            windows_.errorBox(error.what());
        }
    }

    // Shows an error without ending anything.
    void report(const std::exception& error) { windows_.errorBox(error.what()); }

private:
    platform::WindowSystem& windows_;
};

}  // namespace ruvo

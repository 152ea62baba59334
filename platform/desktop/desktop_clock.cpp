#include "platform/desktop/desktop_clock.h"

#include <chrono>
#include <ctime>

namespace ruvo::desktop {

platform::LocalDateTime DesktopClock::now() const {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) {
        return {};
    }
    platform::LocalDateTime result;
    result.year = local.tm_year + 1900;
    result.month = local.tm_mon + 1;
    result.day = local.tm_mday;
    result.hour = local.tm_hour;
    result.minute = local.tm_min;
    result.second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second
    return result;
}

std::int64_t DesktopClock::monotonicMs() const {
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
}

}  // namespace ruvo::desktop

// The computer's clock: local time from the C library (time zone and daylight saving as the
// system has them), elapsed time from the monotonic clock.
#pragma once

#include "platform/platform.h"

namespace ruvo::desktop {

class DesktopClock final : public platform::Clock {
public:
    platform::LocalDateTime now() const override;
    std::int64_t monotonicMs() const override;
};

}  // namespace ruvo::desktop

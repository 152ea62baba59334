// The program's clock on the fake machine, which can be held up: a stall lets seconds pass for
// the program (its calendar and its monotonic clock move on) while none of its timers fire, as
// when the machine is busy or suspended. The timers then fire once, late, at their next due time.
#pragma once

#include <cstdint>

#include "platform/fake/virtual_time.h"
#include "platform/platform.h"

namespace ruvo::testing {

class StallingClock final : public platform::Clock {
public:
    explicit StallingClock(fake::VirtualTime& time) : time_(time) {}

    platform::LocalDateTime now() const override {
        platform::LocalDateTime t = time_.now();
        const std::int64_t second = (t.hour * 60LL + t.minute) * 60LL + t.second + stalledSeconds_;
        fake::CivilFromDays(fake::DaysFromCivil(t.year, t.month, t.day) + second / 86400, t.year,
                            t.month, t.day);
        t.hour = static_cast<int>(second % 86400 / 3600);
        t.minute = static_cast<int>(second % 3600 / 60);
        t.second = static_cast<int>(second % 60);
        return t;
    }
    std::int64_t monotonicMs() const override {
        return time_.monotonicMs() + stalledSeconds_ * 1000;
    }

    void stall(int seconds) { stalledSeconds_ += seconds; }

private:
    fake::VirtualTime& time_;
    std::int64_t stalledSeconds_ = 0;
};

}  // namespace ruvo::testing

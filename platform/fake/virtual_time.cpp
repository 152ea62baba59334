#include "platform/fake/virtual_time.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ruvo::fake {

struct VirtualTime::TimerState {
    VirtualTime* owner = nullptr;
    int intervalMs = 1;
    bool enabled = false;
    bool alive = true;
    std::int64_t dueMs = 0;
    std::uint64_t sequence = 0;
    std::function<void()> handler;
};

namespace {
constexpr std::int64_t kMsPerDay = 86'400'000;
}  // namespace

class VirtualTimer final : public platform::Timer {
public:
    explicit VirtualTimer(std::shared_ptr<VirtualTime::TimerState> state)
        : state_(std::move(state)) {}
    ~VirtualTimer() override { state_->alive = false; }
    VirtualTimer(const VirtualTimer&) = delete;
    VirtualTimer& operator=(const VirtualTimer&) = delete;

    void setInterval(int milliseconds) override;
    int interval() const override { return state_->intervalMs; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return state_->enabled; }

private:
    std::shared_ptr<VirtualTime::TimerState> state_;
};

std::int64_t DaysFromCivil(int year, int month, int day) {
    // Howard Hinnant's days_from_civil.
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

namespace {

std::int64_t ToLocalMs(const platform::LocalDateTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * kMsPerDay +
           ((t.hour * 60LL + t.minute) * 60LL + t.second) * 1000LL;
}

}  // namespace

VirtualTime::VirtualTime(const platform::LocalDateTime& start) {
    setLocal(start);
}

VirtualTime::~VirtualTime() {
    for (auto& t : timers_) {
        t->owner = nullptr;
    }
}

platform::LocalDateTime VirtualTime::now() const {
    const std::int64_t local = localMsAtZero_ + monotonicMs_;
    std::int64_t days = local / kMsPerDay;
    std::int64_t msOfDay = local % kMsPerDay;
    if (msOfDay < 0) {
        msOfDay += kMsPerDay;
        --days;
    }
    platform::LocalDateTime result;
    CivilFromDays(days, result.year, result.month, result.day);
    const std::int64_t secondOfDay = msOfDay / 1000;
    result.hour = static_cast<int>(secondOfDay / 3600);
    result.minute = static_cast<int>(secondOfDay / 60 % 60);
    result.second = static_cast<int>(secondOfDay % 60);
    return result;
}

void VirtualTime::setLocal(const platform::LocalDateTime& local) {
    localMsAtZero_ = ToLocalMs(local) - monotonicMs_;
}

std::unique_ptr<platform::Timer> VirtualTime::createTimer(int intervalMs,
                                                          std::function<void()> handler) {
    auto state = std::make_shared<TimerState>();
    state->owner = this;
    state->intervalMs = std::max(1, intervalMs);
    state->handler = std::move(handler);
    // Forget timers whose objects are gone.
    std::erase_if(timers_, [](const auto& t) { return !t->alive; });
    timers_.push_back(state);
    return std::make_unique<VirtualTimer>(state);
}

void VirtualTimer::setInterval(int milliseconds) {
    state_->intervalMs = std::max(1, milliseconds);
    if (state_->enabled && state_->owner != nullptr) {
        state_->owner->restart(*state_);
    }
}

void VirtualTimer::setEnabled(bool enabled) {
    if (enabled == state_->enabled) {
        return;
    }
    state_->enabled = enabled;
    if (enabled && state_->owner != nullptr) {
        state_->owner->restart(*state_);
    }
}

void VirtualTime::restart(TimerState& timer) {
    timer.dueMs = monotonicMs_ + timer.intervalMs;
    timer.sequence = nextSequence_++;
}

VirtualTime::TimerState* VirtualTime::nextDue(std::int64_t limit) const {
    TimerState* best = nullptr;
    for (const auto& t : timers_) {
        if (!t->alive || !t->enabled || t->dueMs > limit) {
            continue;
        }
        if (best == nullptr || t->dueMs < best->dueMs ||
            (t->dueMs == best->dueMs && t->sequence < best->sequence)) {
            best = t.get();
        }
    }
    return best;
}

void VirtualTime::advanceMs(std::int64_t milliseconds) {
    advanceMsUntil(milliseconds, nullptr);
}

bool VirtualTime::advanceMsUntil(std::int64_t milliseconds, const std::function<bool()>& stop) {
    const std::int64_t target = monotonicMs_ + std::max<std::int64_t>(0, milliseconds);
    while (TimerState* due = nextDue(target)) {
        // Keep the state alive while its handler runs, even if the timer object is destroyed.
        std::shared_ptr<TimerState> keep;
        for (const auto& t : timers_) {
            if (t.get() == due) {
                keep = t;
            }
        }
        monotonicMs_ = std::max(monotonicMs_, due->dueMs);
        due->dueMs = monotonicMs_ + due->intervalMs;
        auto handler = due->handler;  // a copy: the handler may replace itself
        handler();
        if (stop && stop()) {
            return true;
        }
    }
    monotonicMs_ = std::max(monotonicMs_, target);
    return false;
}

void VirtualTime::advanceSeconds(double seconds) {
    advanceMs(static_cast<std::int64_t>(std::llround(seconds * 1000.0)));
}

int VirtualTime::enabledTimerCount() const {
    return static_cast<int>(std::count_if(timers_.begin(), timers_.end(),
                                          [](const auto& t) { return t->alive && t->enabled; }));
}

}  // namespace ruvo::fake

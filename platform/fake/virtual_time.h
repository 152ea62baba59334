// Virtual time: a local clock that only moves when told to, and a timer queue that fires every
// timer falling due on the way, at its due time, in order of due time (and, at the same instant,
// in the order the timers were started). Handlers may advance time themselves (a modal dialog
// kept open for a while): the nested advance fires what falls due meanwhile, and the outer
// advance then goes on to its own end.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/platform.h"

namespace ruvo::fake {

class VirtualTime final : public platform::Clock, public platform::Timers {
public:
    explicit VirtualTime(const platform::LocalDateTime& start);
    ~VirtualTime() override;
    VirtualTime(const VirtualTime&) = delete;
    VirtualTime& operator=(const VirtualTime&) = delete;

    platform::LocalDateTime now() const override;
    std::int64_t monotonicMs() const override { return monotonicMs_; }
    std::unique_ptr<platform::Timer> createTimer(int intervalMs,
                                                 std::function<void()> handler) override;

    // Sets the local date and time; the monotonic clock and the timers are not affected.
    void setLocal(const platform::LocalDateTime& local);
    // Lets the given time pass, firing timers as they fall due.
    void advanceMs(std::int64_t milliseconds);
    // The same, but stops at the moment `stop` gives true after a timer handler ran (the clock
    // then stands at that handler's due time). Gives whether `stop` ended it. A modal dialog
    // that closes itself ends the wait of the nested loop that kept it open this way.
    bool advanceMsUntil(std::int64_t milliseconds, const std::function<bool()>& stop);
    void advanceSeconds(double seconds);
    // Number of timers that are enabled now.
    int enabledTimerCount() const;

    struct TimerState;

private:
    friend class VirtualTimer;
    TimerState* nextDue(std::int64_t limit) const;
    // Starts a new interval of the timer from now.
    void restart(TimerState& timer);

    std::int64_t monotonicMs_ = 0;
    std::int64_t localMsAtZero_ = 0;  // local time, as ms since 1970, at monotonic 0
    std::uint64_t nextSequence_ = 1;
    std::vector<std::shared_ptr<TimerState>> timers_;
};

// Days since 1970-01-01 of a civil date (proleptic Gregorian), and back.
std::int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(std::int64_t days, int& year, int& month, int& day);

}  // namespace ruvo::fake

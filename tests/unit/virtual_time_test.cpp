#include "platform/fake/virtual_time.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ruvo::fake {
namespace {

using platform::LocalDateTime;

LocalDateTime At(int y, int mo, int d, int h, int mi, int s) {
    return {y, mo, d, h, mi, s};
}

TEST(VirtualTime, LocalClockRunsOnAcrossMidnightAndYears) {
    VirtualTime time(At(1999, 12, 31, 23, 59, 58));
    time.advanceSeconds(3);
    EXPECT_EQ(time.now(), At(2000, 1, 1, 0, 0, 1));
    time.setLocal(At(2000, 2, 28, 23, 59, 59));
    time.advanceSeconds(1);
    EXPECT_EQ(time.now(), At(2000, 2, 29, 0, 0, 0));
}

TEST(VirtualTime, SettingTheClockDoesNotMoveMonotonicTimeOrTimers) {
    VirtualTime time(At(2026, 1, 1, 12, 0, 0));
    int fired = 0;
    auto timer = time.createTimer(1000, [&] { ++fired; });
    timer->setEnabled(true);
    time.advanceMs(500);
    time.setLocal(At(2027, 6, 1, 8, 0, 0));
    EXPECT_EQ(time.monotonicMs(), 500);
    time.advanceMs(499);
    EXPECT_EQ(fired, 0);
    time.advanceMs(1);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(time.now(), At(2027, 6, 1, 8, 0, 0));
}

// Timers fire in order of due time, and at the same instant in the order they were started,
// with the clock standing at each timer's due time while it runs.
TEST(VirtualTime, FiresInOrderOfDueTimeThenStartOrder) {
    VirtualTime time(At(2026, 1, 1, 0, 0, 0));
    std::vector<std::string> log;
    auto a =
        time.createTimer(4000, [&] { log.push_back("A@" + std::to_string(time.monotonicMs())); });
    auto b =
        time.createTimer(1000, [&] { log.push_back("B@" + std::to_string(time.monotonicMs())); });
    auto c =
        time.createTimer(2000, [&] { log.push_back("C@" + std::to_string(time.monotonicMs())); });
    a->setEnabled(true);
    b->setEnabled(true);
    c->setEnabled(true);
    time.advanceMs(4000);
    const std::vector<std::string> expected = {"B@1000", "B@2000", "C@2000", "B@3000",
                                               "A@4000", "B@4000", "C@4000"};
    EXPECT_EQ(log, expected);
}

TEST(VirtualTime, TimerStoppedOrRestartedInsideAHandler) {
    VirtualTime time(At(2026, 1, 1, 0, 0, 0));
    std::vector<std::int64_t> oneShot;
    std::vector<std::int64_t> other;
    std::unique_ptr<platform::Timer> first;
    std::unique_ptr<platform::Timer> second;
    first = time.createTimer(1, [&] {
        first->setEnabled(false);  // runs once, as a one-shot start-up tick does
        oneShot.push_back(time.monotonicMs());
    });
    second = time.createTimer(1000, [&] {
        other.push_back(time.monotonicMs());
        if (other.size() == 2) {
            second->setInterval(3000);  // restarts from now
        }
    });
    first->setEnabled(true);
    second->setEnabled(true);
    time.advanceMs(9000);
    EXPECT_EQ(oneShot, std::vector<std::int64_t>{1});
    EXPECT_EQ(other, (std::vector<std::int64_t>{1000, 2000, 5000, 8000}));
    // Re-enabling starts a new interval from now.
    first->setEnabled(true);
    time.advanceMs(1);
    EXPECT_EQ(oneShot, (std::vector<std::int64_t>{1, 9001}));
}

// A handler that opens a modal dialog: time passes inside it, other timers (and its own) keep
// firing, and the outer advance goes on to its own end afterwards.
TEST(VirtualTime, NestedLoopInsideAHandler) {
    VirtualTime time(At(2026, 1, 1, 0, 0, 0));
    std::vector<std::string> log;
    std::unique_ptr<platform::Timer> dialogOpener;
    auto ticker = time.createTimer(
        1000, [&] { log.push_back("tick@" + std::to_string(time.monotonicMs())); });
    dialogOpener = time.createTimer(4000, [&] {
        log.push_back("open@" + std::to_string(time.monotonicMs()));
        if (log.size() < 8) {
            time.advanceMs(4500);  // the user leaves the box open
        }
        log.push_back("closed@" + std::to_string(time.monotonicMs()));
    });
    ticker->setEnabled(true);
    dialogOpener->setEnabled(true);
    time.advanceMs(10000);
    const std::vector<std::string> expected = {
        "tick@1000",   "tick@2000",   "tick@3000", "tick@4000", "open@4000",
        "tick@5000",   "tick@6000",   "tick@7000", "tick@8000", "open@8000",
        "closed@8000", "closed@8500", "tick@9000", "tick@10000"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(time.monotonicMs(), 10000);
}

// A dialog that closes itself (its own timer) ends the nested wait that kept it open; the
// clock stands at the moment it closed, and the timers due later have not fired.
TEST(VirtualTime, AdvanceUntilStopsWhenTheConditionHolds) {
    VirtualTime time(At(2026, 1, 1, 0, 0, 0));
    std::vector<std::int64_t> ticks;
    bool open = true;
    auto ticker = time.createTimer(1000, [&] { ticks.push_back(time.monotonicMs()); });
    auto closer = time.createTimer(2500, [&] { open = false; });
    ticker->setEnabled(true);
    closer->setEnabled(true);
    EXPECT_TRUE(time.advanceMsUntil(10000, [&] { return !open; }));
    EXPECT_EQ(time.monotonicMs(), 2500);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1000, 2000}));
    // Without the condition coming true it runs to its end.
    EXPECT_FALSE(time.advanceMsUntil(1000, [] { return false; }));
    EXPECT_EQ(time.monotonicMs(), 3500);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1000, 2000, 3000}));
}

TEST(VirtualTime, DestroyedTimerNeverFires) {
    VirtualTime time(At(2026, 1, 1, 0, 0, 0));
    int fired = 0;
    auto timer = time.createTimer(10, [&] { ++fired; });
    timer->setEnabled(true);
    timer.reset();
    time.advanceMs(100);
    EXPECT_EQ(fired, 0);
}

TEST(VirtualTime, CivilDaysRoundTrip) {
    for (std::int64_t days = -800000; days <= 800000; days += 997) {
        int y = 0;
        int m = 0;
        int d = 0;
        CivilFromDays(days, y, m, d);
        EXPECT_EQ(DaysFromCivil(y, m, d), days);
    }
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(DaysFromCivil(2000, 3, 1) - DaysFromCivil(2000, 2, 28), 2);
}

}  // namespace
}  // namespace ruvo::fake

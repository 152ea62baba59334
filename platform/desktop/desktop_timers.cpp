#include "platform/desktop/desktop_timers.h"

#include <QTimer>
#include <cstdio>
#include <exception>
#include <utility>

namespace ruvo::desktop {

namespace {

// What the timer's connection shares with the timer object. A handler may destroy its own
// timer; the QTimer then must outlive the signal it is emitting, so it is deleted later.
struct TimerState {
    std::function<void()> handler;
    bool alive = true;
    int running = 0;  // handlers of this timer on the stack (a modal loop may nest them)
};

class DesktopTimer final : public platform::Timer {
public:
    DesktopTimer(int intervalMs, std::function<void()> handler)
        : state_(std::make_shared<TimerState>()), timer_(new QTimer) {
        state_->handler = std::move(handler);
        timer_->setTimerType(Qt::PreciseTimer);
        setInterval(intervalMs);
        QObject::connect(timer_, &QTimer::timeout, [state = state_] {
            if (!state->alive) {
                return;
            }
            ++state->running;
            const auto keep = state;  // the handler may destroy the timer
            // An exception must not reach Qt's event loop, which would end the program. The
            // program runs its handlers through its own error guard; what still arrives here is
            // written to standard error, and the timer goes on.
            try {
                keep->handler();
            } catch (const std::exception& error) {
                std::fprintf(stderr, "ruvometer: a timer's handler failed: %s\n", error.what());
            } catch (...) {
                std::fprintf(stderr, "ruvometer: a timer's handler failed\n");
            }
            --keep->running;
        });
    }

    ~DesktopTimer() override {
        state_->alive = false;
        timer_->stop();
        if (state_->running > 0) {
            timer_->deleteLater();
        } else {
            delete timer_;
        }
    }
    DesktopTimer(const DesktopTimer&) = delete;
    DesktopTimer& operator=(const DesktopTimer&) = delete;

    void setInterval(int milliseconds) override {
        interval_ = milliseconds;
        // A zero interval would fire whenever the loop is idle; a window timer waits at least a
        // moment.
        timer_->setInterval(milliseconds < 1 ? 1 : milliseconds);
    }
    int interval() const override { return interval_; }

    void setEnabled(bool enabled) override {
        if (enabled && !timer_->isActive()) {
            timer_->start();
        } else if (!enabled) {
            timer_->stop();
        }
    }
    bool enabled() const override { return timer_->isActive(); }

private:
    std::shared_ptr<TimerState> state_;
    QTimer* timer_;
    int interval_ = 0;
};

}  // namespace

std::unique_ptr<platform::Timer> DesktopTimers::createTimer(int intervalMs,
                                                            std::function<void()> handler) {
    return std::make_unique<DesktopTimer>(intervalMs, std::move(handler));
}

}  // namespace ruvo::desktop

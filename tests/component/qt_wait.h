// Lets the Qt event loop run until a condition holds.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace ruvo::test {

// Processes events until `condition()` is true or `timeoutMs` has passed; gives the condition.
template <typename Condition>
bool ProcessEventsUntil(Condition condition, int timeoutMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

}  // namespace ruvo::test

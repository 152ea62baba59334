// A fixture for the dialog view tests: keys, widgets by name, and user actions. The Qt
// application is the one the test environment of this executable makes (qt_environment.cpp).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <functional>
#include <stdexcept>
#include <string>

namespace ruvo::testing {

class DialogViewTest : public ::testing::Test {
protected:
    // Runs a user action directly, as the program's guard would.
    static void Run(const std::function<void()>& action) { action(); }

    static void PressKey(QWidget* widget, Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }

    template <typename Widget>
    static Widget* Find(QWidget& window, const char* name) {
        auto* widget = window.findChild<Widget*>(QString::fromUtf8(name));
        if (widget == nullptr) {
            // Ends the test with a failure instead of dereferencing nothing.
            throw std::runtime_error(std::string("no widget named ") + name);
        }
        return widget;
    }
};

}  // namespace ruvo::testing

// The Qt application that the dialog view tests need, and a fixture that provides it. Runs
// on the offscreen platform unless the environment asks for another.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include <functional>
#include <stdexcept>
#include <string>

namespace ruvo::testing {

// Creates the application once per process, unless some other test already made one.
inline void EnsureDialogTestApp() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "ruvo_view_tests";
    static char* argv[] = {name, nullptr};
    // Held until the process ends; the views of every test use it.
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
}

class DialogViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureDialogTestApp(); }

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

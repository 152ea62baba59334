// The one QApplication of a test process and the X session it runs on. Qt allows one application
// per process, and it must go before its X server does: a test environment ends both, in that
// order, after the last test.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "x_session.h"

namespace ruvo::test {

namespace {

struct ProcessApplication {
    std::unique_ptr<XSession> session;
    std::unique_ptr<QApplication> application;
    std::string whyNoX;  // why the application is offscreen, when it is
};

ProcessApplication& TheApplication() {
    static ProcessApplication instance;
    return instance;
}

class EndApplicationLast : public ::testing::Environment {
public:
    void TearDown() override {
        TheApplication().application.reset();
        TheApplication().session.reset();
    }
};

[[maybe_unused]] ::testing::Environment* const endApplicationLast =
    ::testing::AddGlobalTestEnvironment(new EndApplicationLast);

int argumentCount = 1;
char programName[] = "ruvo_component_tests";
char* arguments[] = {programName, nullptr};

}  // namespace

QApplication* TestApplication(NeedsX needs, std::string& whyNot) {
    ProcessApplication& app = TheApplication();
    if (app.application == nullptr) {
        const bool manyTests = ::testing::UnitTest::GetInstance()->test_to_run_count() > 1;
        std::string reason;
        if (needs == NeedsX::Yes || manyTests) {
            app.session = XSession::start(reason);
            if (app.session != nullptr && !app.session->startWindowManager(reason)) {
                app.session.reset();
            }
        } else {
            reason = "the test runs offscreen";
        }
        if (app.session != nullptr) {
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            setenv("DISPLAY", app.session->displayName().c_str(), 1);
            unsetenv("WAYLAND_DISPLAY");
            // The tray must be the session's, not a desktop's behind a session bus.
            unsetenv("DBUS_SESSION_BUS_ADDRESS");
        } else {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            app.whyNoX = reason;
        }
        app.application = std::make_unique<QApplication>(argumentCount, arguments);
    }
    if (needs == NeedsX::Yes && app.session == nullptr) {
        whyNot = "no X display for this test: " + app.whyNoX;
        return nullptr;
    }
    return app.application.get();
}

XSession* SharedSession() {
    return TheApplication().session.get();
}

}  // namespace ruvo::test

// Read by LeakSanitizer in a sanitizer build, unused otherwise: libdbus keeps memory that Qt has
// it allocate when Qt looks for a D-Bus tray on a machine without a session bus. That is not a
// leak of this program.
extern "C" const char* __lsan_default_suppressions() {
    // Leaks inside system libraries that Qt loads, not in the program.
    return "leak:libdbus-1.so\nleak:libfontconfig.so\n";
}

// Windows of other programs on a real X server (Xvfb) with a real window manager (openbox).
// The test's windows are made with a connection of its own, as another program's would be.
#include "platform/desktop/x11_foreground_windows.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QWidget>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "features/title_display.h"
#include "qt_wait.h"
#include "x_session.h"

// Xlib last: its macros clash with names above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace ruvo::desktop {
namespace {

// A top-level window of "another program".
class OtherWindow {
public:
    struct Setup {
        std::optional<std::string> netWmName;  // UTF-8
        std::optional<std::string> wmName;     // Latin-1 bytes
        std::optional<long> pid;
        bool desktopType = false;
    };

    OtherWindow(Display* display, const Setup& setup) : display_(display) {
        window_ =
            XCreateSimpleWindow(display, DefaultRootWindow(display), 10, 10, 200, 100, 0, 0, 0);
        if (setup.netWmName) {
            setText("_NET_WM_NAME", "UTF8_STRING", *setup.netWmName);
        }
        if (setup.wmName) {
            XChangeProperty(display, window_, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(setup.wmName->data()),
                            static_cast<int>(setup.wmName->size()));
        }
        if (setup.pid) {
            const long pid = *setup.pid;
            XChangeProperty(display, window_, atom("_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&pid), 1);
        }
        if (setup.desktopType) {
            const Atom type = atom("_NET_WM_WINDOW_TYPE_DESKTOP");
            XChangeProperty(display, window_, atom("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32,
                            PropModeReplace, reinterpret_cast<const unsigned char*>(&type), 1);
        }
        XMapRaised(display, window_);
        XSync(display, False);
    }
    ~OtherWindow() { destroy(); }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

    platform::WindowId id() const { return window_; }
    void destroy() {
        if (window_ != 0) {
            XDestroyWindow(display_, window_);
            XSync(display_, False);
            window_ = 0;
        }
    }

    // The property's bytes and type name, or nothing when the window lacks it.
    std::optional<std::pair<std::string, std::string>> text(Atom property) const {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(display_, window_, property, 0, 4096, False, AnyPropertyType, &type,
                           &format, &count, &after, &data);
        std::optional<std::pair<std::string, std::string>> result;
        if (type != 0) {
            char* typeName = XGetAtomName(display_, type);
            result.emplace(std::string(reinterpret_cast<char*>(data), count), typeName);
            XFree(typeName);
        }
        if (data != nullptr) {
            XFree(data);
        }
        return result;
    }
    Atom atom(const char* name) const { return XInternAtom(display_, name, False); }

    // Asks the window manager to bring the window to the front, as a task bar does.
    void requestActivation() const {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window_;
        event.xclient.message_type = atom("_NET_ACTIVE_WINDOW");
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2;  // from a pager
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display_, DefaultRootWindow(display_), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XFlush(display_);
    }

private:
    void setText(const char* property, const char* type, const std::string& text) {
        XChangeProperty(display_, window_, atom(property), atom(type), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(text.data()),
                        static_cast<int>(text.size()));
    }

    Display* display_;
    Window window_ = 0;
};

platform::WindowId FrontId(platform::ForegroundWindows& windows) {
    const auto front = windows.front();
    return front ? front->id : 0;
}

class ForegroundWindowsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        session_ = test::XSession::start(whyNot_).release();
        if (session_ != nullptr && !session_->startWindowManager(whyNot_)) {
            delete session_;
            session_ = nullptr;
        }
    }
    static void TearDownTestSuite() {
        delete session_;
        session_ = nullptr;
    }

    void SetUp() override {
        if (session_ == nullptr) {
            GTEST_SKIP() << "no X server with a window manager: " << whyNot_;
        }
        display_ = XOpenDisplay(session_->displayName().c_str());
        ASSERT_NE(display_, nullptr);
        windows_.emplace(session_->displayName());
    }
    void TearDown() override {
        windows_.reset();
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }

    // Brings the window to the front and waits until the window manager reports it active.
    // (A window mapped while the window manager still starts up is not focused by itself.)
    bool bringToFront(const OtherWindow& window) {
        for (int i = 0; i < 250; ++i) {
            if (FrontId(*windows_) == window.id()) {
                return true;
            }
            if (i % 25 == 0) {
                window.requestActivation();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    static test::XSession* session_;
    static std::string whyNot_;
    Display* display_ = nullptr;
    std::optional<X11ForegroundWindows> windows_;
};

test::XSession* ForegroundWindowsTest::session_ = nullptr;
std::string ForegroundWindowsTest::whyNot_;

TEST_F(ForegroundWindowsTest, TheWindowInFrontAndItsTitle) {
    const std::string title = "Brief an Jürgen – Editor";
    OtherWindow editor(display_, {title, "Brief an J\xfcrgen - Editor", 4242, false});
    ASSERT_TRUE(windows_->available());
    ASSERT_TRUE(bringToFront(editor));
    EXPECT_FALSE(windows_->isProgramWindow(editor.id()));
    const auto front = windows_->front();
    ASSERT_TRUE(front.has_value());
    EXPECT_EQ(front->title, title);
    EXPECT_FALSE(front->desktop);
    EXPECT_EQ(windows_->title(editor.id()), title);

    const std::string decorated = title + " - 1,23 DM - 00:05:12";
    windows_->setTitle(editor.id(), decorated);
    EXPECT_EQ(windows_->title(editor.id()), decorated);
    const auto netName = editor.text(editor.atom("_NET_WM_NAME"));
    ASSERT_TRUE(netName.has_value());
    EXPECT_EQ(netName->first, decorated);
    EXPECT_EQ(netName->second, "UTF8_STRING");
    // The dash is not Latin-1, so the old property carries UTF-8 as well.
    EXPECT_EQ(editor.text(XA_WM_NAME), std::make_pair(decorated, std::string("UTF8_STRING")));

    // The look in front and the title set after it: the window's titles as they are now.
    windows_->setTitle(editor.id(), title);
    EXPECT_EQ(windows_->title(editor.id()), title);
    ASSERT_TRUE(windows_->front().has_value());
    windows_->setTitle(editor.id(), "Brief - 0,12 DM");
    EXPECT_EQ(windows_->front()->title, "Brief - 0,12 DM");
    EXPECT_EQ(editor.text(XA_WM_NAME),
              std::make_pair(std::string("Brief - 0,12 DM"), std::string("STRING")));
}

// A program that only knows WM_NAME keeps only WM_NAME: a _NET_WM_NAME added from outside would
// hide the titles it sets later.
TEST_F(ForegroundWindowsTest, AWindowWithOnlyTheOldTitle) {
    OtherWindow old(display_, {std::nullopt, "B\xfcro", std::nullopt, false});
    EXPECT_EQ(windows_->title(old.id()), "Büro");
    windows_->setTitle(old.id(), "Büro - 2,00 DM");
    EXPECT_EQ(old.text(XA_WM_NAME),
              std::make_pair(std::string("B\xfcro - 2,00 DM"), std::string("STRING")));
    EXPECT_EQ(old.text(old.atom("_NET_WM_NAME")), std::nullopt);
    EXPECT_EQ(windows_->title(old.id()), "Büro - 2,00 DM");

    OtherWindow untitled(display_, {});
    EXPECT_EQ(windows_->title(untitled.id()), "");
}

TEST_F(ForegroundWindowsTest, TheDesktopIsRecognised) {
    OtherWindow desktop(display_, {"Desktop", std::nullopt, 1, true});
    ASSERT_TRUE(bringToFront(desktop));
    EXPECT_TRUE(windows_->front()->desktop);
    OtherWindow normal(display_, {"Normal", std::nullopt, 2, false});
    ASSERT_TRUE(bringToFront(normal));
    EXPECT_FALSE(windows_->front()->desktop);
}

// Xlib's default error handler ends the process on the first failed request; the service must
// never let a request fail outside its trap.
TEST_F(ForegroundWindowsTest, AWindowThatHasGoneGivesNothing) {
    OtherWindow gone(display_, {"Gone", "Gone", 7, false});
    const platform::WindowId id = gone.id();
    gone.destroy();
    EXPECT_EQ(windows_->title(id), std::nullopt);
    EXPECT_FALSE(windows_->isProgramWindow(id));
    windows_->setTitle(id, "never shown");
    EXPECT_EQ(windows_->title(0xFFFFFF0), std::nullopt);
    OtherWindow alive(display_, {"Alive", std::nullopt, 8, false});
    EXPECT_EQ(windows_->title(alive.id()), "Alive");
}

// The title display on real windows: a window is decorated whether or not it tells its process
// (Tk and some Java programs do not), and gets its own title back when the connection ends even
// while it is still in front.
TEST_F(ForegroundWindowsTest, TheDecoratedWindowGetsItsTitleBackWhateverIsInFront) {
    const std::string suffix = " - 0,28 DM - 00:00:31 - Rest 29 Sek";
    struct Case {
        const char* name;
        OtherWindow::Setup setup;
        std::string title;
        std::optional<std::string> renamedTo;  // by the window itself during the connection
        std::string titleAfterwards;
    };
    const std::vector<Case> cases = {
        {"with _NET_WM_PID", {"xterm", "xterm", 4242, false}, "xterm", std::nullopt, "xterm"},
        {"without _NET_WM_PID, WM_NAME only",
         {std::nullopt, "Tk Rechner", std::nullopt, false},
         "Tk Rechner",
         std::nullopt,
         "Tk Rechner"},
        {"without _NET_WM_PID, UTF-8 title",
         {"Grüße – Notizen", std::nullopt, std::nullopt, false},
         "Grüße – Notizen",
         std::nullopt,
         "Grüße – Notizen"},
        {"renamed by itself meanwhile",
         {"bash", "bash", 77, false},
         "bash",
         "vim brief.txt",
         "vim brief.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OtherWindow window(display_, c.setup);
        ASSERT_TRUE(bringToFront(window));
        TitleDisplay display(*windows_);
        display.applyTitleSuffix(suffix, false);
        EXPECT_EQ(windows_->title(window.id()), c.title + suffix);
        if (c.renamedTo) {
            windows_->setTitle(window.id(), *c.renamedTo);
        }
        // The counter closes while the decorated window is in front: the clear run leaves it.
        display.applyTitleSuffix(suffix, true);
        display.RestoreTitle();
        EXPECT_EQ(FrontId(*windows_), window.id());
        EXPECT_EQ(windows_->title(window.id()), c.titleAfterwards);
        // A second end changes nothing.
        display.RestoreTitle();
        EXPECT_EQ(windows_->title(window.id()), c.titleAfterwards);
    }
}

// The program's own windows are known by their ids, whatever their titles say: in front, one is
// never decorated, and the window decorated before gets its title back.
TEST(ForegroundWindows, TheProgramsOwnWindowsAreKnownByTheirIds) {
    std::string whyNot;
    if (test::TestApplication(test::NeedsX::Yes, whyNot) == nullptr) {
        GTEST_SKIP() << "no X server with a window manager: " << whyNot;
    }
    const std::string displayName = test::SharedSession()->displayName();
    X11ForegroundWindows windows(displayName);
    Display* other = XOpenDisplay(displayName.c_str());
    ASSERT_NE(other, nullptr);
    {
        OtherWindow editor(other, {std::nullopt, "Editor", std::nullopt, false});
        QWidget own;
        own.setWindowTitle("Ruvometer 2.3");
        own.resize(200, 100);
        own.show();
        // Asks again now and then: a window just mapped may not be managed yet.
        const auto bringToFront = [&windows](platform::WindowId id, const auto& ask) {
            for (int i = 0; i < 10; ++i) {
                ask();
                if (test::ProcessEventsUntil([&] { return FrontId(windows) == id; }, 500)) {
                    return true;
                }
            }
            return false;
        };
        const auto ownId = static_cast<platform::WindowId>(own.winId());
        ASSERT_TRUE(bringToFront(editor.id(), [&editor] { editor.requestActivation(); }));
        EXPECT_TRUE(windows.isProgramWindow(ownId));
        EXPECT_FALSE(windows.isProgramWindow(editor.id()));
        EXPECT_FALSE(windows.isProgramWindow(DefaultRootWindow(other)));

        TitleDisplay display(windows);
        display.applyTitleSuffix(" - 0,12 DM", false);
        EXPECT_EQ(windows.title(editor.id()), "Editor - 0,12 DM");
        ASSERT_TRUE(bringToFront(ownId, [&own] { own.activateWindow(); }));
        display.applyTitleSuffix(" - 0,24 DM", false);
        EXPECT_EQ(windows.title(editor.id()), "Editor");
        EXPECT_EQ(own.windowTitle(), "Ruvometer 2.3");
        EXPECT_EQ(windows.title(ownId), "Ruvometer 2.3");
    }
    XCloseDisplay(other);
}

TEST(ForegroundWindows, ADeadServerEndsNothingButTheService) {
    std::string whyNot;
    auto session = test::XSession::start(whyNot);
    if (session == nullptr) {
        GTEST_SKIP() << whyNot;
    }
    X11ForegroundWindows windows(session->displayName());
    ASSERT_TRUE(windows.available());
    EXPECT_EQ(windows.front(), std::nullopt) << "no window manager, no active window";
    session->stopServer();
    EXPECT_EQ(windows.front(), std::nullopt);
    EXPECT_EQ(windows.title(1), std::nullopt);
    EXPECT_FALSE(windows.available());
}

TEST(ForegroundWindows, UnavailableWithoutAnXDisplay) {
    EXPECT_FALSE(X11ForegroundWindows("").available());
    EXPECT_FALSE(X11ForegroundWindows(":7391").available());
    X11ForegroundWindows none("");
    EXPECT_EQ(none.front(), std::nullopt);
    EXPECT_EQ(none.title(1), std::nullopt);
    none.setTitle(1, "x");

    // A Wayland session without X11.
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display == nullptr ? "" : display;
    unsetenv("DISPLAY");
    EXPECT_EQ(X11ForegroundWindows::displayNameFromEnvironment(), "");
    setenv("DISPLAY", ":5", 1);
    EXPECT_EQ(X11ForegroundWindows::displayNameFromEnvironment(), ":5");
    if (display == nullptr) {
        unsetenv("DISPLAY");
    } else {
        setenv("DISPLAY", saved.c_str(), 1);
    }
}

}  // namespace
}  // namespace ruvo::desktop

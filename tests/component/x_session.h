// A private X server for tests: Xvfb on a display number it picks itself, with openbox as window
// manager and tint2 as tray host when asked, each started and ended by the test.
//
// TestApplication() gives the one QApplication a test process may have. A test that needs X
// asks for it with NeedsX::Yes and gets it on the xcb platform of a shared session; others get an
// offscreen one when they run alone, to save starting a server.
#pragma once

#include <sys/types.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QApplication;

namespace ruvo::test {

class XSession {
public:
    // A running Xvfb, or nullptr with the reason in `whyNot`.
    static std::unique_ptr<XSession> start(std::string& whyNot);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    const std::string& displayName() const { return displayName_; }

    // openbox, once it owns the WM_S0 selection. False with the reason when it cannot run.
    bool startWindowManager(std::string& whyNot);
    // tint2, once it owns the tray selection _NET_SYSTEM_TRAY_S0.
    bool startTrayHost(std::string& whyNot);
    void stopTrayHost();
    // Ends the X server (and so every client's connection).
    void stopServer();

private:
    XSession() = default;
    // Waits up to `seconds` for an owner of the selection on this display.
    bool waitForSelectionOwner(const char* selection, double seconds) const;

    std::string displayName_;
    std::string home_;
    pid_t server_ = -1;
    pid_t windowManager_ = -1;
    pid_t trayHost_ = -1;
};

// Searches PATH; empty when not found.
std::string FindProgram(const std::string& name);

// Starts `program` with `arguments`, its output thrown away and `environment` added to this
// process's. Gives the process id, or -1.
pid_t StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                   const std::vector<std::string>& environment);
// SIGTERM (SIGKILL after a second) and reaps it.
void EndProcess(pid_t& process);
// Starts the program and waits for it; its exit status, or -1.
int RunProcess(const std::string& program, const std::vector<std::string>& arguments,
               const std::vector<std::string>& environment);

// The centres, in screen coordinates, of the icons that a tray host has taken in (XEmbed windows
// reparented away from the root window and shown).
struct ScreenPoint {
    int x = 0;
    int y = 0;
};
std::vector<ScreenPoint> DockedTrayIcons(const std::string& displayName);

// Asks for the CLIPBOARD selection as UTF8_STRING from a connection of its own, as another
// program would, calling `pump` while it waits (the owner may be this process). Nothing when no
// answer comes within five seconds.
std::optional<std::string> ClipboardAsAnotherProgram(const std::string& displayName,
                                                     const std::function<void()>& pump);

enum class NeedsX { No, Yes };

// The process's QApplication, created at the first call; nullptr (and the reason) when a test
// needs X and the process cannot give it. With NeedsX::Yes, or when several tests run in this
// process, the application runs on QT_QPA_PLATFORM=xcb on the shared session, which has a window
// manager.
QApplication* TestApplication(NeedsX needs, std::string& whyNot);
// The shared session of TestApplication, or nullptr when the application is offscreen.
XSession* SharedSession();

}  // namespace ruvo::test

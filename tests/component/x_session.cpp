#include "x_session.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

extern char** environ;

namespace ruvo::test {

std::string FindProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path == nullptr ? "/usr/bin:/bin" : path;
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::string candidate = folders.substr(start, end - start) + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        start = end + 1;
    }
    return {};
}

namespace {

// argv or envp for exec: pointers into `texts`, ending in nullptr.
std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (auto& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments,
            const std::vector<std::string>& environment, int keepOpenFd) {
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> envp;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        bool replaced = false;
        for (const auto& extra : environment) {
            replaced = replaced || extra.substr(0, extra.find('=')) == name;
        }
        if (!replaced) {
            envp.push_back(text);
        }
    }
    envp.insert(envp.end(), environment.begin(), environment.end());
    auto argvPointers = Pointers(argv);
    auto envPointers = Pointers(envp);
    const int devNull = open("/dev/null", O_RDWR | O_CLOEXEC);
    const pid_t child = fork();
    if (child == 0) {
        // Only async-signal-safe calls from here on.
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        if (keepOpenFd >= 0) {
            fcntl(keepOpenFd, F_SETFD, 0);
        }
        setpgid(0, 0);  // its own group: a terminal's signals are not for it
        execve(program.c_str(), argvPointers.data(), envPointers.data());
        _exit(127);
    }
    close(devNull);
    return child;
}

}  // namespace

pid_t StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                   const std::vector<std::string>& environment) {
    return Spawn(program, arguments, environment, -1);
}

void EndProcess(pid_t& process) {
    if (process <= 0) {
        return;
    }
    kill(process, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(process, nullptr, WNOHANG) == process) {
            process = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(process, SIGKILL);
    waitpid(process, nullptr, 0);
    process = -1;
}

std::unique_ptr<XSession> XSession::start(std::string& whyNot) {
    const std::string xvfb = FindProgram("Xvfb");
    if (xvfb.empty()) {
        whyNot = "Xvfb is not installed";
        return nullptr;
    }
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        whyNot = "no pipe";
        return nullptr;
    }
    std::unique_ptr<XSession> session(new XSession);
    session->server_ = Spawn(xvfb,
                             {"-displayfd", std::to_string(pipeFds[1]), "-screen", "0",
                              "1024x768x24", "-nolisten", "tcp"},
                             {}, pipeFds[1]);
    close(pipeFds[1]);
    std::string number;
    pollfd wait{pipeFds[0], POLLIN, 0};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline && number.find('\n') == std::string::npos) {
        if (poll(&wait, 1, 100) > 0) {
            char buffer[32];
            const ssize_t got = read(pipeFds[0], buffer, sizeof buffer);
            if (got <= 0) {
                break;
            }
            number.append(buffer, static_cast<std::size_t>(got));
        }
    }
    close(pipeFds[0]);
    if (number.find('\n') == std::string::npos) {
        whyNot = "Xvfb did not start";
        return nullptr;  // the destructor ends it
    }
    session->displayName_ = ":" + number.substr(0, number.find('\n'));
    char home[] = "/tmp/ruvo-xsession-XXXXXX";
    if (mkdtemp(home) != nullptr) {
        session->home_ = home;
    }
    return session;
}

XSession::~XSession() {
    stopTrayHost();
    EndProcess(windowManager_);
    stopServer();
    if (!home_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(home_, ignored);
    }
}

bool XSession::waitForSelectionOwner(const char* selection, double seconds) const {
    Display* display = XOpenDisplay(displayName_.c_str());
    if (display == nullptr) {
        return false;
    }
    const Atom atom = XInternAtom(display, selection, False);
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    bool owned = false;
    while (!owned && std::chrono::steady_clock::now() < deadline) {
        owned = XGetSelectionOwner(display, atom) != 0;
        if (!owned) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    XCloseDisplay(display);
    return owned;
}

bool XSession::startWindowManager(std::string& whyNot) {
    if (windowManager_ > 0) {
        return true;
    }
    const std::string openbox = FindProgram("openbox");
    if (openbox.empty()) {
        whyNot = "openbox is not installed";
        return false;
    }
    windowManager_ =
        StartProcess(openbox, {"--sm-disable"}, {"DISPLAY=" + displayName_, "HOME=" + home_});
    if (!waitForSelectionOwner("WM_S0", 10)) {
        whyNot = "openbox did not take over the display";
        EndProcess(windowManager_);
        return false;
    }
    return true;
}

bool XSession::startTrayHost(std::string& whyNot) {
    if (trayHost_ > 0) {
        return true;
    }
    const std::string tint2 = FindProgram("tint2");
    if (tint2.empty()) {
        whyNot = "tint2 is not installed";
        return false;
    }
    std::vector<std::string> arguments;
    if (std::filesystem::exists("/etc/xdg/tint2/tint2rc")) {
        arguments = {"-c", "/etc/xdg/tint2/tint2rc"};
    }
    trayHost_ = StartProcess(tint2, arguments, {"DISPLAY=" + displayName_, "HOME=" + home_});
    if (!waitForSelectionOwner("_NET_SYSTEM_TRAY_S0", 10)) {
        whyNot = "tint2 did not open a notification area";
        EndProcess(trayHost_);
        return false;
    }
    return true;
}

int RunProcess(const std::string& program, const std::vector<std::string>& arguments,
               const std::vector<std::string>& environment) {
    const pid_t process = StartProcess(program, arguments, environment);
    int status = 0;
    if (process <= 0 || waitpid(process, &status, 0) != process || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

namespace {

bool HasProperty(Display* display, Window window, Atom property) {
    int count = 0;
    Atom* properties = XListProperties(display, window, &count);
    bool found = false;
    for (int i = 0; i < count; ++i) {
        found = found || properties[i] == property;
    }
    if (properties != nullptr) {
        XFree(properties);
    }
    return found;
}

void CollectDocked(Display* display, Window window, Window root, Atom xembedInfo,
                   std::vector<ScreenPoint>& found) {
    Window rootReturn = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &rootReturn, &parent, &children, &count) == 0) {
        return;
    }
    for (unsigned int i = 0; i < count; ++i) {
        const Window child = children[i];
        XWindowAttributes attributes{};
        if (window != root && HasProperty(display, child, xembedInfo) &&
            XGetWindowAttributes(display, child, &attributes) != 0 &&
            attributes.map_state == IsViewable) {
            int x = 0;
            int y = 0;
            Window ignored = 0;
            XTranslateCoordinates(display, child, root, attributes.width / 2, attributes.height / 2,
                                  &x, &y, &ignored);
            found.push_back({x, y});
        }
        CollectDocked(display, child, root, xembedInfo, found);
    }
    if (children != nullptr) {
        XFree(children);
    }
}

}  // namespace

std::vector<ScreenPoint> DockedTrayIcons(const std::string& displayName) {
    std::vector<ScreenPoint> found;
    Display* display = XOpenDisplay(displayName.c_str());
    if (display == nullptr) {
        return found;
    }
    // Windows may vanish while the tree is walked; their errors are of no interest.
    const XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const Window root = DefaultRootWindow(display);
    CollectDocked(display, root, root, XInternAtom(display, "_XEMBED_INFO", False), found);
    XSync(display, False);
    XSetErrorHandler(previous);
    XCloseDisplay(display);
    return found;
}

std::optional<std::string> ClipboardAsAnotherProgram(const std::string& displayName,
                                                     const std::function<void()>& pump) {
    Display* display = XOpenDisplay(displayName.c_str());
    if (display == nullptr) {
        return std::nullopt;
    }
    const Window requestor =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom target = XInternAtom(display, "RUVO_CLIPBOARD_TEST", False);
    XConvertSelection(display, clipboard, utf8, target, requestor, CurrentTime);
    XFlush(display);
    std::optional<std::string> result;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    bool answered = false;
    while (!answered && std::chrono::steady_clock::now() < deadline) {
        pump();
        XEvent event{};
        if (XCheckTypedWindowEvent(display, requestor, SelectionNotify, &event)) {
            answered = true;
            if (event.xselection.property != 0) {
                Atom type = 0;
                int format = 0;
                unsigned long count = 0;
                unsigned long after = 0;
                unsigned char* data = nullptr;
                XGetWindowProperty(display, requestor, target, 0, 1 << 20, True, AnyPropertyType,
                                   &type, &format, &count, &after, &data);
                if (data != nullptr) {
                    result = std::string(reinterpret_cast<char*>(data), count);
                    XFree(data);
                }
            }
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    XDestroyWindow(display, requestor);
    XCloseDisplay(display);
    return result;
}

void XSession::stopTrayHost() {
    EndProcess(trayHost_);
}

void XSession::stopServer() {
    EndProcess(server_);
}

}  // namespace ruvo::test

#include "platform/desktop/x11_foreground_windows.h"

// Xlib's macros (None, Bool, Status ...) would clash with names above; it comes last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/desktop/program_windows.h"
#include "platform/desktop/x11_error_trap.h"

namespace ruvo::desktop {

namespace {

enum AtomIndex {
    NetActiveWindow,
    NetWmName,
    NetWmWindowType,
    NetWmWindowTypeDesktop,
    Utf8String,
    CompoundText,
    AtomCount
};

constexpr std::array<const char*, AtomCount> AtomNames = {
    "_NET_ACTIVE_WINDOW",          "_NET_WM_NAME", "_NET_WM_WINDOW_TYPE",
    "_NET_WM_WINDOW_TYPE_DESKTOP", "UTF8_STRING",  "COMPOUND_TEXT"};

// A window property as read: its type, element size and content.
struct Property {
    Atom type = 0;
    int format = 0;
    std::string bytes;                  // format 8
    std::vector<unsigned long> values;  // format 32 (and 16), one element each
};

struct XFreeDeleter {
    void operator()(unsigned char* data) const {
        if (data != nullptr) {
            XFree(data);
        }
    }
};

// Reads up to 64 KiB of the property. Nothing when the window has no such property (or, with a
// `type` other than AnyPropertyType, none of that type). Errors are left to the caller's trap.
std::optional<Property> ReadProperty(Display* display, Window window, Atom property, Atom type) {
    Atom actualType = 0;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long bytesAfter = 0;
    unsigned char* raw = nullptr;
    const int status = XGetWindowProperty(display, window, property, 0, 16384, False, type,
                                          &actualType, &actualFormat, &count, &bytesAfter, &raw);
    const std::unique_ptr<unsigned char, XFreeDeleter> data(raw);
    if (status != Success || actualType == 0 || (type != AnyPropertyType && actualType != type)) {
        return std::nullopt;
    }
    Property result;
    result.type = actualType;
    result.format = actualFormat;
    if (data == nullptr) {
        return result;
    }
    if (actualFormat == 8) {
        result.bytes.assign(reinterpret_cast<const char*>(data.get()), count);
    } else if (actualFormat == 16) {
        const auto* shorts = reinterpret_cast<const short*>(data.get());
        for (unsigned long i = 0; i < count; ++i) {
            result.values.push_back(static_cast<unsigned short>(shorts[i]));
        }
    } else if (actualFormat == 32) {
        // Xlib hands 32-bit items over as longs.
        const auto* longs = reinterpret_cast<const unsigned long*>(data.get());
        result.values.assign(longs, longs + count);
    }
    return result;
}

std::string Latin1ToUtf8(const std::string& latin1) {
    std::string out;
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The text in Latin-1, or nothing when it holds a character beyond it (or is not UTF-8).
std::optional<std::string> Utf8ToLatin1(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size() &&
                   (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
            const auto next = static_cast<unsigned char>(utf8[++i]);
            out += static_cast<char>(((c & 0x03) << 6) | (next & 0x3F));
        } else {
            return std::nullopt;
        }
    }
    return out;
}

// COMPOUND_TEXT (and anything else Xlib can convert) to UTF-8, through Xlib's converters.
std::optional<std::string> ConvertedText(Display* display, const Property& property) {
    XTextProperty text{};
    text.value = reinterpret_cast<unsigned char*>(const_cast<char*>(property.bytes.data()));
    text.encoding = property.type;
    text.format = property.format;
    text.nitems = property.bytes.size();
    char** list = nullptr;
    int count = 0;
    if (Xutf8TextPropertyToTextList(display, &text, &list, &count) < Success || list == nullptr) {
        return std::nullopt;
    }
    std::string result;
    for (int i = 0; i < count; ++i) {
        result += list[i];
    }
    XFreeStringList(list);
    return result;
}

void ReplaceTextProperty(Display* display, Window window, Atom property, Atom type,
                         const std::string& text) {
    XChangeProperty(display, window, property, type, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text.data()),
                    static_cast<int>(text.size()));
}

}  // namespace

// The connection to the X server with the atoms it needs, opened when first asked for.
class X11ForegroundWindows::Connection {
public:
    explicit Connection(std::string name) : name_(std::move(name)) {}
    ~Connection() { close(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // The open display, or nullptr when there is none to be had.
    Display* display() {
        if (lost_) {
            close();
        }
        if (display_ == nullptr && !name_.empty()) {
            open();
        }
        return display_;
    }
    // After a group of calls: a connection found lost is dropped, the next call opens anew.
    bool stillUp() {
        if (lost_) {
            close();
            return false;
        }
        return display_ != nullptr;
    }
    Atom atom(AtomIndex index) const { return atoms_[index]; }

private:
    void open() {
        display_ = XOpenDisplay(name_.c_str());
        if (display_ == nullptr) {
            return;
        }
        XSetIOErrorExitHandler(display_, &Connection::onLost, this);
        XErrorTrap trap(display_);
        XInternAtoms(display_, const_cast<char**>(AtomNames.data()), AtomCount, False,
                     atoms_.data());
    }
    void close() {
        if (display_ != nullptr) {
            XErrorTrap::closeDisplay(display_);
            display_ = nullptr;
        }
        lost_ = false;
    }
    static void onLost(Display* /*display*/, void* self) {
        static_cast<Connection*>(self)->lost_ = true;
    }

    std::string name_;
    Display* display_ = nullptr;
    bool lost_ = false;
    std::array<Atom, AtomCount> atoms_{};
};

X11ForegroundWindows::X11ForegroundWindows(std::string displayName)
    : connection_(std::make_unique<Connection>(std::move(displayName))) {}

X11ForegroundWindows::~X11ForegroundWindows() = default;

std::string X11ForegroundWindows::displayNameFromEnvironment() {
    const char* display = std::getenv("DISPLAY");
    return display == nullptr ? std::string() : std::string(display);
}

bool X11ForegroundWindows::available() {
    Display* display = connection_->display();
    if (display == nullptr) {
        return false;
    }
    {
        XErrorTrap trap(display);
        (void)trap.failed();  // a round trip: a dead server shows now
    }
    return connection_->stillUp();
}

std::optional<platform::WindowId> X11ForegroundWindows::foreground() {
    Display* display = connection_->display();
    if (display == nullptr) {
        return std::nullopt;
    }
    std::optional<platform::WindowId> result;
    {
        XErrorTrap trap(display);
        const auto active = ReadProperty(display, DefaultRootWindow(display),
                                         connection_->atom(NetActiveWindow), XA_WINDOW);
        if (!trap.failed() && active && active->format == 32 && !active->values.empty() &&
            active->values[0] != 0) {
            result = active->values[0];
        }
    }
    return connection_->stillUp() ? result : std::nullopt;
}

bool X11ForegroundWindows::isProgramWindow(platform::WindowId window) {
    return IsProgramWindow(window);
}

bool X11ForegroundWindows::isDesktop(platform::WindowId window) {
    Display* display = connection_->display();
    if (display == nullptr || window == 0) {
        return false;
    }
    bool result = false;
    {
        XErrorTrap trap(display);
        if (window == DefaultRootWindow(display)) {
            result = true;
        } else {
            const auto types =
                ReadProperty(display, window, connection_->atom(NetWmWindowType), XA_ATOM);
            if (!trap.failed() && types && types->format == 32) {
                for (unsigned long type : types->values) {
                    result = result || type == connection_->atom(NetWmWindowTypeDesktop);
                }
            }
        }
    }
    return connection_->stillUp() && result;
}

std::optional<std::string> X11ForegroundWindows::title(platform::WindowId window) {
    Display* display = connection_->display();
    if (display == nullptr || window == 0) {
        return std::nullopt;
    }
    std::optional<std::string> result;
    {
        XErrorTrap trap(display);
        const auto netName = ReadProperty(display, window, connection_->atom(NetWmName),
                                          connection_->atom(Utf8String));
        std::optional<Property> name;
        if (!netName) {
            name = ReadProperty(display, window, XA_WM_NAME, AnyPropertyType);
        }
        if (!trap.failed()) {
            if (netName) {
                result = netName->bytes;
            } else if (!name || name->format != 8) {
                result = std::string();
            } else if (name->type == XA_STRING) {
                result = Latin1ToUtf8(name->bytes);
            } else if (name->type == connection_->atom(Utf8String)) {
                result = name->bytes;
            } else {
                result = ConvertedText(display, *name).value_or(Latin1ToUtf8(name->bytes));
            }
        }
    }
    return connection_->stillUp() ? result : std::nullopt;
}

void X11ForegroundWindows::setTitle(platform::WindowId window, const std::string& title) {
    Display* display = connection_->display();
    if (display == nullptr || window == 0) {
        return;
    }
    {
        XErrorTrap trap(display);
        const auto netName =
            ReadProperty(display, window, connection_->atom(NetWmName), AnyPropertyType);
        if (trap.failed()) {
            return;  // the window has gone
        }
        if (netName) {
            ReplaceTextProperty(display, window, connection_->atom(NetWmName),
                                connection_->atom(Utf8String), title);
        }
        if (const auto latin1 = Utf8ToLatin1(title)) {
            ReplaceTextProperty(display, window, XA_WM_NAME, XA_STRING, *latin1);
        } else {
            ReplaceTextProperty(display, window, XA_WM_NAME, connection_->atom(Utf8String), title);
        }
    }
    (void)connection_->stillUp();
}

}  // namespace ruvo::desktop

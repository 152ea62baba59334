#include "platform/desktop/x11_foreground_windows.h"

// Xlib's macros (None, Bool, Status ...) would clash with names above; it comes last.
#include <X11/Xatom.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
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

using AtomArray = std::array<xcb_atom_t, AtomCount>;

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

// A property asked for now and collected later, so that the requests of one look go out together
// and cost one round trip. Answers and errors come back to the request itself (the requests are
// checked), never to Xlib's error handler: a window that has gone only gives nothing.
class PropertyRequest {
public:
    PropertyRequest(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                    xcb_atom_t type)
        : connection_(connection),
          type_(type),
          cookie_(xcb_get_property(connection, 0, window, property, type, 0, 16384)) {}
    ~PropertyRequest() {
        if (!collected_) {
            xcb_discard_reply(connection_, cookie_.sequence);
        }
    }
    PropertyRequest(const PropertyRequest&) = delete;
    PropertyRequest& operator=(const PropertyRequest&) = delete;

    // Up to 64 KiB of the property; nothing when the window lacks it (or, with a type other than
    // any, has it of another type). `windowGone` is set when the window no longer exists.
    std::optional<Property> collect(bool& windowGone) {
        collected_ = true;
        xcb_generic_error_t* error = nullptr;
        const std::unique_ptr<xcb_get_property_reply_t, FreeDeleter> reply(
            xcb_get_property_reply(connection_, cookie_, &error));
        const std::unique_ptr<xcb_generic_error_t, FreeDeleter> errorHolder(error);
        if (!reply) {
            windowGone = true;
            return std::nullopt;
        }
        exists_ = reply->type != XCB_ATOM_NONE;
        if (!exists_ || (type_ != XCB_GET_PROPERTY_TYPE_ANY && reply->type != type_)) {
            return std::nullopt;
        }
        Property result;
        result.type = reply->type;
        result.format = reply->format;
        const auto* data = static_cast<const unsigned char*>(xcb_get_property_value(reply.get()));
        const auto count = static_cast<std::size_t>(reply->value_len);
        if (reply->format == 8) {
            result.bytes.assign(reinterpret_cast<const char*>(data), count);
        } else if (reply->format == 16) {
            for (std::size_t i = 0; i < count; ++i) {
                std::uint16_t value = 0;
                std::memcpy(&value, data + i * sizeof value, sizeof value);
                result.values.push_back(value);
            }
        } else if (reply->format == 32) {
            for (std::size_t i = 0; i < count; ++i) {
                std::uint32_t value = 0;
                std::memcpy(&value, data + i * sizeof value, sizeof value);
                result.values.push_back(value);
            }
        }
        return result;
    }
    // After collect: whether the window has the property at all, of whatever type.
    bool exists() const { return exists_; }

private:
    struct FreeDeleter {
        void operator()(void* pointer) const { std::free(pointer); }
    };

    xcb_connection_t* connection_;
    xcb_atom_t type_;
    xcb_get_property_cookie_t cookie_;
    bool collected_ = false;
    bool exists_ = false;
};

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

// Replaces a text property; the answer (a window that has gone) is waited for with the others.
xcb_void_cookie_t ReplaceTextProperty(xcb_connection_t* connection, xcb_window_t window,
                                      xcb_atom_t property, xcb_atom_t type,
                                      const std::string& text) {
    return xcb_change_property_checked(connection, XCB_PROP_MODE_REPLACE, window, property, type, 8,
                                       static_cast<std::uint32_t>(text.size()), text.data());
}

// The properties of one window that make up a look at it: its type and both of its titles.
class WindowLook {
public:
    WindowLook(xcb_connection_t* connection, xcb_window_t window, const AtomArray& atoms)
        : window_(window),
          type_(connection, window, atoms[NetWmWindowType], XCB_ATOM_ATOM),
          netName_(connection, window, atoms[NetWmName], atoms[Utf8String]),
          name_(connection, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY) {}

    xcb_window_t window() const { return window_; }

    // Waits for the answers; nothing when the window has gone.
    std::optional<platform::FrontWindow> collect(Display* display, const AtomArray& atoms) {
        bool gone = false;
        const auto types = type_.collect(gone);
        const auto netName = netName_.collect(gone);
        const auto name = name_.collect(gone);
        if (gone) {
            return std::nullopt;
        }
        platform::FrontWindow result;
        result.id = window_;
        result.desktop = window_ == DefaultRootWindow(display);
        if (types && types->format == 32) {
            for (unsigned long type : types->values) {
                result.desktop = result.desktop || type == atoms[NetWmWindowTypeDesktop];
            }
        }
        if (netName) {
            result.title = netName->bytes;
        } else if (!name || name->format != 8) {
            result.title.clear();
        } else if (name->type == XA_STRING) {
            result.title = Latin1ToUtf8(name->bytes);
        } else if (name->type == atoms[Utf8String]) {
            result.title = name->bytes;
        } else {
            result.title = ConvertedText(display, *name).value_or(Latin1ToUtf8(name->bytes));
        }
        return result;
    }
    // After collect: whether the window has a _NET_WM_NAME of whatever type.
    bool hasNetName() const { return netName_.exists(); }

private:
    xcb_window_t window_;
    PropertyRequest type_;
    PropertyRequest netName_;
    PropertyRequest name_;
};

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
    // The same connection as XCB sees it, for requests whose answers are waited for together.
    xcb_connection_t* xcb() const { return XGetXCBConnection(display_); }
    // After a group of calls: a connection found lost is dropped, the next call opens anew.
    bool stillUp() {
        if (display_ != nullptr && xcb_connection_has_error(xcb()) != 0) {
            lost_ = true;
        }
        if (lost_) {
            close();
            return false;
        }
        return display_ != nullptr;
    }
    const AtomArray& atoms() const { return atoms_; }

private:
    void open() {
        display_ = XOpenDisplay(name_.c_str());
        if (display_ == nullptr) {
            return;
        }
        XSetIOErrorExitHandler(display_, &Connection::onLost, this);
        // Asked for together, answered in one round trip.
        std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
        for (std::size_t i = 0; i < AtomCount; ++i) {
            cookies[i] = xcb_intern_atom(
                xcb(), 0, static_cast<std::uint16_t>(std::strlen(AtomNames[i])), AtomNames[i]);
        }
        for (std::size_t i = 0; i < AtomCount; ++i) {
            xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(xcb(), cookies[i], nullptr);
            atoms_[i] = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
            std::free(reply);
        }
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
    AtomArray atoms_{};
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

std::optional<platform::FrontWindow> X11ForegroundWindows::front() {
    Display* display = connection_->display();
    if (display == nullptr) {
        return std::nullopt;
    }
    xcb_connection_t* xcb = connection_->xcb();
    const AtomArray& atoms = connection_->atoms();
    PropertyRequest activeRequest(xcb, static_cast<xcb_window_t>(DefaultRootWindow(display)),
                                  atoms[NetActiveWindow], XCB_ATOM_WINDOW);
    // The window in front is mostly the one that was in front a second ago: its properties are
    // asked for in the same round trip, and asked for again only when another one is.
    std::optional<WindowLook> look;
    if (lastLook_.window != 0) {
        look.emplace(xcb, static_cast<xcb_window_t>(lastLook_.window), atoms);
    }
    bool rootGone = false;
    const auto active = activeRequest.collect(rootGone);
    const platform::WindowId id =
        active && active->format == 32 && !active->values.empty() ? active->values[0] : 0;
    std::optional<platform::FrontWindow> result;
    if (id != 0) {
        if (!look || look->window() != id) {
            look.reset();
            look.emplace(xcb, static_cast<xcb_window_t>(id), atoms);
        }
        result = look->collect(display, atoms);
    }
    lastLook_ = result ? LastLook{id, look->hasNetName()} : LastLook{};
    return connection_->stillUp() ? result : std::nullopt;
}

bool X11ForegroundWindows::isProgramWindow(platform::WindowId window) {
    return IsProgramWindow(window);
}

std::optional<std::string> X11ForegroundWindows::title(platform::WindowId window) {
    Display* display = connection_->display();
    if (display == nullptr || window == 0) {
        return std::nullopt;
    }
    WindowLook look(connection_->xcb(), static_cast<xcb_window_t>(window), connection_->atoms());
    const auto seen = look.collect(display, connection_->atoms());
    if (seen) {
        lastLook_ = LastLook{window, look.hasNetName()};
    }
    return connection_->stillUp() && seen ? std::optional(seen->title) : std::nullopt;
}

void X11ForegroundWindows::setTitle(platform::WindowId window, const std::string& title) {
    Display* display = connection_->display();
    if (display == nullptr || window == 0) {
        return;
    }
    xcb_connection_t* xcb = connection_->xcb();
    const AtomArray& atoms = connection_->atoms();
    const auto xcbWindow = static_cast<xcb_window_t>(window);
    // Whether the window has _NET_WM_NAME is known from the look just taken at it.
    bool hasNetName = lastLook_.window == window && lastLook_.hasNetName;
    if (lastLook_.window != window) {
        PropertyRequest netName(xcb, xcbWindow, atoms[NetWmName], XCB_GET_PROPERTY_TYPE_ANY);
        bool gone = false;
        (void)netName.collect(gone);
        if (gone) {
            (void)connection_->stillUp();
            return;
        }
        hasNetName = netName.exists();
    }
    std::vector<xcb_void_cookie_t> changes;
    if (hasNetName) {
        changes.push_back(
            ReplaceTextProperty(xcb, xcbWindow, atoms[NetWmName], atoms[Utf8String], title));
    }
    if (const auto latin1 = Utf8ToLatin1(title)) {
        changes.push_back(
            ReplaceTextProperty(xcb, xcbWindow, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, *latin1));
    } else {
        changes.push_back(
            ReplaceTextProperty(xcb, xcbWindow, XCB_ATOM_WM_NAME, atoms[Utf8String], title));
    }
    for (const xcb_void_cookie_t change : changes) {
        std::free(xcb_request_check(xcb, change));  // a window that has gone keeps nothing
    }
    (void)connection_->stillUp();
}

}  // namespace ruvo::desktop

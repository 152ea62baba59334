// The services of the machine that the program uses, as small interfaces. The program layer
// (core, tariffs, counting, records) sees only these; platform/desktop implements them on a
// Linux desktop with Qt and X11, platform/fake in memory with virtual time.
//
// All texts are UTF-8. Every service is reached through a `Platform` passed into the program's
// constructors; nothing here is global.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace ruvo::platform {

// ---------------------------------------------------------------------------------------------
// Clock

// A local calendar date and time of day, as the user's clock shows it.
struct LocalDateTime {
    int year = 2000;  // four digits
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int hour = 0;     // 0..23
    int minute = 0;   // 0..59
    int second = 0;   // 0..59

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time now. It may jump (the user sets the clock, daylight saving).
    virtual LocalDateTime now() const = 0;
    // Milliseconds of a clock that never jumps and never goes back; its zero is arbitrary.
    // Elapsed connection time is measured with it.
    virtual std::int64_t monotonicMs() const = 0;
};

// ---------------------------------------------------------------------------------------------
// Timers

// A repeating timer, like a window's timer: once enabled it calls its handler every interval
// until disabled. A handler that wants to run once disables its timer first. Handlers run on the
// one program thread, from the event loop or from a nested loop of a modal dialog, so a handler
// may run while another handler (even its own) is suspended in a modal dialog.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    // Enabling an enabled timer does nothing; enabling a disabled one starts a new interval.
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
};

class Timers {
public:
    virtual ~Timers() = default;
    // A new, disabled timer. The handler is called only while the timer object lives.
    virtual std::unique_ptr<Timer> createTimer(int intervalMs, std::function<void()> handler) = 0;
};

// ---------------------------------------------------------------------------------------------
// Registry: keys of string values, as the settings store and the autostart entry need them.

enum class Hive {
    CurrentUser,   // the user's settings
    LocalMachine,  // only the autostart ("Run") key is used there
};

// A registry operation failed: the value is not a string, the store cannot be read or written,
// or writing is not allowed.
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Key paths use backslashes ("Software\Quelmar\Ruvometer 2.3\Temp"); key and value names are
// matched without regard to case. Every call is complete in itself: nothing stays open between
// calls, so a change made outside the program is seen at the next call.
class Registry {
public:
    virtual ~Registry() = default;
    virtual bool keyExists(Hive hive, const std::string& key) = 0;
    // Creates the key and any missing parent. Creating an existing key does nothing.
    virtual void createKey(Hive hive, const std::string& key) = 0;
    virtual bool valueExists(Hive hive, const std::string& key, const std::string& name) = 0;
    // The value's text, or nothing when the key or the value does not exist.
    // Throws RegistryError when the value is not a string.
    virtual std::optional<std::string> readString(Hive hive, const std::string& key,
                                                  const std::string& name) = 0;
    // Creates the key when missing. Throws RegistryError when the write is refused.
    virtual void writeString(Hive hive, const std::string& key, const std::string& name,
                             const std::string& text) = 0;
    // Deleting a value or key that does not exist is not an error.
    virtual void deleteValue(Hive hive, const std::string& key, const std::string& name) = 0;
    virtual void deleteKeyTree(Hive hive, const std::string& key) = 0;
    // Deletes the key with its subkeys and creates it again holding these string values, in
    // this order, as one change: whoever reads the registry afterwards, after a crash too, finds
    // the old key or the new one, never a part of either. Throws RegistryError when refused.
    using NamedValues = std::vector<std::pair<std::string, std::string>>;
    virtual void replaceKey(Hive hive, const std::string& key, const NamedValues& values) = 0;
};

// ---------------------------------------------------------------------------------------------
// Single instance

// What came of trying to take the single-instance lock.
struct LockAttempt {
    enum class Outcome {
        Acquired,           // this process holds the lock now
        HeldByAnotherCopy,  // another process holds it
        Failed,             // it could not be taken, and nobody can tell whether another copy runs
    };
    Outcome outcome = Outcome::Failed;
    // Only with Failed: why, as a German sentence for the user.
    std::string reason;

    static LockAttempt acquired() { return {Outcome::Acquired, {}}; }
    static LockAttempt heldByAnotherCopy() { return {Outcome::HeldByAnotherCopy, {}}; }
    static LockAttempt failed(std::string why) { return {Outcome::Failed, std::move(why)}; }
};

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // Takes the machine-wide lock of this name for the life of the process. The lock is released
    // by the system when the process ends, however it ends.
    virtual LockAttempt tryAcquire(const std::string& name) = 0;
};

// ---------------------------------------------------------------------------------------------
// Network

class HostAddresses {
public:
    virtual ~HostAddresses() = default;
    // How many IPv4 addresses the computer knows itself by, or nothing when that cannot be told.
    virtual std::optional<int> ipv4AddressCount() = 0;
};

// ---------------------------------------------------------------------------------------------
// Tray icon

enum class TrayPicture { None, Inactive, Offline, Online, Warning };

class Tray {
public:
    virtual ~Tray() = default;
    // Each gives whether the notification area accepted the request (false when no tray host
    // runs). `add` puts an icon without picture; `modify` sets its picture and tool tip.
    virtual bool add() = 0;
    virtual bool modify(TrayPicture picture, const std::string& tip) = 0;
    virtual bool remove() = 0;
    // Called when the user releases the left mouse button over the icon.
    virtual void setLeftClickHandler(std::function<void()> handler) = 0;
    // The icon's context menu (right click): these items' texts, in order. Setting other texts
    // replaces them; the menu is kept for every icon added later.
    virtual void setMenu(const std::vector<std::string>& items) = 0;
    // Called with the item's position when the user chooses an item of the context menu.
    virtual void setMenuHandler(std::function<void(std::size_t)> handler) = 0;
};

// ---------------------------------------------------------------------------------------------
// Windows of other programs

// Identifies a top-level window for as long as it exists. 0 is no window.
using WindowId = std::uint64_t;

struct FrontWindow {
    WindowId id = 0;
    std::string title;     // empty for a window without one
    bool desktop = false;  // the desktop itself, the window behind all others
};

class ForegroundWindows {
public:
    virtual ~ForegroundWindows() = default;
    // False where windows of other programs cannot be seen (no X11 display, Wayland); every other
    // call then gives nothing and does nothing.
    virtual bool available() = 0;
    // The window in front with what the title display needs of it, read in one look (it runs
    // every second during a connection); nothing when no window is in front or it has gone.
    virtual std::optional<FrontWindow> front() = 0;
    // True for a window of this program itself, known by its identity (whatever its title, and
    // whether or not the window tells which process it belongs to).
    virtual bool isProgramWindow(WindowId window) = 0;
    // The title, empty for a window without one; nothing for a window that does not exist.
    virtual std::optional<std::string> title(WindowId window) = 0;
    // A window that refuses, or no longer exists, keeps what it has.
    virtual void setTitle(WindowId window, const std::string& title) = 0;
};

// ---------------------------------------------------------------------------------------------
// Sound

enum class Beep {
    Standard,  // the standard beep of the unit warning
    Default,   // the system's default beep that marks a failed file operation
};

class Sound {
public:
    virtual ~Sound() = default;
    virtual void beep(Beep kind) = 0;
};

// ---------------------------------------------------------------------------------------------
// Printing

struct PrintFont {
    std::string family;  // "Courier New", "TimesNewRoman" ...
    int pointSize = 10;
    bool bold = false;
    std::uint32_t rgb = 0x000000;  // 0xRRGGBB
};

// One text drawn on a page, at a position in the printer's device units measured from the top
// left corner of the printable area.
struct PrintItem {
    int x = 0;
    int y = 0;
    PrintFont font;
    std::string text;
};

struct PrintJob {
    std::string title;
    std::vector<std::vector<PrintItem>> pages;
};

// What came of a print job.
struct PrintOutcome {
    enum class Result {
        Printed,    // on the printer, or into `pdfFile`
        NoPrinter,  // no printer is set up: nothing was printed
        Failed,     // the printer or the file did not take the job
    };
    Result result = Result::Failed;
    // The PDF file the job went (or was to go) into; empty for a printer.
    std::string pdfFile;
    // Failed into a file: the errno value of the file that could not be written, 0 when unknown.
    int systemError = 0;
    // Failed on a printer: why, as a German sentence.
    std::string reason;

    static PrintOutcome printed(std::string pdfFile = {}) {
        return {Result::Printed, std::move(pdfFile), 0, {}};
    }
    static PrintOutcome noPrinter() { return {Result::NoPrinter, {}, 0, {}}; }
    static PrintOutcome printerFailed(std::string why) {
        return {Result::Failed, {}, 0, std::move(why)};
    }
    static PrintOutcome fileFailed(std::string pdfFile, int systemError) {
        return {Result::Failed, std::move(pdfFile), systemError, {}};
    }
};

class Printing {
public:
    virtual ~Printing() = default;
    // Prints on the current printer: the one chosen in the setup dialog (which may be a PDF
    // file), or the system's default printer.
    virtual PrintOutcome print(const PrintJob& job) = 0;
    // Prints into this PDF file, whatever the current printer is.
    virtual PrintOutcome printToPdf(const PrintJob& job, const std::string& fileName) = 0;
    // A modal file dialog that chooses the PDF file to print into, proposing `suggestedName`;
    // nothing when the user cancels it.
    virtual std::optional<std::string> choosePdfFile(const std::string& suggestedName) = 0;
    // The system's printer setup dialog, modal; it chooses the current printer.
    virtual void printerSetup() = 0;
};

// ---------------------------------------------------------------------------------------------
// Desktop notifications

// A short notice that the desktop shows for a while beside the other programs' windows.
struct Notification {
    std::string summary;  // one line, the heading
    std::string body;     // a sentence or two
};

class Notifications {
public:
    virtual ~Notifications() = default;
    // Hands the notice to the desktop's notification service. Where none runs it is dropped:
    // nothing waits for it and nothing else changes.
    virtual void notify(const Notification& notification) = 0;
};

// ---------------------------------------------------------------------------------------------
// Clipboard

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
};

// ---------------------------------------------------------------------------------------------
// Paths

class Paths {
public:
    virtual ~Paths() = default;
    // Full path of the running program file.
    virtual std::string programFilePath() = 0;
    // The folder of the data files, ending in a path separator; it exists.
    virtual std::string programDirectory() = 0;
};

// ---------------------------------------------------------------------------------------------
// Window system: message boxes and modal runs

enum class MessageIcon { None, Information, Warning, Question, Error };
// YesNoDefaultNo: a question whose Ja destroys something; Enter answers Nein.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageBox {
    std::string caption;
    std::string text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
};

// A window of the program that can be run modally. Its view (desktop) or the scripted user
// (fake) acts on it until `isOpen()` becomes false.
class ModalWindow {
public:
    virtual ~ModalWindow() = default;
    virtual std::string windowName() const = 0;  // "Form14" ...
    virtual bool isOpen() const = 0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Shows the box and waits for the answer in a nested loop: timers keep firing meanwhile.
    virtual MessageAnswer messageBox(const MessageBox& box) = 0;
    // The framework's error box for an error that ended a handler ("caption: text", OK).
    virtual void errorBox(const std::string& text) = 0;
    // Runs a nested loop until the window is closed. Timers keep firing meanwhile.
    virtual void runModal(ModalWindow& window) = 0;
    // The file chooser for a file to open, modal; timers keep firing meanwhile. It starts in
    // `folder` (ending in a path separator) with `suggestedName` preselected and offers the
    // files of `filter`, a description with its patterns in brackets ("Feiertagsdateien
    // (*.dat)"), besides all files. The chosen file's full path, or nothing when the user
    // cancelled.
    virtual std::optional<std::string> chooseFileToOpen(const std::string& caption,
                                                        const std::string& folder,
                                                        const std::string& suggestedName,
                                                        const std::string& filter) = 0;
    // Ends the event loop: the program's run is over. `exitCode` is the process's exit status.
    virtual void quit(int exitCode) = 0;
};

// ---------------------------------------------------------------------------------------------

// Everything the program uses of the machine. Owned by whoever builds the program (the desktop
// main, a test, the simulator) and passed by reference; it outlives the program objects.
struct Platform {
    Clock& clock;
    Timers& timers;
    Registry& registry;
    InstanceLock& instanceLock;
    HostAddresses& hostAddresses;
    Tray& tray;
    ForegroundWindows& foregroundWindows;
    Sound& sound;
    Printing& printing;
    Clipboard& clipboard;
    Paths& paths;
    WindowSystem& windowSystem;
    Notifications& notifications;
};

}  // namespace ruvo::platform

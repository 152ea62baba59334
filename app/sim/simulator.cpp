#include "app/sim/simulator.h"

#include <algorithm>
#include <filesystem>

#include "app/sim/sim_errors.h"
#include "app/sim/user_input.h"

namespace ruvo::sim {

namespace {

std::string WithSlash(std::string directory) {
    if (directory.empty() || directory.back() != '/') {
        directory += '/';
    }
    return directory;
}

// Counts the nesting of loops over the script, also when one is left by an exception.
class Nested {
public:
    explicit Nested(int& level) : level_(level) { ++level_; }
    ~Nested() { --level_; }
    Nested(const Nested&) = delete;
    Nested& operator=(const Nested&) = delete;

private:
    int& level_;
};

}  // namespace

Simulator::Simulator(std::string directory, std::istream& script, std::ostream& transcript)
    : directory_(WithSlash(std::move(directory))),
      machine_(kInitialClock, directory_),
      script_(script),
      transcript_(transcript, machine_.time),
      registryFile_(directory_ + "registry.reg") {
    registryFile_.load(machine_.registry);
    // A line that changes ten values writes the file once, before the next line is read.
    machine_.registry.setChangeHandler([this] { registryChanged_ = true; });

    auto& windows = machine_.windowSystem;
    windows.setMessageHandler([this](const platform::MessageBox& box) { return messageBox(box); });
    windows.setErrorHandler([this](const std::string& text) { errorBox(text); });
    windows.setModalHandler([this](platform::ModalWindow& window) { runModal(window); });
    machine_.sound.setBeepHandler([this](platform::Beep kind) {
        event(kind == platform::Beep::Standard ? "beep standard" : "beep default");
    });
    machine_.foregroundWindows.setTitleHandler(
        [this](platform::WindowId, const std::string& title) {
            event("title " + Transcript::quoted(title));
        });
    // The program is started from the desktop: it is in front.
    desktop_ = machine_.foregroundWindows.open("", true);
}

Simulator::~Simulator() {
    destroyAll();
    machine_.registry.setChangeHandler(nullptr);
    // What the instances changed up to a failed line, and as they ended, is in the file.
    try {
        saveRegistry();
    } catch (const MachineFailure&) {
        // The run ends with a failure already.
    }
}

std::optional<Command> Simulator::nextLine() {
    saveRegistry();
    return script_.next();
}

void Simulator::saveRegistry() {
    if (registryChanged_) {
        registryFile_.save(machine_.registry);
        registryChanged_ = false;
    }
}

void Simulator::run() {
    while (true) {
        try {
            finishCarriedWait(nullptr);
            flushTray();
            const std::optional<Command> command = nextLine();
            if (!command) {
                break;
            }
            execute(*command, nullptr);
        } catch (const ProgramsKilled&) {
            // Unwound from inside a box or modal window: nothing of the program is on the stack
            // any more.
            destroyAll();
        }
    }
    kill();
}

void Simulator::execute(const Command& command, const Closed& closed) {
    switch (command.kind) {
        case CommandKind::Clock:
            machine_.time.setLocal(command.clock);
            break;
        case CommandKind::Addresses:
            machine_.hostAddresses.set(command.addresses);
            break;
        case CommandKind::Start:
            start();
            break;
        case CommandKind::Wait:
            wait(command.waitMs, closed);
            break;
        case CommandKind::Answer:
            // No message box is open here: the answer is kept for the next one.
            keptAnswers_.push_back(command);
            break;
        case CommandKind::Click:
        case CommandKind::Set:
            userInput(command);
            break;
        case CommandKind::Tray:
            clickTray();
            break;
        case CommandKind::Menu:
            chooseTrayMenuItem(command.title);
            break;
        case CommandKind::Window:
            bringToFront(command.title);
            break;
        case CommandKind::Desktop:
            machine_.foregroundWindows.bringToFront(desktop_);
            break;
        case CommandKind::Kill:
            kill();
            break;
        case CommandKind::Block:
        case CommandKind::Unblock:
            blockFile(command);
            break;
    }
    reapEnded();
}

void Simulator::blockFile(const Command& command) {
    // A folder in the file's place: the program can neither open it as a file nor create it.
    const std::filesystem::path path = directory_ + command.fileName;
    std::error_code error;
    if (command.kind == CommandKind::Block) {
        if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
            throw ScriptError{command.line, "block: '" + command.fileName +
                                                "' exists; only a missing file can be blocked"};
        }
        std::filesystem::create_directory(path, error);
    } else {
        if (!std::filesystem::is_directory(std::filesystem::symlink_status(path, error))) {
            throw ScriptError{command.line, "unblock: '" + command.fileName + "' is not blocked"};
        }
        std::filesystem::remove(path, error);
    }
    if (error) {
        throw MachineFailure{command.fileName + ": " + error.message()};
    }
}

void Simulator::finishCarriedWait(const Closed& closed) {
    while (carriedWaitEnd_ && !(closed && closed())) {
        const std::int64_t end = *carriedWaitEnd_;
        carriedWaitEnd_.reset();
        wait(std::max<std::int64_t>(0, end - machine_.time.monotonicMs()), closed);
    }
}

void Simulator::wait(std::int64_t ms, const Closed& closed) {
    const std::int64_t end = machine_.time.monotonicMs() + ms;
    waitTargets_.push_back(end);
    struct Done {
        ~Done() { targets.pop_back(); }
        std::vector<std::int64_t>& targets;
    } done{waitTargets_};
    if (!closed) {
        machine_.time.advanceMs(ms);
    } else if (machine_.time.advanceMsUntil(ms, closed)) {
        // The window closed itself: the program goes on at once, and the rest of this wait
        // passes before the next script line is read.
        carriedWaitEnd_ = std::max(carriedWaitEnd_.value_or(end), end);
    }
}

void Simulator::start() {
    SimProcess::Hooks hooks{[this](int exitCode) { event("exit " + std::to_string(exitCode)); },
                            [this] { flushTray(); }};
    processes_.push_back(std::make_unique<SimProcess>(machine_, std::move(hooks)));
    SimProcess& process = *processes_.back();
    watchWindows(process.program());
    process.call([&process] { process.program().start(); });
}

std::pair<SimProcess*, WindowModel*> Simulator::shownWindow(const std::string& name, int line) {
    bool known = false;
    bool running = false;
    // The newest process first. (A plain reverse loop: clang 14 cannot use libstdc++ 12's
    // std::views::reverse.)
    for (auto it = processes_.rbegin(); it != processes_.rend();
         ++it) {  // NOLINT(modernize-loop-convert)
        SimProcess& process = **it;
        if (process.ended()) {
            continue;
        }
        running = true;
        for (WindowModel* window : process.program().windows()) {
            if (window->windowName() == name) {
                known = true;
                if (window->visible()) {
                    return {&process, window};
                }
            }
        }
    }
    if (!running) {
        throw ScriptError{line, "the program is not running"};
    }
    if (!known) {
        throw ScriptError{line, "the program has no window '" + name + "'"};
    }
    throw ScriptError{line, name + " is not shown"};
}

void Simulator::userInput(const Command& command) {
    const std::size_t dot = command.target.find('.');
    const std::string windowName = command.target.substr(0, dot);
    const std::string rest = command.target.substr(dot + 1);
    auto [process, window] = shownWindow(windowName, command.line);

    Control* control = nullptr;
    std::string value;
    if (command.kind == CommandKind::Click) {
        control = window->control(rest);
    } else if (auto split = SplitSetTarget(*window, rest)) {
        control = split->first;
        value = split->second;
    }
    if (control == nullptr) {
        const std::string name =
            command.kind == CommandKind::Click ? rest : rest.substr(0, rest.find(' '));
        throw ScriptError{command.line, windowName + " has no control '" + name + "'"};
    }
    const std::string fullName = windowName + "." + control->name();
    // A hidden button is a trigger of the program's own (TarifSuche, BitBtn2, Form8): a script
    // may click it as that code does. Other hidden controls hold the program's state.
    const bool hiddenButton =
        command.kind == CommandKind::Click && dynamic_cast<const Button*>(control) != nullptr;
    if (!control->visible() && !hiddenButton) {
        throw ScriptError{command.line, fullName + " is hidden from the user"};
    }
    const std::optional<std::string> problem =
        command.kind == CommandKind::Click ? CheckClick(*control) : CheckSet(*control, value);
    if (problem) {
        throw ScriptError{command.line, fullName + ": " + *problem};
    }
    Ruvometer& program = process->program();
    const bool click = command.kind == CommandKind::Click;
    process->call([&] {
        program.userAction([&] {
            if (click) {
                Click(*control);
            } else {
                Set(*control, value);
            }
        });
    });
}

void Simulator::clickTray() {
    for (auto it = processes_.rbegin(); it != processes_.rend();
         ++it) {  // NOLINT(modernize-loop-convert)
        if ((*it)->showsTrayIcon()) {
            (*it)->clickTrayIcon();
            return;
        }
    }
    // No icon in the tray: the click meets nothing.
}

void Simulator::chooseTrayMenuItem(const std::string& item) {
    for (auto it = processes_.rbegin(); it != processes_.rend();
         ++it) {  // NOLINT(modernize-loop-convert)
        if ((*it)->showsTrayIcon()) {
            (*it)->chooseTrayMenuItem(item);
            return;
        }
    }
    // No icon in the tray: there is no menu to open.
}

void Simulator::bringToFront(const std::string& title) {
    auto& windows = machine_.foregroundWindows;
    auto it = otherWindows_.find(title);
    if (it != otherWindows_.end() && windows.window(it->second) != nullptr) {
        windows.bringToFront(it->second);
    } else {
        otherWindows_[title] = windows.open(title);
    }
}

void Simulator::kill() {
    // What the system does when the processes die: their windows vanish and the icon goes.
    for (const auto& process : processes_) {
        for (WindowModel* window : process->program().windows()) {
            if (window->visible()) {
                event("hide " + window->windowName());
            }
        }
    }
    if (machine_.tray.present()) {
        machine_.tray.remove();
    }
    flushTray();
    if (level_ > 0) {
        killFromInside();
    }
    destroyAll();
    saveRegistry();
}

void Simulator::killFromInside() {
    // The program's code is on the stack below this loop: unwind to the outermost loop, which
    // destroys the instances. The waits in progress still pass: time does not stop with them.
    for (std::int64_t end : waitTargets_) {
        carriedWaitEnd_ = std::max(carriedWaitEnd_.value_or(end), end);
    }
    throw ProgramsKilled{};
}

void Simulator::destroyAll() {
    // One at a time, newest first, so that a destructor never meets a half-cleared list.
    while (!processes_.empty()) {
        std::unique_ptr<SimProcess> last = std::move(processes_.back());
        processes_.pop_back();
        last.reset();
    }
}

void Simulator::reapEnded() {
    std::erase_if(processes_, [](const std::unique_ptr<SimProcess>& process) {
        return process->ended() && !process->onStack();
    });
}

platform::MessageAnswer Simulator::messageBox(const platform::MessageBox& box) {
    event("message " + Transcript::quoted(box.text));
    const Command answer = awaitAnswer();
    const bool fits = box.buttons == platform::MessageButtons::Ok
                          ? answer.answer == platform::MessageAnswer::Ok
                          : answer.answer != platform::MessageAnswer::Ok;
    if (!fits) {
        throw ScriptError{answer.line, box.buttons == platform::MessageButtons::Ok
                                           ? "the open message box has only OK"
                                           : "the open message box has Ja and Nein, not OK"};
    }
    return answer.answer;
}

void Simulator::errorBox(const std::string& text) {
    event("error " + Transcript::quoted(text));
    const Command answer = awaitAnswer();
    if (answer.answer != platform::MessageAnswer::Ok) {
        throw ScriptError{answer.line, "the open error box has only OK"};
    }
}

Command Simulator::awaitAnswer() {
    if (!keptAnswers_.empty()) {
        Command kept = keptAnswers_.front();
        keptAnswers_.pop_front();
        return kept;
    }
    Nested nested(level_);
    while (true) {
        finishCarriedWait(nullptr);
        flushTray();
        std::optional<Command> command = nextLine();
        if (!command) {
            killFromInside();
        }
        if (command->kind == CommandKind::Answer) {
            return *command;
        }
        execute(*command, nullptr);
    }
}

void Simulator::runModal(platform::ModalWindow& window) {
    Nested nested(level_);
    const Closed closed = [&window] { return !window.isOpen(); };
    while (window.isOpen()) {
        finishCarriedWait(closed);
        if (!window.isOpen()) {
            break;
        }
        flushTray();
        std::optional<Command> command = nextLine();
        if (!command) {
            killFromInside();
        }
        execute(*command, closed);
    }
}

void Simulator::watchWindows(Ruvometer& program) {
    for (WindowModel* window : program.windows()) {
        window->addObserver([this](const WindowModel& shown, WindowEvent what) {
            if (what == WindowEvent::Shown) {
                event("show " + shown.windowName());
            } else if (what == WindowEvent::Hidden) {
                event("hide " + shown.windowName());
            }
        });
    }
}

void Simulator::event(const std::string& text) {
    flushTray();
    transcript_.write(text);
}

void Simulator::flushTray() {
    const auto& tray = machine_.tray;
    const std::string picture =
        tray.present() ? Transcript::pictureName(tray.picture()) : std::string("none");
    if (picture != shownTrayPicture_) {
        shownTrayPicture_ = picture;
        transcript_.write("tray " + picture);
    }
}

}  // namespace ruvo::sim

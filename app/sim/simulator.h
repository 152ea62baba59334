// Runs the whole program in virtual time on the fake machine, driven by a script, and writes the
// transcript of what it shows. Message boxes and modal windows are nested loops over the script:
// while one is open, the following lines are read inside it, as the desktop's nested event loop
// goes on while a dialog waits for the user.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/sim/registry_file.h"
#include "app/sim/script.h"
#include "app/sim/sim_process.h"
#include "app/sim/transcript.h"
#include "platform/fake/fake_platform.h"

namespace ruvo::sim {

// The clock's reading before the script sets it.
inline constexpr platform::LocalDateTime kInitialClock{2000, 1, 1, 0, 0, 0};

class Simulator {
public:
    // `directory` is the program's data directory; a missing trailing slash is added. The
    // simulated registry is read from its registry.reg now. Throws MachineFailure.
    Simulator(std::string directory, std::istream& script, std::ostream& transcript);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Runs the script to its end; then the program is ended as by `kill`. Throws ScriptError for
    // a line that cannot be run, MachineFailure when the registry file cannot be written.
    void run();

private:
    // What ends a wait early: the modal window of the loop that waits was closed meanwhile.
    using Closed = std::function<bool()>;

    // The next script line, after the registry file was brought up to date: whenever a line is
    // read, the file holds what the registry holds.
    std::optional<Command> nextLine();
    void saveRegistry();
    void execute(const Command& command, const Closed& closed);
    void finishCarriedWait(const Closed& closed);
    void wait(std::int64_t ms, const Closed& closed);
    void start();
    void userInput(const Command& command);
    void clickTray();
    void chooseTrayMenuItem(const std::string& item);
    void bringToFront(const std::string& title);
    void kill();
    void blockFile(const Command& command);
    [[noreturn]] void killFromInside();
    void destroyAll();
    void reapEnded();

    // The window system's side: the nested loops.
    platform::MessageAnswer messageBox(const platform::MessageBox& box);
    void errorBox(const std::string& text);
    void runModal(platform::ModalWindow& window);
    Command awaitAnswer();

    void event(const std::string& text);
    void flushTray();
    void watchWindows(Ruvometer& program);
    // The shown window of that name of a running instance, and that instance. Throws ScriptError.
    std::pair<SimProcess*, WindowModel*> shownWindow(const std::string& name, int line);

    std::string directory_;
    fake::FakeMachine machine_;
    ScriptReader script_;
    Transcript transcript_;
    RegistryFile registryFile_;
    bool registryChanged_ = false;  // since the file was last written

    std::vector<std::unique_ptr<SimProcess>> processes_;  // oldest first
    std::deque<Command> keptAnswers_;
    std::map<std::string, platform::WindowId> otherWindows_;  // by the title the script gave
    platform::WindowId desktop_ = 0;
    std::string shownTrayPicture_ = "none";

    int level_ = 0;                          // 0: the outermost loop; more: inside a box or modal
    std::vector<std::int64_t> waitTargets_;  // ends of the waits in progress, outermost first
    std::optional<std::int64_t> carriedWaitEnd_;  // a wait cut short by its window closing
};

}  // namespace ruvo::sim

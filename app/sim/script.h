// The simulator's script: one command per line, read lazily so that a modal window or message box
// can read the lines that follow it inside its own loop, and standard input can drive a run.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace ruvo::sim {

enum class CommandKind {
    Clock,
    Addresses,
    Start,
    Wait,
    Answer,
    Click,
    Set,
    Tray,
    Menu,
    Window,
    Desktop,
    Kill,
    Block,
    Unblock
};

struct Command {
    CommandKind kind = CommandKind::Start;
    int line = 0;
    platform::LocalDateTime clock;  // Clock
    std::optional<int> addresses;   // Addresses: nothing = lookup fails
    std::int64_t waitMs = 0;        // Wait
    platform::MessageAnswer answer = platform::MessageAnswer::Ok;  // Answer
    // Click: "WINDOW.CONTROL". Set: "WINDOW.CONTROL VALUE", split once the window's controls are
    // known, since a control named by its caption may contain spaces.
    std::string target;
    std::string title;     // Window; Menu: the item's text
    std::string fileName;  // Block, Unblock: a name in the data directory
};

// The command on one line, or nothing for a blank line or a comment. Throws ScriptError.
std::optional<Command> ParseLine(const std::string& text, int line);

// Seconds with at most three decimals ("4", "0.5", "3.999") as milliseconds. Throws ScriptError.
std::int64_t ParseSeconds(const std::string& text, int line);

// "YYYY-MM-DD HH:MM:SS", a date that exists. Throws ScriptError.
platform::LocalDateTime ParseClock(const std::string& text, int line);

class ScriptReader {
public:
    explicit ScriptReader(std::istream& in) : in_(in) {}
    // The next command, or nothing at the end of the script. Throws ScriptError.
    std::optional<Command> next();

private:
    std::istream& in_;
    int line_ = 0;
};

}  // namespace ruvo::sim

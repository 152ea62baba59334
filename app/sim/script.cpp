#include "app/sim/script.h"

#include <array>
#include <cctype>
#include <utility>

#include "app/sim/sim_errors.h"

namespace ruvo::sim {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string TrimTrailing(std::string text) {
    while (!text.empty() && IsBlank(text.back())) {
        text.pop_back();
    }
    return text;
}

bool AllDigits(const std::string& text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return false;
        }
    }
    return true;
}

// A number of at most nine digits.
std::optional<int> SmallNumber(const std::string& text) {
    if (!AllDigits(text) || text.size() > 9) {
        return std::nullopt;
    }
    return std::stoi(text);
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

struct Kind {
    const char* word;
    CommandKind kind;
};
constexpr std::array<Kind, 14> kKinds = {{
    {"clock", CommandKind::Clock},
    {"addresses", CommandKind::Addresses},
    {"start", CommandKind::Start},
    {"wait", CommandKind::Wait},
    {"answer", CommandKind::Answer},
    {"click", CommandKind::Click},
    {"set", CommandKind::Set},
    {"tray", CommandKind::Tray},
    {"menu", CommandKind::Menu},
    {"window", CommandKind::Window},
    {"desktop", CommandKind::Desktop},
    {"kill", CommandKind::Kill},
    {"block", CommandKind::Block},
    {"unblock", CommandKind::Unblock},
}};

[[noreturn]] void Fail(int line, std::string message) {
    throw ScriptError{line, std::move(message)};
}

// "WINDOW.CONTROL" at the start of the text: a window name, a dot, and something after it.
void CheckTarget(const std::string& word, const std::string& target, int line) {
    const std::size_t dot = target.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 >= target.size() ||
        IsBlank(target[dot + 1])) {
        Fail(line, word + " needs WINDOW.CONTROL, got '" + target + "'");
    }
}

}  // namespace

std::int64_t ParseSeconds(const std::string& text, int line) {
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    if (!AllDigits(whole) || whole.size() > 9 ||
        (point != std::string::npos && !AllDigits(fraction)) || fraction.size() > 3) {
        Fail(line, "'" + text + "' is not a number of seconds (at most three decimals)");
    }
    std::int64_t ms = std::stoll(whole) * 1000;
    std::int64_t scale = 100;
    for (char c : fraction) {
        ms += (c - '0') * scale;
        scale /= 10;
    }
    return ms;
}

platform::LocalDateTime ParseClock(const std::string& text, int line) {
    // YYYY-MM-DD HH:MM:SS
    static constexpr const char* kPattern = "dddd-dd-dd dd:dd:dd";
    bool shaped = text.size() == std::char_traits<char>::length(kPattern);
    for (std::size_t i = 0; shaped && i < text.size(); ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
        shaped = kPattern[i] == 'd' ? digit : text[i] == kPattern[i];
    }
    if (!shaped) {
        Fail(line, "clock needs YYYY-MM-DD HH:MM:SS, got '" + text + "'");
    }
    auto field = [&](std::size_t pos, std::size_t length) {
        return std::stoi(text.substr(pos, length));
    };
    platform::LocalDateTime t{field(0, 4),  field(5, 2),  field(8, 2),
                              field(11, 2), field(14, 2), field(17, 2)};
    if (t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > DaysInMonth(t.year, t.month) || t.hour > 23 || t.minute > 59 || t.second > 59) {
        Fail(line, "'" + text + "' is not a date and time that exists");
    }
    return t;
}

namespace {

// A line's first word, the rest as written, and the rest without trailing blanks.
struct Words {
    std::string word;
    std::string rest;
    std::string argument;
};

// Nothing for a blank line or a comment.
std::optional<Words> SplitLine(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    if (pos == text.size() || text[pos] == '#') {
        return std::nullopt;
    }
    std::size_t end = pos;
    while (end < text.size() && !IsBlank(text[end])) {
        ++end;
    }
    Words words;
    words.word = text.substr(pos, end - pos);
    while (end < text.size() && IsBlank(text[end])) {
        ++end;
    }
    words.rest = text.substr(end);
    words.argument = TrimTrailing(words.rest);
    return words;
}

CommandKind KindOf(const std::string& word, int line) {
    for (const Kind& k : kKinds) {
        if (word == k.word) {
            return k.kind;
        }
    }
    Fail(line, "unknown command '" + word + "'");
}

platform::MessageAnswer ParseAnswer(const std::string& argument, int line) {
    if (argument == "OK") {
        return platform::MessageAnswer::Ok;
    }
    if (argument == "Ja") {
        return platform::MessageAnswer::Yes;
    }
    if (argument == "Nein") {
        return platform::MessageAnswer::No;
    }
    Fail(line, "answer needs OK, Ja or Nein, got '" + argument + "'");
}

// A file directly in the data directory.
std::string ParseFileName(const Words& words, int line) {
    const std::string& name = words.argument;
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) {
        Fail(line,
             words.word + " needs the name of a file in the data directory, got '" + name + "'");
    }
    return name;
}

// Reads the command's argument into the command.
void ParseArgument(Command& command, const Words& words) {
    const int line = command.line;
    const std::string& argument = words.argument;
    switch (command.kind) {
        case CommandKind::Start:
        case CommandKind::Tray:
        case CommandKind::Desktop:
        case CommandKind::Kill:
            if (!argument.empty()) {
                Fail(line, words.word + " takes no argument");
            }
            break;
        case CommandKind::Clock:
            command.clock = ParseClock(argument, line);
            break;
        case CommandKind::Addresses:
            if (argument != "fail") {
                command.addresses = SmallNumber(argument);
                if (!command.addresses) {
                    Fail(line, "addresses needs a number or 'fail', got '" + argument + "'");
                }
            }
            break;
        case CommandKind::Wait:
            command.waitMs = ParseSeconds(argument, line);
            break;
        case CommandKind::Answer:
            command.answer = ParseAnswer(argument, line);
            break;
        case CommandKind::Click:
            CheckTarget(words.word, argument, line);
            command.target = argument;
            break;
        case CommandKind::Set:
            // The value runs to the end of the line as written: trailing blanks are typed too.
            CheckTarget(words.word, words.rest, line);
            command.target = words.rest;
            break;
        case CommandKind::Window:
            if (words.rest.empty()) {
                Fail(line, "window needs a title");
            }
            command.title = words.rest;
            break;
        case CommandKind::Menu:
            if (argument.empty()) {
                Fail(line, "menu needs the text of an item of the tray icon's menu");
            }
            command.title = argument;
            break;
        case CommandKind::Block:
        case CommandKind::Unblock:
            command.fileName = ParseFileName(words, line);
            break;
    }
}

}  // namespace

std::optional<Command> ParseLine(const std::string& text, int line) {
    const std::optional<Words> words = SplitLine(text);
    if (!words) {
        return std::nullopt;
    }
    Command command;
    command.line = line;
    command.kind = KindOf(words->word, line);
    ParseArgument(command, *words);
    return command;
}

std::optional<Command> ScriptReader::next() {
    std::string text;
    while (std::getline(in_, text)) {
        ++line_;
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        if (auto command = ParseLine(text, line_)) {
            return command;
        }
    }
    return std::nullopt;
}

}  // namespace ruvo::sim

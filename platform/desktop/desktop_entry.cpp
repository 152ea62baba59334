#include "platform/desktop/desktop_entry.h"

#include <sstream>

namespace ruvo::desktop {

namespace {

bool IsReservedInExec(char c) {
    static const std::string reserved = std::string(" \t\n\"'\\><~|&;$*?#()`") + '\r';
    return reserved.find(c) != std::string::npos;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string EscapeEntryString(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == ' ' && i == 0) {
            out += "\\s";
        } else {
            out += c;
        }
    }
    return out;
}

std::string UnescapeEntryString(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c != '\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const char next = value[++i];
        switch (next) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case '\\':
                out += '\\';
                break;
            default:  // not an escape of this level: the quoting level may need it
                out += '\\';
                out += next;
                break;
        }
    }
    return out;
}

std::string ExecCommandFor(const std::string& program) {
    bool needsQuotes = program.empty();
    for (char c : program) {
        needsQuotes = needsQuotes || IsReservedInExec(c);
    }
    std::string out = needsQuotes ? "\"" : "";
    for (char c : program) {
        if (c == '%') {
            out += "%%";
            continue;
        }
        if (needsQuotes && (c == '"' || c == '`' || c == '$' || c == '\\')) {
            out += '\\';
        }
        out += c;
    }
    if (needsQuotes) {
        out += '"';
    }
    return out;
}

std::vector<std::string> SplitExecCommand(const std::string& command) {
    std::vector<std::string> arguments;
    std::string current;
    bool started = false;  // something of the argument has been read
    bool kept = false;     // it holds more than field codes, so it stays
    bool quoted = false;
    const auto finish = [&] {
        if (kept) {
            arguments.push_back(current);
        }
        current.clear();
        started = kept = false;
    };
    for (std::size_t i = 0; i < command.size(); ++i) {
        const char c = command[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < command.size() &&
                       std::string("\"`$\\").find(command[i + 1]) != std::string::npos) {
                current += command[++i];
            } else if (c == '%' && i + 1 < command.size() && command[i + 1] == '%') {
                current += command[++i];
            } else {
                current += c;
            }
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\n') {
            if (started) {
                finish();
            }
            continue;
        }
        started = true;
        if (c == '"') {
            quoted = true;
            kept = true;
        } else if (c == '%' && i + 1 < command.size()) {
            if (command[++i] == '%') {
                current += '%';
                kept = true;
            }  // any other field code stands for what a launcher fills in: nothing here
        } else {
            current += c;
            kept = true;
        }
    }
    if (started) {
        finish();
    }
    return arguments;
}

std::string DesktopEntryValue(const std::string& fileText, const std::string& key) {
    std::istringstream lines(fileText);
    std::string line;
    bool inEntryGroup = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#') {
            continue;
        }
        if (trimmed[0] == '[') {
            inEntryGroup = trimmed == "[Desktop Entry]";
            continue;
        }
        const auto equals = trimmed.find('=');
        if (inEntryGroup && equals != std::string::npos && Trim(trimmed.substr(0, equals)) == key) {
            std::string value = line.substr(line.find('=') + 1);
            value.erase(0, value.find_first_not_of(" \t") == std::string::npos
                               ? value.size()
                               : value.find_first_not_of(" \t"));
            return UnescapeEntryString(value);
        }
    }
    return {};
}

}  // namespace ruvo::desktop

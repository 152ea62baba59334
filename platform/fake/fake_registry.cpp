#include "platform/fake/fake_registry.h"

#include <algorithm>
#include <sstream>
#include <string_view>
#include <utility>

namespace ruvo::fake {

namespace {

// Names are matched with their ASCII letters folded, as tolower does in the C locale, without
// its call per character: the settings are read and written several times a second.
char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), Fold);
    return text;
}

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return Fold(x) == Fold(y); });
}

std::string HiveName(platform::Hive hive) {
    return hive == platform::Hive::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

// Removes empty path parts, so "A\\B\" and "A\B" are the same key.
std::string CleanPath(const std::string& key) {
    std::string result;
    std::string part;
    auto flush = [&] {
        if (!part.empty()) {
            if (!result.empty()) {
                result += '\\';
            }
            result += part;
            part.clear();
        }
    };
    for (char c : key) {
        if (c == '\\') {
            flush();
        } else {
            part += c;
        }
    }
    flush();
    return result;
}

std::string FullPath(platform::Hive hive, const std::string& key) {
    const std::string clean = CleanPath(key);
    return clean.empty() ? HiveName(hive) : HiveName(hive) + "\\" + clean;
}

// The map's key of a key: its full path in lower case, made in one pass.
std::string KeyId(platform::Hive hive, const std::string& key) {
    std::string id = Lower(HiveName(hive));
    id.reserve(id.size() + key.size() + 1);
    bool partStarts = true;
    for (const char c : key) {
        if (c == '\\') {
            partStarts = true;
            continue;
        }
        if (partStarts) {
            id += '\\';
            partStarts = false;
        }
        id += Fold(c);
    }
    return id;
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

// Reads a quoted, escaped text starting at pos (at the opening quote); pos ends after the
// closing quote. False when the text is not closed.
bool ReadQuoted(const std::string& line, std::size_t& pos, std::string& out) {
    if (pos >= line.size() || line[pos] != '"') {
        return false;
    }
    ++pos;
    out.clear();
    while (pos < line.size()) {
        char c = line[pos++];
        if (c == '\\' && pos < line.size()) {
            out += line[pos++];
        } else if (c == '"') {
            return true;
        } else {
            out += c;
        }
    }
    return false;
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view TrimmedLeft(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : line.substr(first);
}

bool IsHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// Bytes as two hex digits each, separated by commas ("01,ff,2a"), the empty text too; with
// `continued` a last "," may be followed by a "\" that continues the list on the next line.
bool IsHexBytes(std::string_view data, bool continued) {
    if (continued && !data.empty() && data.back() == '\\') {
        data.remove_suffix(1);
        if (data.empty() || data.back() != ',') {
            return data.empty();
        }
        data.remove_suffix(1);
    }
    if (data.empty()) {
        return true;
    }
    for (std::size_t i = 0;; i += 3) {
        if (i + 2 > data.size() || !IsHexDigit(data[i]) || !IsHexDigit(data[i + 1])) {
            return false;
        }
        if (i + 2 == data.size()) {
            return true;
        }
        if (data[i + 2] != ',') {
            return false;
        }
    }
}

// The data of a value that is not a text: "dword:" with eight hex digits, or "hex:" or
// "hex(N):" with bytes (whose list may go on in the next lines).
bool IsBinaryStart(std::string_view data) {
    constexpr std::string_view dword = "dword:";
    if (data.substr(0, dword.size()) == dword) {
        data.remove_prefix(dword.size());
        return data.size() == 8 && std::all_of(data.begin(), data.end(), IsHexDigit);
    }
    constexpr std::string_view hex = "hex";
    if (data.substr(0, hex.size()) != hex) {
        return false;
    }
    data.remove_prefix(hex.size());
    if (!data.empty() && data.front() == '(') {
        const std::size_t close = data.find(')');
        if (close == std::string_view::npos || close == 1 ||
            !std::all_of(data.begin() + 1, data.begin() + static_cast<std::ptrdiff_t>(close),
                         IsHexDigit)) {
            return false;
        }
        data.remove_prefix(close + 1);
    }
    if (data.empty() || data.front() != ':') {
        return false;
    }
    return IsHexBytes(data.substr(1), true);
}

// The lines of a REGEDIT4 text, without their CR, counted for the error message.
class RegeditLines {
public:
    explicit RegeditLines(const std::string& text) : in_(text) {}
    bool next() {
        if (!std::getline(in_, line_)) {
            return false;
        }
        ++number_;
        if (!line_.empty() && line_.back() == '\r') {
            line_.pop_back();
        }
        return true;
    }
    const std::string& line() const { return line_; }
    [[noreturn]] void fail(const std::string& what, int number = 0) const {
        throw RegeditError(number == 0 ? number_ : number, what);
    }

private:
    std::istringstream in_;
    std::string line_;
    int number_ = 0;
};

// "[HKEY_CURRENT_USER\Software\Maker]": the hive and the path below it.
std::pair<platform::Hive, std::string> ParseKeyLine(const RegeditLines& lines) {
    const std::string& line = lines.line();
    if (line.back() != ']') {
        lines.fail("a key line without its closing ]");
    }
    const std::string full = line.substr(1, line.size() - 2);
    const std::size_t slash = full.find('\\');
    const std::string hiveName = full.substr(0, slash);
    std::string rest = slash == std::string::npos ? "" : full.substr(slash + 1);
    if (SameName(hiveName, "HKEY_CURRENT_USER")) {
        return {platform::Hive::CurrentUser, std::move(rest)};
    }
    if (SameName(hiveName, "HKEY_LOCAL_MACHINE")) {
        return {platform::Hive::LocalMachine, std::move(rest)};
    }
    lines.fail("a key outside HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE");
}

// "name"="text", or "name"=hex:... / dword:... whose byte list may go on in the next lines.
FakeRegistry::Value ParseValueLines(RegeditLines& lines) {
    const std::string& line = lines.line();
    std::size_t pos = 0;
    FakeRegistry::Value value{"", "", true};
    if (!ReadQuoted(line, pos, value.name) || pos >= line.size() || line[pos] != '=') {
        lines.fail("a value without \"name\"=");
    }
    ++pos;
    if (pos < line.size() && line[pos] == '"') {
        if (!ReadQuoted(line, pos, value.data) || pos != line.size()) {
            lines.fail("a text value that is not one closed quoted text");
        }
        return value;
    }
    value.isString = false;
    std::string_view data = std::string_view(line).substr(pos);
    if (!IsBinaryStart(data)) {
        lines.fail("a value that is neither a quoted text nor hex: or dword: data");
    }
    while (!data.empty() && data.back() == '\\') {
        if (!lines.next() || !IsHexBytes(TrimmedLeft(lines.line()), true)) {
            lines.fail("a continuation line that is not hex bytes");
        }
        data = lines.line();
    }
    return value;
}

}  // namespace

FakeRegistry::Key* FakeRegistry::find(platform::Hive hive, const std::string& key) {
    // The program asks for the same key nearly every time: that one is found by its name alone.
    if (lastFound_ != nullptr && lastFoundHive_ == hive && lastFoundName_ == key) {
        return lastFound_;
    }
    auto it = keys_.find(KeyId(hive, key));
    if (it == keys_.end()) {
        return nullptr;
    }
    lastFoundHive_ = hive;
    lastFoundName_ = key;
    lastFound_ = &it->second;
    return lastFound_;
}

FakeRegistry::Key& FakeRegistry::ensure(platform::Hive hive, const std::string& key) {
    if (Key* existing = find(hive, key)) {
        return *existing;
    }
    // Create every parent as well, as the registry does.
    const std::string full = FullPath(hive, key);
    std::size_t pos = 0;
    Key* last = nullptr;
    while (true) {
        pos = full.find('\\', pos + 1);
        const std::string prefix = full.substr(0, pos);
        auto [it, inserted] = keys_.try_emplace(Lower(prefix));
        if (inserted) {
            it->second.path = prefix;
        }
        last = &it->second;
        if (pos == std::string::npos) {
            break;
        }
    }
    return *last;
}

void FakeRegistry::checkWritable(platform::Hive hive) const {
    const bool readOnly = hive == platform::Hive::CurrentUser ? readOnlyUser_ : readOnlyMachine_;
    if (readOnly) {
        throw platform::RegistryError("Zugriff verweigert: " + HiveName(hive));
    }
}

void FakeRegistry::changed() {
    if (onChange_) {
        onChange_();
    }
}

bool FakeRegistry::keyExists(platform::Hive hive, const std::string& key) {
    return find(hive, key) != nullptr;
}

void FakeRegistry::createKey(platform::Hive hive, const std::string& key) {
    if (find(hive, key) != nullptr) {
        return;
    }
    checkWritable(hive);
    ensure(hive, key);
    changed();
}

bool FakeRegistry::valueExists(platform::Hive hive, const std::string& key,
                               const std::string& name) {
    Key* k = find(hive, key);
    return k != nullptr && std::any_of(k->values.begin(), k->values.end(),
                                       [&](const Value& v) { return SameName(v.name, name); });
}

std::optional<std::string> FakeRegistry::readString(platform::Hive hive, const std::string& key,
                                                    const std::string& name) {
    Key* k = find(hive, key);
    if (k == nullptr) {
        return std::nullopt;
    }
    for (const Value& v : k->values) {
        if (SameName(v.name, name)) {
            if (!v.isString) {
                throw platform::RegistryError("Ungültiger Datentyp für '" + name + "'");
            }
            return v.data;
        }
    }
    return std::nullopt;
}

void FakeRegistry::writeString(platform::Hive hive, const std::string& key, const std::string& name,
                               const std::string& text) {
    if (!keyExists(hive, key)) {
        checkWritable(hive);
    }
    Key& k = ensure(hive, key);
    for (Value& v : k.values) {
        if (SameName(v.name, name)) {
            // Writing the text a value holds already changes nothing, and tells no one; as on
            // the desktop, it is not refused where writing is not allowed.
            if (!v.isString || v.data != text) {
                checkWritable(hive);
                v.data = text;
                v.isString = true;
                changed();
            }
            return;
        }
    }
    checkWritable(hive);
    k.values.push_back(Value{name, text, true});
    changed();
}

void FakeRegistry::writeBinary(platform::Hive hive, const std::string& key,
                               const std::string& name) {
    writeString(hive, key, name, "");
    for (Value& v : find(hive, key)->values) {
        if (SameName(v.name, name)) {
            v.isString = false;
        }
    }
    changed();
}

void FakeRegistry::deleteValue(platform::Hive hive, const std::string& key,
                               const std::string& name) {
    Key* k = find(hive, key);
    if (k == nullptr) {
        return;
    }
    checkWritable(hive);
    const auto before = k->values.size();
    std::erase_if(k->values, [&](const Value& v) { return SameName(v.name, name); });
    if (k->values.size() != before) {
        changed();
    }
}

bool FakeRegistry::eraseTree(platform::Hive hive, const std::string& key) {
    const std::string full = KeyId(hive, key);
    const std::string prefix = full + "\\";
    lastFound_ = nullptr;
    return std::erase_if(keys_, [&](const auto& entry) {
               return entry.first == full || entry.first.rfind(prefix, 0) == 0;
           }) > 0;
}

void FakeRegistry::deleteKeyTree(platform::Hive hive, const std::string& key) {
    if (keys_.count(KeyId(hive, key)) == 0) {
        return;
    }
    checkWritable(hive);
    if (eraseTree(hive, key)) {
        changed();
    }
}

void FakeRegistry::replaceKey(platform::Hive hive, const std::string& key,
                              const NamedValues& values) {
    checkWritable(hive);
    eraseTree(hive, key);
    Key& replaced = ensure(hive, key);
    for (const auto& value : values) {
        auto same = std::find_if(replaced.values.begin(), replaced.values.end(),
                                 [&](const Value& v) { return SameName(v.name, value.first); });
        if (same != replaced.values.end()) {
            same->data = value.second;
        } else {
            replaced.values.push_back(Value{value.first, value.second, true});
        }
    }
    changed();
}

void FakeRegistry::setReadOnly(platform::Hive hive, bool readOnly) {
    (hive == platform::Hive::CurrentUser ? readOnlyUser_ : readOnlyMachine_) = readOnly;
}

std::vector<std::string> FakeRegistry::valueNames(platform::Hive hive,
                                                  const std::string& key) const {
    std::vector<std::string> names;
    auto it = keys_.find(KeyId(hive, key));
    if (it != keys_.end()) {
        for (const Value& v : it->second.values) {
            names.push_back(v.name);
        }
    }
    return names;
}

std::vector<FakeRegistry::Key> FakeRegistry::keys() const {
    std::vector<Key> result;
    for (const auto& [lower, key] : keys_) {
        result.push_back(key);
    }
    return result;
}

std::string FakeRegistry::toRegedit() const {
    std::string out = "REGEDIT4\n\n";
    for (const auto& [lower, key] : keys_) {
        out += "[" + key.path + "]\n";
        for (const Value& v : key.values) {
            out += '"';
            out += Escape(v.name);
            if (v.isString) {
                out += "\"=\"";
                out += Escape(v.data);
                out += "\"\n";
            } else {
                out += "\"=hex:\n";
            }
        }
        out += "\n";
    }
    return out;
}

void FakeRegistry::fromRegedit(const std::string& text) {
    FakeRegistry parsed;
    RegeditLines lines(text);
    if (!lines.next() || lines.line() != "REGEDIT4") {
        lines.fail("the first line is not REGEDIT4", 1);
    }
    Key* current = nullptr;
    while (lines.next()) {
        const std::string& line = lines.line();
        if (IsBlank(line) || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            const auto [hive, path] = ParseKeyLine(lines);
            current = &parsed.ensure(hive, path);
            continue;
        }
        if (line.front() != '"') {
            lines.fail("neither a key, a value, a comment nor blank");
        }
        if (current == nullptr) {
            lines.fail("a value before the first key");
        }
        Value value = ParseValueLines(lines);
        std::erase_if(current->values,
                      [&](const Value& v) { return SameName(v.name, value.name); });
        current->values.push_back(std::move(value));
    }
    lastFound_ = nullptr;
    keys_ = std::move(parsed.keys_);
}

}  // namespace ruvo::fake

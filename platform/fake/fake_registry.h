// An in-memory registry: keys of ordered values, names matched without regard to case. It can be
// written to and read from the REGEDIT4 text form, so that the simulator keeps it in a file.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace ruvo::fake {

// A text that is not a registry in REGEDIT4 form; says which line (from 1) is the first that
// cannot be taken.
class RegeditError : public std::runtime_error {
public:
    RegeditError(int line, const std::string& what) : std::runtime_error(what), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

class FakeRegistry final : public platform::Registry {
public:
    struct Value {
        std::string name;
        std::string data;
        bool isString = true;
    };
    struct Key {
        std::string path;  // as first written, with the hive's name in front
        std::vector<Value> values;
    };

    FakeRegistry() = default;
    // Not copied: the key found last points into this registry's own keys.
    FakeRegistry(const FakeRegistry&) = delete;
    FakeRegistry& operator=(const FakeRegistry&) = delete;

    bool keyExists(platform::Hive hive, const std::string& key) override;
    void createKey(platform::Hive hive, const std::string& key) override;
    bool valueExists(platform::Hive hive, const std::string& key, const std::string& name) override;
    std::optional<std::string> readString(platform::Hive hive, const std::string& key,
                                          const std::string& name) override;
    void writeString(platform::Hive hive, const std::string& key, const std::string& name,
                     const std::string& text) override;
    void deleteValue(platform::Hive hive, const std::string& key, const std::string& name) override;
    void deleteKeyTree(platform::Hive hive, const std::string& key) override;
    // One change notification for the whole replacement.
    void replaceKey(platform::Hive hive, const std::string& key,
                    const NamedValues& values) override;

    // Puts a value of another kind than text, which every read refuses.
    void writeBinary(platform::Hive hive, const std::string& key, const std::string& name);
    // While set, writes and deletes under that hive are refused with a RegistryError.
    void setReadOnly(platform::Hive hive, bool readOnly);
    // Called after every change; a write of the text a value holds already is none.
    void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }

    // The names of a key's values, in the order they were first written.
    std::vector<std::string> valueNames(platform::Hive hive, const std::string& key) const;
    // Every key in order of its full path.
    std::vector<Key> keys() const;

    // REGEDIT4 text: "REGEDIT4", an empty line, then per key "[full path]", its values as
    // "name"="data" (backslash and double quote escaped), and an empty line.
    std::string toRegedit() const;
    // Replaces the content with the parsed text: the first line "REGEDIT4", then keys of the two
    // hives and their values, blank lines and ";" comments; a value is a quoted text or binary
    // data (hex:, hex(N):, dword:, with "\" continuation lines). Throws RegeditError at the first
    // line that is anything else, and then leaves the content as it was.
    void fromRegedit(const std::string& text);

private:
    using KeyMap = std::map<std::string, Key>;  // by lower-case full path
    Key* find(platform::Hive hive, const std::string& key);
    Key& ensure(platform::Hive hive, const std::string& key);
    void checkWritable(platform::Hive hive) const;
    // Removes the key and its subkeys; false when there was none.
    bool eraseTree(platform::Hive hive, const std::string& key);
    void changed();

    KeyMap keys_;
    // The key Find found last, by the hive and name it was asked by; none after a key was erased.
    Key* lastFound_ = nullptr;
    platform::Hive lastFoundHive_ = platform::Hive::CurrentUser;
    std::string lastFoundName_;
    bool readOnlyUser_ = false;
    bool readOnlyMachine_ = false;
    std::function<void()> onChange_;
};

}  // namespace ruvo::fake

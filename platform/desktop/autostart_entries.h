// The machine's autostart ("Run") key kept as XDG autostart entries: the value "<name>" is the
// file "<autostart folder>/<name>.desktop", matched without regard to case, and its data is the
// program the entry starts. Writing creates or replaces the file atomically; deleting removes
// it. Entries of other programs in the folder are values of the key like any other.
#pragma once

#include <optional>
#include <string>

namespace ruvo::desktop {

class AutostartEntries {
public:
    // `entryName` is the Name= of the entries written (the program's title).
    AutostartEntries(std::string folder, std::string entryName);

    bool valueExists(const std::string& name) const;
    // The Exec command of the entry, unquoted; its arguments, if any, joined by spaces.
    // Throws RegistryError when the file cannot be read.
    std::optional<std::string> readString(const std::string& name) const;
    // Throws RegistryError when the name cannot be a file name or the file cannot be written.
    void writeString(const std::string& name, const std::string& program);
    void deleteValue(const std::string& name);

    // The text of an entry that starts `program`.
    std::string entryText(const std::string& program) const;
    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
    std::string entryName_;
};

}  // namespace ruvo::desktop

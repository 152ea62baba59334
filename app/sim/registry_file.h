// The simulated registry kept in DIR/registry.reg (REGEDIT4 text, UTF-8): read when the run begins
// and rewritten by the simulator after each script line that changed it, and when the program is
// killed, so that the file holds what a real registry would hold between the script's lines.
#pragma once

#include <string>

#include "platform/fake/fake_registry.h"

namespace ruvo::sim {

class RegistryFile {
public:
    explicit RegistryFile(std::string path) : path_(std::move(path)) {}

    // Loads the file into the registry when it exists (a UTF-8 byte order mark is skipped; an
    // empty file is an empty registry). Throws MachineFailure, naming the file and the line,
    // when it exists but cannot be read or is not a registry in REGEDIT4 form.
    void load(fake::FakeRegistry& registry) const;
    // Writes the registry to a new temporary file beside it (created exclusively, under a name
    // nobody can foresee) and renames that over the file. Throws MachineFailure when that fails,
    // and leaves no temporary file behind.
    void save(const fake::FakeRegistry& registry) const;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace ruvo::sim

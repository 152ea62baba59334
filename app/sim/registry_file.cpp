#include "app/sim/registry_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/sim/sim_errors.h"

namespace ruvo::sim {

void RegistryFile::load(fake::FakeRegistry& registry) const {
    std::error_code error;
    if (!std::filesystem::exists(path_, error)) {
        return;
    }
    std::ifstream in(path_, std::ios::binary);
    if (!in.is_open()) {
        throw MachineFailure{"cannot read " + path_};
    }
    std::stringstream content;
    content << in.rdbuf();
    std::string text = content.str();
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) {
        text.erase(0, 3);
    }
    registry.fromRegedit(text);
}

void RegistryFile::save(const fake::FakeRegistry& registry) const {
    const std::string temporary = path_ + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << registry.toRegedit();
        out.flush();
        if (!out) {
            throw MachineFailure{"cannot write " + temporary};
        }
    }
    if (std::rename(temporary.c_str(), path_.c_str()) != 0) {
        throw MachineFailure{"cannot replace " + path_};
    }
}

}  // namespace ruvo::sim

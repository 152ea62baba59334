// write_autostart_entry CONFIG PROGRAM: writes the autostart entry exactly as the program does
// when the user asks to start it at log-in (the program's autostart code on the desktop
// platform's registry), with CONFIG as the user's config folder and PROGRAM as the path of the
// running program. Prints the path of the file written.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <utility>

#include "base/identity.h"
#include "platform/desktop/desktop_registry.h"
#include "program/autostart.h"

namespace {

// The program's path as the installed program would find its own.
class InstalledProgram final : public ruvo::platform::Paths {
public:
    explicit InstalledProgram(std::string path) : path_(std::move(path)) {}
    std::string programFilePath() override { return path_; }
    std::string programDirectory() override {
        return std::filesystem::path(path_).parent_path().string() + "/";
    }

private:
    std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: write_autostart_entry CONFIG PROGRAM\n");
        return 2;
    }
    const std::string config = argv[1];
    try {
        ruvo::desktop::DesktopRegistry registry(config, ruvo::ApplicationTitle);
        InstalledProgram program(argv[2]);
        ruvo::AutostartEntry(registry, program).write();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "write_autostart_entry: %s\n", error.what());
        return 1;
    }
    std::printf("%s/autostart/%s.desktop\n", config.c_str(), ruvo::VersionName);
    return 0;
}

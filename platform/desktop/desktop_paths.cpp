#include "platform/desktop/desktop_paths.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace ruvo::desktop {

DesktopPaths::DesktopPaths(std::string dataHome, std::string dataFolderName)
    : directory_(std::move(dataHome) + "/" + std::move(dataFolderName) + "/") {}

std::string DesktopPaths::programFilePath() {
    std::error_code error;
    std::string path = std::filesystem::read_symlink("/proc/self/exe", error).string();
    const std::string deleted = " (deleted)";
    if (path.size() > deleted.size() &&
        path.compare(path.size() - deleted.size(), deleted.size(), deleted) == 0) {
        path.resize(path.size() - deleted.size());
    }
    return path;
}

std::string DesktopPaths::programDirectory() {
    // A failure shows later, when a data file cannot be opened there.
    std::error_code error;
    std::filesystem::create_directories(directory_, error);
    return directory_;
}

}  // namespace ruvo::desktop

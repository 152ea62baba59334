#include "platform/desktop/system_error_text.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

namespace ruvo::desktop {

std::string SystemErrorText(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "Zugriff verweigert";
        case ENOENT:
            return "ein übergeordneter Ordner fehlt";
        case ENOTDIR:
            return "ein Teil des Pfades ist kein Ordner";
        case EROFS:
            return "das Dateisystem ist schreibgeschützt";
        case ENOSPC:
        case EDQUOT:
            return "kein Speicherplatz mehr frei";
        case EMFILE:
        case ENFILE:
            return "zu viele offene Dateien";
        case ENOLCK:
            return "das Dateisystem kann keine Sperren setzen";
        default:
            return "Systemfehler Nr. " + std::to_string(error);
    }
}

std::string WriteFailureReason(const std::string& folder, const std::string& file) {
    // The file is replaced through a new file in its folder, so the folder must take one.
    if (access(folder.c_str(), W_OK) != 0) {
        return SystemErrorText(errno);
    }
    if (access(file.c_str(), W_OK) != 0 && errno != ENOENT) {
        return SystemErrorText(errno);
    }
    struct statvfs space {};
    if (statvfs(folder.c_str(), &space) == 0 &&
        (space.f_bavail == 0 || (space.f_files > 0 && space.f_favail == 0))) {
        return SystemErrorText(ENOSPC);
    }
    return {};
}

bool HasRoomFor(const std::string& folder, std::int64_t bytes) {
    struct statvfs space {};
    if (statvfs(folder.c_str(), &space) != 0 || space.f_frsize == 0) {
        return true;
    }
    constexpr std::int64_t kMargin = 16 * 1024;  // the lock file and a partly used block
    const auto available =
        static_cast<std::int64_t>(space.f_bavail) * static_cast<std::int64_t>(space.f_frsize);
    return available >= bytes + kMargin;
}

}  // namespace ruvo::desktop

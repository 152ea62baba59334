#include "base/file_error_text.h"

#include <cerrno>
#include <cstring>

namespace ruvo {

std::string FileErrorReason(const FileError& error) {
    if (error.kind() == FileError::Kind::Unencodable) {
        return "ein Text enthält ein Zeichen, das im Zeichensatz Windows-1252 nicht vorkommt";
    }
    switch (error.systemError()) {
        case EACCES:
        case EPERM:
            return "keine Berechtigung";
        case ENOENT:
            return "nicht vorhanden";
        case EMFILE:
        case ENFILE:
            return "zu viele geöffnete Dateien";
        case EIO:
            return "Ein-/Ausgabefehler";
        case EISDIR:
            return "ist ein Ordner";
        case ELOOP:
            return "zu viele symbolische Verknüpfungen";
        case ENOTDIR:
            return "ein Teil des Pfades ist kein Ordner";
        case ENAMETOOLONG:
            return "der Name ist zu lang";
        case EFBIG:
            return "größer, als eine Datendatei sein kann";
        case EEXIST:
            return "der Name ist schon vergeben";
        case ENOSPC:
            return "kein Platz mehr auf dem Datenträger";
        case EROFS:
            return "der Datenträger ist schreibgeschützt";
        case 0:
            return error.what();
        default:
            return std::strerror(error.systemError());
    }
}

}  // namespace ruvo

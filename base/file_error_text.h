// The reason of a failed file operation in words for the user.
#pragma once

#include <string>

#include "base/file_error.h"

namespace ruvo {

// "keine Berechtigung", "zu viele geöffnete Dateien", "ist ein Ordner" ... from the error's
// errno value; the system's own text for a value without a German one. A text the file's code
// page cannot hold is said as such.
std::string FileErrorReason(const FileError& error);

}  // namespace ruvo

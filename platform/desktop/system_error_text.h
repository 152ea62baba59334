// What a failed system call's errno value means, in words for the user.
#pragma once

#include <cstdint>
#include <string>

namespace ruvo::desktop {

// "Zugriff verweigert", "das Dateisystem ist schreibgeschützt" ...; the number for a value
// without a German text.
std::string SystemErrorText(int error);

// Why a file in `folder` cannot be written, found out after a write failed without saying why:
// the folder or the file refuses writing, or the file system is full. Empty when nothing tells.
std::string WriteFailureReason(const std::string& folder, const std::string& file);

// Whether the file system of `folder` has room for a file of `bytes` written beside the old one,
// with a margin for a lock file. True when that cannot be found out.
bool HasRoomFor(const std::string& folder, std::int64_t bytes);

}  // namespace ruvo::desktop

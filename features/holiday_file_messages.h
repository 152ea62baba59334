// What the user is told when "Feiertage.dat" cannot be imported, or only in part.
#pragma once

#include <string>

#include "base/file_error.h"
#include "domain/holiday_file.h"

namespace ruvo {

// The file was checked and refused (its problem is not None): which file, why, and that nothing
// of it is taken.
std::string HolidayFileRefusedText(const std::string& path, const HolidayImport& file);
// The file exists but cannot be read.
std::string HolidayFileUnreadableText(const std::string& path, const FileError& error);
// Some entries of an imported file were left out (its firstUnusable is not 0).
std::string HolidaysLeftOutText(const std::string& path, const HolidayImport& file);

}  // namespace ruvo

#include "domain/holiday_file.h"

#include <filesystem>
#include <system_error>

#include "base/file_io.h"
#include "base/line_reader.h"
#include "base/text_codec.h"
#include "domain/calendar.h"

namespace ruvo {

HolidayList ParseHolidayFile(std::string_view bytes) {
    HolidayList holidays;
    LineReader lines(bytes);
    while (const auto date = lines.next()) {
        if (date->text == "0") {
            break;
        }
        const auto name = lines.next();
        if (!name) {
            break;
        }
        holidays.push_back({Cp1252ToUtf8(date->text), Cp1252ToUtf8(name->text)});
    }
    return holidays;
}

bool IsUsableHoliday(const HolidayEntry& entry) {
    bool named = false;
    for (const char c : entry.name) {
        // Blanks and control characters are no name.
        named = named || static_cast<unsigned char>(c) > ' ';
    }
    return named && IsValidDateText(entry.date);
}

HolidayImport CheckHolidayFile(std::string_view bytes) {
    HolidayImport result;
    result.fileBytes = bytes.size();
    if (bytes.size() > kMaxHolidayFileBytes) {
        result.problem = HolidayImport::Problem::TooLarge;
        return result;
    }
    HolidayList entries = ParseHolidayFile(bytes);
    result.entryCount = entries.size();
    if (entries.size() > kMaxHolidayFileEntries) {
        result.problem = HolidayImport::Problem::TooManyEntries;
        return result;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (IsUsableHoliday(entries[i])) {
            result.holidays.push_back(std::move(entries[i]));
        } else if (result.firstUnusable == 0) {
            result.firstUnusable = i + 1;
        }
    }
    if (result.holidays.empty()) {
        result.problem = HolidayImport::Problem::NoUsableEntry;
    }
    return result;
}

HolidayImport ReadHolidayFile(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxHolidayFileBytes) {
        HolidayImport result;
        result.problem = HolidayImport::Problem::TooLarge;
        result.fileBytes = size;
        return result;
    }
    // A file that grows past the limit after that look is refused by the read.
    return CheckHolidayFile(ReadWholeFile(path, kMaxHolidayFileBytes));
}

}  // namespace ruvo

#include "domain/holiday_file.h"

#include "base/file_io.h"
#include "base/line_reader.h"
#include "base/text_codec.h"

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

HolidayList ReadHolidayFile(const std::string& path) {
    return ParseHolidayFile(ReadWholeFile(path));
}

}  // namespace ruvo

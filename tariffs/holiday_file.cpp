#include "tariffs/holiday_file.h"

#include "records/file_io.h"
#include "records/line_reader.h"
#include "records/text_codec.h"

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

#include "features/csv_export.h"

#include "base/file_error.h"
#include "base/file_error_text.h"
#include "base/file_io.h"
#include "base/messages.h"
#include "base/money.h"
#include "base/text_codec.h"
#include "domain/calendar.h"
#include "features/print_list.h"

namespace ruvo {
namespace {

// A text field, quoted when it holds a separator, a quote or a line end.
std::string Field(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

// 1234 Pfennig as "12,34", -5 as "-0,05".
std::string Amount(std::int32_t pfennig) {
    const std::int64_t amount = pfennig;
    const std::int64_t magnitude = amount < 0 ? -amount : amount;
    const std::int64_t cents = magnitude % 100;
    return std::string(amount < 0 ? "-" : "") + std::to_string(magnitude / 100) + "," +
           (cents < 10 ? "0" : "") + std::to_string(cents);
}

// dd.mm.yy as dd.mm.yyyy; a text that is no date stays as it is.
std::string FullDate(const std::string& date, int century) {
    if (!IsValidDateText(date)) {
        return date;
    }
    return date.substr(0, 6) + std::to_string(century + std::stoi(date.substr(6, 2)));
}

}  // namespace

std::string ConnectionsCsv(const std::vector<ConnectionRow>& rows, int century) {
    std::string text =
        "Datum;Start;Ende;Dauer (Sekunden);Dauer;Telefongebühren (DM);Providergebühren (DM);"
        "Gesamte Gebühren (DM);Einheiten;Tarif\r\n";
    for (const ConnectionRow& row : rows) {
        text += FullDate(row.date, century) + ";" + row.start + ";" + row.end + ";" +
                IntToStr(row.seconds) + ";" + DurationText(row.seconds) + ";" +
                Amount(row.telephone) + ";" + Amount(row.provider) + ";" + Amount(row.total) + ";" +
                Field(row.units) + ";" + Field(row.tariff) + "\r\n";
    }
    const auto bytes = Utf8ToCp1252(text);
    if (!bytes) {
        throw FileError(FileError::Kind::Unencodable, "", "not a Windows-1252 text");
    }
    return *bytes;
}

std::string ExportFileName(const std::string& periodBoxText, const platform::LocalDateTime& today) {
    std::string period = PeriodText(periodBoxText, today);
    std::string name = "Verbindungen-";
    for (const char c : period) {
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') || c == '.' || c == '-';
        if (kept) {
            name += c;
        } else if (name.back() != '-') {
            name += '-';
        }
    }
    while (name.back() == '-') {
        name.pop_back();
    }
    return name + ".csv";
}

bool ExportToFile(const std::string& path, const std::string& bytes,
                  platform::WindowSystem& windows) {
    if (FileExists(path) && !AskYesNo(windows, "Die Datei '" + path +
                                                   "' ist schon vorhanden.\n\nSoll sie ersetzt "
                                                   "werden?")) {
        return false;
    }
    try {
        WriteFileAtomically(path, bytes);
    } catch (const FileError& error) {
        Inform(windows,
               "Die Datei '" + path + "' kann nicht geschrieben werden: " + FileErrorReason(error) +
                   ".\n\nEine vorhandene Datei ist unverändert.",
               platform::MessageIcon::Error);
        return false;
    }
    return true;
}

}  // namespace ruvo

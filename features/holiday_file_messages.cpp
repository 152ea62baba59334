#include "features/holiday_file_messages.h"

namespace ruvo {

namespace {

const char* const kEntryForm =
    "(eine Zeile mit dem Datum in der Form TT.MM.JJ und darunter eine Zeile mit dem Namen)";

std::string Refusal(const std::string& path, const std::string& reason) {
    return "Die Feiertagsdatei '" + path + "' wird nicht geladen: " + reason +
           "\n\nEs werden keine Feiertage aus ihr übernommen.";
}

}  // namespace

std::string HolidayFileRefusedText(const std::string& path, const HolidayImport& file) {
    switch (file.problem) {
        case HolidayImport::Problem::TooLarge:
            return Refusal(path, "Sie ist " + std::to_string(file.fileBytes) +
                                     " Bytes groß, eine Feiertagsdatei hat höchstens " +
                                     std::to_string(kMaxHolidayFileBytes) + " Bytes.");
        case HolidayImport::Problem::TooManyEntries:
            return Refusal(path, "Sie enthält " + std::to_string(file.entryCount) +
                                     " Einträge, eine Feiertagsdatei hat höchstens " +
                                     std::to_string(kMaxHolidayFileEntries) + ".");
        case HolidayImport::Problem::NoUsableEntry:
        case HolidayImport::Problem::None:
            break;
    }
    return Refusal(path, std::string("Sie enthält keinen gültigen Feiertag ") + kEntryForm + ".");
}

std::string HolidayFileUnreadableText(const std::string& path, const FileError& error) {
    // The system's own account, without the path that the text names already.
    std::string account = error.what();
    if (!error.path().empty() && account.rfind(error.path() + ": ", 0) == 0) {
        account.erase(0, error.path().size() + 2);
    }
    const char* what = error.kind() == FileError::Kind::Open ? "geöffnet" : "gelesen";
    return Refusal(path, std::string("Sie kann nicht ") + what + " werden (" + account + ").");
}

std::string HolidaysLeftOutText(const std::string& path, const HolidayImport& file) {
    const std::size_t leftOut = file.entryCount - file.holidays.size();
    const std::string first = std::to_string(file.firstUnusable) + ". Eintrag";
    if (leftOut == 1) {
        return "Der " + first + " der Feiertagsdatei '" + path + "' ist kein gültiger Feiertag " +
               kEntryForm + " und wurde nicht übernommen.";
    }
    return std::to_string(leftOut) + " von " + std::to_string(file.entryCount) +
           " Einträgen der Feiertagsdatei '" + path + "' sind kein gültiger Feiertag " +
           kEntryForm + ", zuerst der " + first + ". Sie wurden nicht übernommen.";
}

}  // namespace ruvo

#include "features/holiday_store.h"

#include <filesystem>
#include <system_error>

#include "base/file_error.h"
#include "base/file_error_text.h"
#include "base/file_io.h"
#include "base/messages.h"
#include "base/setting_names.h"
#include "domain/calendar.h"
#include "features/holiday_file_messages.h"

namespace ruvo {

using platform::Hive;

std::string HolidayStore::filePath() const {
    return platform_.paths.programDirectory() + "Feiertage.dat";
}

bool HolidayStore::filePresent() const {
    std::error_code error;
    return std::filesystem::exists(filePath(), error);
}

std::optional<HolidayImport> HolidayStore::readFile() {
    try {
        HolidayImport file = ReadHolidayFile(filePath());
        if (file.problem == HolidayImport::Problem::None) {
            return file;
        }
        Inform(platform_.windowSystem, HolidayFileRefusedText(filePath(), file),
               platform::MessageIcon::Warning);
    } catch (const FileError& error) {
        Inform(platform_.windowSystem, HolidayFileUnreadableText(filePath(), error),
               platform::MessageIcon::Warning);
    }
    return std::nullopt;
}

void HolidayStore::adopt(HolidayImport& file, HolidayList& list) {
    const std::string leftOut =
        file.firstUnusable != 0 ? HolidaysLeftOutText(filePath(), file) : std::string();
    list = std::move(file.holidays);
    Inform(platform_.windowSystem,
           "Die Datei 'Feiertage.dat' wurde erfolgreich in das Programm geladen.");
    if (!leftOut.empty()) {
        Inform(platform_.windowSystem, leftOut, platform::MessageIcon::Warning);
    }
}

bool HolidayStore::importHolidayFile(HolidayList& list) {
    if (!filePresent()) {
        Inform(platform_.windowSystem,
               "Die Datei 'Feiertage.dat' befindet sich nicht im Verzeichnis '" +
                   platform_.paths.programDirectory() +
                   "'. Bitte kopieren Sie die Datei dorthin und versuchen Sie es dann erneut. "
                   "\n\nHinweis:\nMit der Schaltfläche 'Feiertage berechnen' berechnet "
                   "Ruvometer die gesetzlichen Feiertage selbst.");
        return false;
    }
    std::optional<HolidayImport> file = readFile();
    if (!file) {
        return false;
    }
    adopt(*file, list);
    return true;
}

bool HolidayStore::ImportChosenFile(const std::string& chosenPath, HolidayList& list) {
    std::error_code sameError;
    if (std::filesystem::equivalent(chosenPath, filePath(), sameError)) {
        return importHolidayFile(list);
    }
    std::string bytes;
    try {
        const HolidayImport checked = ReadHolidayFile(chosenPath);
        if (checked.problem != HolidayImport::Problem::None) {
            Inform(platform_.windowSystem, HolidayFileRefusedText(chosenPath, checked),
                   platform::MessageIcon::Warning);
            return false;
        }
        bytes = ReadWholeFile(chosenPath, kMaxHolidayFileBytes);
    } catch (const FileError& error) {
        Inform(platform_.windowSystem, HolidayFileUnreadableText(chosenPath, error),
               platform::MessageIcon::Warning);
        return false;
    }
    try {
        // The file it replaces is the user's too: kept when it says something else.
        const std::optional<std::string> old = ReadFileIfPresent(filePath(), kMaxDataFileBytes);
        if (old && *old != bytes) {
            WriteFileAtomically(filePath() + ".alt", *old);
        }
        WriteFileAtomically(filePath(), bytes);
    } catch (const FileError& error) {
        Inform(platform_.windowSystem,
               "Die Datei '" + chosenPath + "' konnte nicht als '" + filePath() +
                   "' in den Datenordner kopiert werden: " + FileErrorReason(error) +
                   ".\n\nDie Feiertage bleiben, wie sie sind.",
               platform::MessageIcon::Warning);
        return false;
    }
    return importHolidayFile(list);
}

std::optional<Land> HolidayStore::StoredLand() {
    return LandFromCode(settings_.readIfPresent(setting::HolidayLand).value_or(""));
}

void HolidayStore::StoreLand(std::optional<Land> land) {
    settings_.writeSetting(setting::HolidayLand, land ? NameOf(*land).code : "");
}

void HolidayStore::ComputeHolidays(int year, HolidayList& list) {
    list = GermanHolidays(year, StoredLand());
}

void HolidayStore::saveHolidays(const HolidayList& list) {
    // One write of the whole list: each value written on its own rewrites the whole settings
    // file, which made a long list take minutes, and a crash half-way left half a list.
    platform::Registry::NamedValues values;
    values.reserve(list.size() * 2);
    for (std::size_t i = 0; i < list.size(); ++i) {
        values.emplace_back(std::to_string(i) + "A", list[i].date);
        values.emplace_back(std::to_string(i) + "B", list[i].name);
    }
    platform_.registry.replaceKey(Hive::CurrentUser, settings_.subkeyPath(setting::HolidaySubkey),
                                  values);
}

void HolidayStore::readRegistry(HolidayList& list) {
    const std::string key = settings_.subkeyPath(setting::HolidaySubkey);
    auto& registry = platform_.registry;
    registry.createKey(Hive::CurrentUser, key);
    list.clear();
    for (std::size_t n = 0;; ++n) {
        const std::string index = std::to_string(n);
        // A value that does not exist reads as nothing, which ends the list; so an entry takes
        // two reads, not three (on the desktop every read goes through the whole settings file).
        const std::optional<std::string> date =
            registry.readString(Hive::CurrentUser, key, index + "A");
        if (!date) {
            break;
        }
        const std::string name =
            registry.readString(Hive::CurrentUser, key, index + "B").value_or("");
        if (!date->empty() && !name.empty()) {
            list.push_back({*date, name});
        }
    }
}

void HolidayStore::loadHolidays(HolidayList& list) {
    readRegistry(list);
    if (list.empty()) {
        if (filePresent()) {
            // One import only: a file that yields nothing would be found again and again. A
            // file that cannot be imported is refused before the import is announced.
            if (std::optional<HolidayImport> file = readFile()) {
                Inform(platform_.windowSystem,
                       "Es sind keine Feiertage eingetragen. Es befindet sich jedoch eine "
                       "Feiertagsdatei im Programmverzeichnis von Ruvometer.\n\nDiese wird "
                       "jetzt importiert.");
                adopt(*file, list);
                saveHolidays(list);
                readRegistry(list);
            }
        } else {
            Inform(platform_.windowSystem,
                   "Es sind keine Feiertage eingetragen.\n\nUnter Telefon->Feiertage berechnet "
                   "Ruvometer die gesetzlichen Feiertage mit der Schaltfläche 'Feiertage "
                   "berechnen'. Sie können dort auch eine Feiertagsdatei mit der Schaltfläche "
                   "'Feiertagsdatei laden' in das Programm laden.");
        }
    }
    const std::string year = CurrentYearText(platform_.clock.now());
    for (const HolidayEntry& entry : list) {
        if (entry.date.size() < 8 || entry.date.substr(6, 2) != year) {
            Inform(platform_.windowSystem,
                   "Es wurde festgestellt, daß sich unter den Feiertagen, Tage befinden, die "
                   "nicht zum aktuellen Jahr gehören.\n\nBitte überprüfen Sie dies oder laden "
                   "Sie ggf. eine neue Feiertagsdatei aus dem Internet herunter.");
            break;
        }
    }
}

}  // namespace ruvo

#include "features/holiday_store.h"

#include "base/file_error.h"
#include "base/file_io.h"
#include "base/messages.h"
#include "base/setting_names.h"
#include "domain/calendar.h"
#include "domain/holiday_file.h"

namespace ruvo {

using platform::Hive;

std::string HolidayStore::filePath() const {
    return platform_.paths.programDirectory() + "Feiertage.dat";
}

bool HolidayStore::ImportHolidayFile(HolidayList& list) {
    if (!FileExists(filePath())) {
        Inform(platform_.windowSystem,
               "Die Datei 'Feiertage.dat' befindet sich nicht im Verzeichnis '" +
                   platform_.paths.programDirectory() +
                   "'. Bitte kopieren Sie die Datei dorthin und versuchen Sie es dann erneut. "
                   "\n\nHinweis:\nSie sollten die aktuelle Feiertagsdatei für das aktuelle Jahr "
                   "aus dem Internet von der Quelmar Homepage herunterladen.");
        return false;
    }
    try {
        list = ReadHolidayFile(filePath());
    } catch (const FileError&) {
        platform_.sound.beep(platform::Beep::Default);
        return false;
    }
    Inform(platform_.windowSystem,
           "Die Datei 'Feiertage.dat' wurde erfolgreich in das Programm geladen.");
    return !list.empty();
}

void HolidayStore::SaveHolidays(const HolidayList& list) {
    const std::string key = settings_.SubkeyPath(setting::HolidaySubkey);
    auto& registry = platform_.registry;
    registry.deleteKeyTree(Hive::CurrentUser, key);
    registry.createKey(Hive::CurrentUser, key);
    for (std::size_t i = 0; i < list.size(); ++i) {
        registry.writeString(Hive::CurrentUser, key, std::to_string(i) + "A", list[i].date);
        registry.writeString(Hive::CurrentUser, key, std::to_string(i) + "B", list[i].name);
    }
}

void HolidayStore::readRegistry(HolidayList& list) {
    const std::string key = settings_.SubkeyPath(setting::HolidaySubkey);
    auto& registry = platform_.registry;
    registry.createKey(Hive::CurrentUser, key);
    list.clear();
    for (std::size_t n = 0;; ++n) {
        const std::string index = std::to_string(n);
        if (!registry.valueExists(Hive::CurrentUser, key, index + "A")) {
            break;
        }
        const std::string date =
            registry.readString(Hive::CurrentUser, key, index + "A").value_or("");
        const std::string name =
            registry.readString(Hive::CurrentUser, key, index + "B").value_or("");
        if (!date.empty() && !name.empty()) {
            list.push_back({date, name});
        }
    }
}

void HolidayStore::LoadHolidays(HolidayList& list) {
    readRegistry(list);
    if (list.empty()) {
        if (FileExists(filePath())) {
            Inform(platform_.windowSystem,
                   "Es sind keine Feiertage eingetragen. Es befindet sich jedoch eine "
                   "Feiertagsdatei im Programmverzeichnis von Ruvometer.\n\nDiese wird jetzt "
                   "importiert.");
            // One import only: a file that yields nothing would be found again and again.
            if (ImportHolidayFile(list)) {
                SaveHolidays(list);
                readRegistry(list);
            }
        } else {
            Inform(platform_.windowSystem,
                   "Es sind keine Feiertage eingetragen.\n\nBitte laden Sie sich die aktuelle "
                   "Feiertagsdatei aus dem Internet von der Quelmar Homepage herunter und "
                   "speichern Sie sie im Programmverzeichnis von Ruvometer. Starten Sie "
                   "Ruvometer daraufhin erneut.");
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

#include "features/database_writer.h"

#include <utility>

#include "base/file_error.h"
#include "base/messages.h"
#include "base/setting_names.h"
#include "domain/database_file.h"
#include "features/autosave.h"

namespace ruvo {
namespace {

// What went wrong, in the user's words, with the system's own account after it.
std::string ReasonText(const FileError& error) {
    std::string text;
    switch (error.kind()) {
        case FileError::Kind::Open:
            text = "Die Datei oder ihr Ordner kann nicht geöffnet werden.";
            break;
        case FileError::Kind::Read:
            text = "Die Datei kann nicht gelesen werden.";
            break;
        case FileError::Kind::Write:
            text = "Die Datei kann nicht geschrieben werden.";
            break;
        case FileError::Kind::Unencodable:
            text = "Ein Text enthält ein Zeichen, das die Datei nicht aufnehmen kann.";
            break;
        case FileError::Kind::Damaged:
            text = "Der Inhalt der Datei läßt es nicht zu.";
            break;
    }
    return text + "\n(" + error.what() + ")";
}

std::string ConnectionText(const ConnectionRecord& record) {
    return "Die Verbindung vom " + record.startDate + " um " + record.startTime;
}

}  // namespace

DatabaseWriter::DatabaseWriter(SettingsStore& settings, platform::WindowSystem& windows,
                               DesktopNotices& notices, HeldDatabases& databases,
                               std::function<std::string()> databasePath)
    : settings_(settings),
      windows_(windows),
      notices_(notices),
      databases_(databases),
      databasePath_(std::move(databasePath)) {}

bool DatabaseWriter::save(const ConnectionRecord& record) {
    writeKept();
    if (!mayHaveKept_) {
        try {
            append(record);
            return true;
        } catch (const FileError& error) {
            keep(record, ReasonText(error));
            return false;
        }
    }
    // Earlier records could not be written either: this one goes after them.
    keep(record, keptReason_);
    return false;
}

bool DatabaseWriter::saveUnlessStored(const ConnectionRecord& record) {
    try {
        if (alreadyStored(record)) {
            return true;
        }
    } catch (const FileError&) {
        // The save below meets the same file and says what is wrong with it.
    }
    return save(record);
}

bool DatabaseWriter::writeKept() {
    if (!mayHaveKept_) {
        return false;
    }
    std::vector<ConnectionRecord> kept = loadKept();
    std::size_t written = 0;
    try {
        for (const ConnectionRecord& record : kept) {
            if (!alreadyStored(record)) {
                append(record);
            }
            ++written;
        }
    } catch (const FileError& error) {
        // Still not writable; they wait for the next try, and the user knows already.
        keptReason_ = ReasonText(error);
    }
    if (written > 0) {
        kept.erase(kept.begin(), kept.begin() + static_cast<std::ptrdiff_t>(written));
        storeKept(kept);
    }
    mayHaveKept_ = !kept.empty();
    return written > 0;
}

bool DatabaseWriter::alreadyStored(const ConnectionRecord& record) {
    if (record.startTime.empty() || record.startDate.empty()) {
        return false;
    }
    const std::string databasePath = databasePath_();
    std::vector<std::string> paths = {databasePath};
    const std::size_t nameLength = DatabaseFileName("00").size();
    if (record.endDate.size() == 8 && databasePath.size() >= nameLength) {
        const std::string folder = databasePath.substr(0, databasePath.size() - nameLength);
        paths.push_back(folder + DatabaseFileName(record.endDate.substr(6, 2)));
    }
    for (const std::string& path : paths) {
        bool found = false;
        ReadDatabaseFile(path, [&](const ConnectionRecord& stored) {
            found = stored.startDate == record.startDate && stored.startTime == record.startTime;
            return !found;
        });
        if (found) {
            return true;
        }
    }
    return false;
}

void DatabaseWriter::append(const ConnectionRecord& record) {
    const std::string path = databasePath_();
    const AppendOutcome outcome = databases_.append(path, record);
    if (!outcome.movedCutRecordTo.empty()) {
        Inform(windows_,
               "Die Datenbank '" + path +
                   "' endete mit einer unvollständig gespeicherten Verbindung (zum Beispiel nach "
                   "einem Absturz beim Speichern).\n\nDiese Zeilen wurden unverändert in die "
                   "Datei '" +
                   outcome.movedCutRecordTo +
                   "' verschoben, damit alle folgenden Verbindungen richtig gelesen werden.",
               platform::MessageIcon::Warning);
    }
}

void DatabaseWriter::keep(const ConnectionRecord& record, const std::string& reason) {
    std::vector<ConnectionRecord> kept = loadKept();
    kept.push_back(record);
    storeKept(kept);
    mayHaveKept_ = true;
    notices_.ConnectionNotSaved(ConnectionText(record));
    Inform(windows_,
           ConnectionText(record) + " konnte noch nicht in der Datenbank '" + databasePath_() +
               "' gespeichert werden.\n\n" + reason +
               "\n\nRuvometer bewahrt die Verbindung auf und speichert sie, sobald die Datei "
               "wieder beschrieben werden kann.",
           platform::MessageIcon::Warning);
}

std::vector<ConnectionRecord> DatabaseWriter::loadKept() {
    const std::string key = settings_.subkeyPath(setting::UnsavedSubkey);
    auto& registry = settings_.registry();
    std::vector<ConnectionRecord> kept;
    if (!registry.keyExists(platform::Hive::CurrentUser, key)) {
        return kept;
    }
    for (std::size_t n = 1;; ++n) {
        const std::string suffix = std::to_string(n);
        ConnectionRecord record;
        bool any = false;
        for (std::size_t i = 0; i < kRecordFieldCount; ++i) {
            const auto text = registry.readString(platform::Hive::CurrentUser, key,
                                                  kAutosaveValueNames[i] + suffix);
            any = any || text.has_value();
            record.*kRecordFields[i] = text.value_or("");
        }
        if (!any) {
            return kept;
        }
        kept.push_back(std::move(record));
    }
}

void DatabaseWriter::storeKept(const std::vector<ConnectionRecord>& kept) {
    const std::string key = settings_.subkeyPath(setting::UnsavedSubkey);
    if (kept.empty()) {
        settings_.registry().deleteKeyTree(platform::Hive::CurrentUser, key);
        return;
    }
    // One replacement: a crash leaves the list before or after, whole.
    platform::Registry::NamedValues values;
    for (std::size_t n = 0; n < kept.size(); ++n) {
        const std::string suffix = std::to_string(n + 1);
        for (std::size_t i = 0; i < kRecordFieldCount; ++i) {
            values.emplace_back(kAutosaveValueNames[i] + suffix, kept[n].*kRecordFields[i]);
        }
    }
    settings_.registry().replaceKey(platform::Hive::CurrentUser, key, values);
}

}  // namespace ruvo

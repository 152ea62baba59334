// The one way records reach the database: the summary's save, a split and the recovery all go
// through here.
//
// A record that cannot be appended (a full disk, a folder that cannot be written) is not lost:
// it is kept in the settings, subkey "Ungespeichert", across further connections and restarts,
// and written, in the order the connections were saved, as soon as the database can be written
// again. The user is told in words, once for each such record (and by a desktop notification),
// and once when a cut record had to be moved out of the way.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/settings_store.h"
#include "domain/connection_record.h"
#include "domain/held_databases.h"
#include "features/desktop_notices.h"
#include "platform/platform.h"

namespace ruvo {

class DatabaseWriter {
public:
    DatabaseWriter(SettingsStore& settings, platform::WindowSystem& windows,
                   DesktopNotices& notices, HeldDatabases& databases,
                   std::function<std::string()> databasePath);

    // Appends the record to this year's database, after the records kept from earlier
    // failures. A record that cannot be written is kept and the user told why; false then.
    // Throws platform::RegistryError when it could neither be written nor kept: the caller
    // then keeps what it has (the autosave).
    bool save(const ConnectionRecord& record);
    // The same for a connection that may be in the database already: one that the program
    // stored before it died, without getting to delete its autosave. Such a record has the same
    // start; it is looked for in this year's file and, across New Year, in the file of the
    // year it ended.
    bool saveUnlessStored(const ConnectionRecord& record);

    // Writes the kept records when the database can be written again. True when any was
    // written (the figures computed from the database are then out of date).
    bool writeKept();

private:
    bool alreadyStored(const ConnectionRecord& record);
    // Appends one record; tells the user about a cut record moved aside. Throws FileError.
    void append(const ConnectionRecord& record);
    void keep(const ConnectionRecord& record, const std::string& reason);
    std::vector<ConnectionRecord> loadKept();
    void storeKept(const std::vector<ConnectionRecord>& kept);

    SettingsStore& settings_;
    platform::WindowSystem& windows_;
    DesktopNotices& notices_;
    HeldDatabases& databases_;
    std::function<std::string()> databasePath_;
    bool mayHaveKept_ = true;  // until the settings were looked at once
    std::string keptReason_;   // why the kept records could not be written at the last try
};

}  // namespace ruvo

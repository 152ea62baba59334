// The autosave of the running connection: the subkey "Temp" of the settings key, ten values in
// the order of the record's fields. It exists from the first change of a connection's total until
// that connection is settled, so a connection cut off by a crash can be recovered at the next
// start.
#pragma once

#include <array>

#include "base/settings_store.h"
#include "domain/connection_record.h"

namespace ruvo {

// The value names, in the order of the record's fields.
inline constexpr std::array<const char*, kRecordFieldCount> kAutosaveValueNames = {
    "Tarif",  "Zeit",  "Einheiten", "Telegeb", "Provgeb",
    "Gesamt", "AZeit", "ADatum",    "EZeit",   "EDatum"};

class Autosave {
public:
    explicit Autosave(SettingsStore& settings) : settings_(settings) {}

    bool exists();
    // Replaces the key by one with the record's ten values, in one step: a crash leaves the
    // previous autosave or this one, whole.
    void write(const ConnectionRecord& record);
    // The stored values; a missing value (or key) gives an empty field. Creates the key when it
    // vanished meanwhile.
    ConnectionRecord read();
    void remove();

private:
    SettingsStore& settings_;
};

}  // namespace ruvo

// Checks what the program left in its data folder: the database files read as whole, plausible
// records (a cut tail after the last one at most), "Tarif.dat" and "registry.reg" parse and read
// back as they were written, the autosave holds all ten values, and nothing that an earlier check
// saw has gone. The crash soak runs it after every killed run; the desktop test after its
// connections.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/connection_record.h"
#include "tariffs/tariff_tables.h"

namespace ruvo::check {

// What a record must satisfy beyond its form.
struct RecordRules {
    // When set: the tariff name is a zone of these tables, and units and charges follow the
    // zone's price and unit length and the provider fee.
    const TariffTables* tariffs = nullptr;
    // How far the time from start to end may differ from the counted duration, in seconds.
    int timeSlackSeconds = 2;
};

// One sentence per problem; none when the record is plausible.
std::vector<std::string> CheckRecord(const ConnectionRecord& record, const RecordRules& rules);

struct DatabaseReport {
    std::vector<ConnectionRecord> records;
    std::size_t cutTailBytes = 0;  // the start of a record an interrupted append left
    std::vector<std::string> problems;
};
DatabaseReport CheckDatabase(std::string_view bytes, const RecordRules& rules);

struct TariffReport {
    std::optional<TariffTables> tables;  // when the file parsed
    std::vector<std::string> problems;
};
TariffReport CheckTariffFile(std::string_view bytes);

struct RegistryReport {
    std::optional<ConnectionRecord> autosave;  // the values of the key "Temp", when it exists
    std::vector<std::string> problems;
};
// The simulator's registry file: REGEDIT4 text that reads back exactly as written, the settings
// key in it, and an autosave, when there is one, with all ten values forming a plausible record.
RegistryReport CheckRegistryFile(const std::string& text, const RecordRules& rules);

// What must not get lost: the records per database file name, and the autosave.
struct FolderState {
    std::map<std::string, std::vector<ConnectionRecord>> records;
    std::optional<ConnectionRecord> autosave;

    friend bool operator==(const FolderState&, const FolderState&) = default;
};

// One line per record ("record", file name, ten fields) and for the autosave ("autosave", ten
// fields), tab-separated, with tabs, line ends and backslashes escaped.
std::string FormatState(const FolderState& state);
// Nothing when a line is not of that form.
std::optional<FolderState> ParseState(std::string_view text);

// What `now` lost of `before`: each file's earlier records must still begin it, unchanged; an
// earlier autosave must still be there or have been restored into a record added since.
std::vector<std::string> CompareStates(const FolderState& before, const FolderState& now);

struct FolderOptions {
    int timeSlackSeconds = 2;
    // When set, "Tarif.dat" must hold exactly these bytes.
    std::optional<std::string> expectedTariffFile;
};

struct FolderReport {
    FolderState state;
    std::size_t databaseFiles = 0;
    std::size_t cutTailBytes = 0;
    std::vector<std::string> problems;
};
// Checks "Tarif.dat" (required), every "RVDaten*.db" and "registry.reg" (when present).
FolderReport CheckFolder(const std::string& folder, const FolderOptions& options);

}  // namespace ruvo::check

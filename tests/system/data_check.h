// Checks of the files the program leaves in its data folder: the database files read as whole,
// plausible records (a cut tail after the last one at most), "Tarif.dat" and "registry.reg" parse
// and read back as they were written, and the autosave holds all ten values.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "domain/connection_record.h"
#include "domain/tariff_tables.h"

namespace ruvo::check {

// What a record must satisfy beyond its form.
struct RecordRules {
    // When set: the tariff name is a zone of these tables, and units and charges follow the
    // zone's price and unit length and the provider fee.
    const TariffTables* tariffs = nullptr;
    // How far the time from start to end may differ from the counted duration, in seconds.
    int timeSlackSeconds = 2;
};

// Appends each problem to `to`, with the prefix in front (the file or record it was found in).
void AddAll(std::vector<std::string>& to, const std::string& prefix,
            const std::vector<std::string>& problems);

// The record as the writer stores it: empty fields take their defaults ("noname", "0" ...).
ConnectionRecord StoredForm(ConnectionRecord record);
// Tariff, start, end, duration and total, for messages.
std::string DescribeRecord(const ConnectionRecord& record);

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

}  // namespace ruvo::check

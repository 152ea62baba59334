// A data folder checked as a whole, and what must not get lost from one check to the next. The
// crash soak checks the folder after every killed run and compares it with the check before; the
// desktop test checks it after its connections.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/system/data_check.h"

namespace ruvo::check {

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
// earlier autosave must still be there, or have been restored into a record added since, or be
// stored whole already (a record of the same start and at least as many seconds).
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

#include "tests/system/folder_check.h"

#include <algorithm>
#include <filesystem>

#include "base/file_error.h"
#include "base/file_io.h"
#include "base/money.h"

namespace ruvo::check {
namespace {

std::string Escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        switch (text[i]) {
            case '\\':
                out += '\\';
                break;
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> parts;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', pos);
        parts.push_back(line.substr(pos, tab == std::string_view::npos ? tab : tab - pos));
        if (tab == std::string_view::npos) {
            return parts;
        }
        pos = tab + 1;
    }
}

std::string Fields(const ConnectionRecord& record) {
    std::string out;
    for (const auto field : kRecordFields) {
        out += '\t';
        out += Escape(record.*field);
    }
    return out;
}

std::optional<ConnectionRecord> RecordOf(const std::vector<std::string_view>& parts,
                                         std::size_t first) {
    if (parts.size() != first + kRecordFieldCount) {
        return std::nullopt;
    }
    ConnectionRecord record;
    for (std::size_t i = 0; i < kRecordFieldCount; ++i) {
        auto text = Unescape(parts[first + i]);
        if (!text) {
            return std::nullopt;
        }
        record.*kRecordFields[i] = std::move(*text);
    }
    return record;
}

}  // namespace

std::string FormatState(const FolderState& state) {
    std::string out;
    for (const auto& [file, records] : state.records) {
        for (const ConnectionRecord& record : records) {
            out += "record\t" + Escape(file) + Fields(record) + "\n";
        }
    }
    if (state.autosave) {
        out += "autosave" + Fields(*state.autosave) + "\n";
    }
    return out;
}

std::optional<FolderState> ParseState(std::string_view text) {
    FolderState state;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const auto parts = SplitTabs(text.substr(pos, end - pos));
        pos = end + 1;
        if (parts[0] == "record") {
            const auto file = parts.size() > 1 ? Unescape(parts[1]) : std::nullopt;
            const auto record = RecordOf(parts, 2);
            if (!file || !record) {
                return std::nullopt;
            }
            state.records[*file].push_back(*record);
        } else if (parts[0] == "autosave" && !state.autosave) {
            state.autosave = RecordOf(parts, 1);
            if (!state.autosave) {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    return state;
}

std::vector<std::string> CompareStates(const FolderState& before, const FolderState& now) {
    std::vector<std::string> problems;
    std::vector<const ConnectionRecord*> added;
    for (const auto& [file, records] : now.records) {
        const auto earlier = before.records.find(file);
        const std::size_t kept = earlier == before.records.end() ? 0 : earlier->second.size();
        for (std::size_t i = std::min(kept, records.size()); i < records.size(); ++i) {
            added.push_back(&records[i]);
        }
    }
    for (const auto& [file, records] : before.records) {
        const auto later = now.records.find(file);
        const std::vector<ConnectionRecord> none;
        const auto& current = later == now.records.end() ? none : later->second;
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (i >= current.size() || !(current[i] == records[i])) {
                problems.push_back(file + ": record " + std::to_string(i + 1) + " (" +
                                   DescribeRecord(records[i]) + ") is " +
                                   (i >= current.size() ? "gone" : "changed"));
                break;
            }
        }
    }
    if (before.autosave && now.autosave != before.autosave) {
        // Restored as it stood, or stored whole already before the autosave could be deleted:
        // then the database holds it with the same start and at least as many seconds.
        const ConnectionRecord restored = StoredForm(*before.autosave);
        const auto seconds = [](const ConnectionRecord& r) {
            return ToInteger(r.durationSeconds).value_or(-1);
        };
        const bool restoredNow =
            std::any_of(added.begin(), added.end(),
                        [&](const ConnectionRecord* record) { return *record == restored; });
        bool storedBefore = false;
        for (const auto& [file, records] : now.records) {
            storedBefore =
                storedBefore || std::any_of(records.begin(), records.end(), [&](const auto& r) {
                    return r.startDate == restored.startDate && r.startTime == restored.startTime &&
                           seconds(r) >= seconds(restored);
                });
        }
        if (!restoredNow && !storedBefore) {
            problems.push_back("the autosaved connection (" + DescribeRecord(restored) +
                               ") is neither kept nor restored");
        }
    }
    return problems;
}

FolderReport CheckFolder(const std::string& folder, const FolderOptions& options) {
    namespace fs = std::filesystem;
    FolderReport report;
    RecordRules rules;
    rules.timeSlackSeconds = options.timeSlackSeconds;

    const std::string tariffPath = folder + "/Tarif.dat";
    TariffReport tariffs;
    try {
        const std::string bytes = ReadWholeFile(tariffPath);
        tariffs = CheckTariffFile(bytes);
        if (options.expectedTariffFile && bytes != *options.expectedTariffFile) {
            tariffs.problems.push_back("Tarif.dat is not the tariff file the run began with");
        }
    } catch (const FileError& error) {
        tariffs.problems.push_back(error.what());
    }
    AddAll(report.problems, "", tariffs.problems);
    if (tariffs.tables) {
        rules.tariffs = &*tariffs.tables;
    }

    std::vector<std::string> databases;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("RVDaten") && name.ends_with(".db")) {
            databases.push_back(name);
        }
    }
    if (error) {
        report.problems.push_back(folder + ": " + error.message());
    }
    std::sort(databases.begin(), databases.end());
    for (const std::string& name : databases) {
        try {
            DatabaseReport database = CheckDatabase(ReadWholeFile(folder + "/" + name), rules);
            AddAll(report.problems, name + ": ", database.problems);
            report.cutTailBytes += database.cutTailBytes;
            report.state.records[name] = std::move(database.records);
        } catch (const FileError& failure) {
            report.problems.push_back(failure.what());
        }
    }
    report.databaseFiles = databases.size();

    const std::string registryPath = folder + "/registry.reg";
    if (FileExists(registryPath)) {
        try {
            RegistryReport registry = CheckRegistryFile(ReadWholeFile(registryPath), rules);
            AddAll(report.problems, "", registry.problems);
            report.state.autosave = std::move(registry.autosave);
        } catch (const FileError& failure) {
            report.problems.push_back(failure.what());
        }
    }
    return report;
}

}  // namespace ruvo::check

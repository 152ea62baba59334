#include "tests/system/data_check.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "base/file_error.h"
#include "base/identity.h"
#include "base/line_reader.h"
#include "base/line_writer.h"
#include "base/money.h"
#include "domain/database_file.h"
#include "domain/date_fields.h"
#include "domain/tariff_file.h"
#include "platform/fake/fake_registry.h"

namespace ruvo::check {
namespace {

constexpr std::array<const char*, kRecordFieldCount> kFieldNames = {
    "tariff name", "duration",   "units",      "telephone charge", "provider charge",
    "total",       "start time", "start date", "end time",         "end date"};

// The autosave's value names, in the order of the record's fields.
constexpr std::array<const char*, kRecordFieldCount> kAutosaveNames = {
    "Tarif",  "Zeit",  "Einheiten", "Telegeb", "Provgeb",
    "Gesamt", "AZeit", "ADatum",    "EZeit",   "EDatum"};

enum class FieldKind { Text, Count, Time, Date };

constexpr std::array<FieldKind, kRecordFieldCount> kFieldKinds = {
    FieldKind::Text,  FieldKind::Count, FieldKind::Count, FieldKind::Count, FieldKind::Count,
    FieldKind::Count, FieldKind::Time,  FieldKind::Date,  FieldKind::Time,  FieldKind::Date};

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::optional<std::int64_t> Count(const std::string& text) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const auto value = ToInteger(text);
    if (!value) {
        return std::nullopt;
    }
    return *value;
}

// Seconds of the day of "hh:mm:ss".
std::optional<std::int64_t> TimeOfDay(const std::string& text) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') {
        return std::nullopt;
    }
    const auto h = Count(text.substr(0, 2));
    const auto m = Count(text.substr(3, 2));
    const auto s = Count(text.substr(6, 2));
    if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59) {
        return std::nullopt;
    }
    return *h * 3600 + *m * 60 + *s;
}

bool FieldHasForm(FieldKind kind, const std::string& text) {
    switch (kind) {
        case FieldKind::Text:
            return !text.empty();
        case FieldKind::Count:
            return Count(text).has_value();
        case FieldKind::Time:
            return TimeOfDay(text).has_value();
        case FieldKind::Date:
            return ParseDateText(text).has_value();
    }
    return false;
}

// Seconds since 01.01.00 00:00:00 of the two-digit years' cycle.
std::int64_t Moment(const std::string& date, const std::string& time) {
    return DayInCycle(*ParseDateText(date)) * 86400 + *TimeOfDay(time);
}

std::vector<const TariffRow*> RowsNamed(const TariffTables& tables, const std::string& name) {
    std::vector<const TariffRow*> rows;
    for (const TariffTable& table : tables.tables) {
        for (const TariffRow& row : table) {
            if (row.name == name) {
                rows.push_back(&row);
            }
        }
    }
    return rows;
}

// Whether units and telephone charge are those of this row after `duration` seconds: the
// units begun (the last one may just have ended when the connection was split at its end).
bool FollowsRow(const TariffRow& row, std::int64_t duration, std::int64_t units,
                std::int64_t telephone) {
    const auto price = ToInteger(row.pfPerUnit);
    const auto length = ToInteger(row.secPerUnit);
    if (!price || !length) {
        return false;
    }
    if (*length <= 0) {
        return units == 0 && telephone == 0;
    }
    return (units - 1) * *length <= duration && duration <= units * *length &&
           telephone == units * *price;
}

void CheckAgainstTariffs(const ConnectionRecord& record, const TariffTables& tables,
                         std::int64_t duration, std::int64_t units, std::int64_t telephone,
                         std::int64_t provider, std::vector<std::string>& problems) {
    const auto rows = RowsNamed(tables, record.tariffName);
    if (rows.empty()) {
        problems.push_back("the tariff " + Quoted(record.tariffName) + " is no zone of Tarif.dat");
        return;
    }
    if (std::none_of(rows.begin(), rows.end(), [&](const TariffRow* row) {
            return FollowsRow(*row, duration, units, telephone);
        })) {
        problems.push_back(std::to_string(units) + " units and " + std::to_string(telephone) +
                           " Pf in " + std::to_string(duration) + " s do not fit the zone " +
                           Quoted(record.tariffName));
    }
    const auto fee = ToInteger(tables.providerFee);
    if (!fee || *fee < 0) {
        return;
    }
    const bool fits =
        *fee == 0 ? provider == 0 : provider % *fee == 0 && provider <= *fee * (duration / 60 + 1);
    if (!fits) {
        problems.push_back("a provider charge of " + std::to_string(provider) + " Pf in " +
                           std::to_string(duration) + " s does not fit a fee of " +
                           std::to_string(*fee) + " Pf a minute");
    }
}

// A record cut short by an interrupted append: the leading line ends and values of a record,
// the last value possibly cut. Values that are complete must have their field's form.
std::vector<std::string> CheckCutTail(std::string_view tail) {
    std::vector<std::string> problems;
    if (tail.empty()) {
        return problems;
    }
    const std::string_view lineEnd = kFileLineEnd;
    if (tail.size() > 12 * (LineReader::kMaxCharactersPerRead + lineEnd.size())) {
        problems.push_back(std::to_string(tail.size()) +
                           " bytes after the last whole record: more than one record holds");
        return problems;
    }
    if (tail.substr(0, std::min(tail.size(), lineEnd.size())) !=
        lineEnd.substr(0, std::min(tail.size(), lineEnd.size()))) {
        problems.push_back("the bytes after the last whole record do not begin a record");
        return problems;
    }
    std::size_t field = 0;
    std::size_t pos = lineEnd.size();
    while (pos < tail.size()) {
        const std::size_t next = tail.find(lineEnd, pos);
        const std::string_view piece =
            tail.substr(pos, next == std::string_view::npos ? std::string_view::npos : next - pos);
        const bool complete = next != std::string_view::npos;
        const std::string_view body = !complete && !piece.empty() && piece.back() == '\r'
                                          ? piece.substr(0, piece.size() - 1)
                                          : piece;
        if (body.find_first_of("\r\n") != std::string_view::npos) {
            problems.push_back("the cut record holds a stray line break");
            return problems;
        }
        if (complete && field < kRecordFieldCount &&
            !FieldHasForm(kFieldKinds[field], std::string(body))) {
            problems.push_back("the cut record's " + std::string(kFieldNames[field]) + " " +
                               Quoted(std::string(body)) + " is not of its form");
        }
        if (complete && field >= kRecordFieldCount && !body.empty()) {
            problems.push_back("the cut record has text where its empty lines belong");
        }
        if (!complete) {
            break;
        }
        ++field;
        pos = next + lineEnd.size();
    }
    return problems;
}

// Connections follow each other: two records whose times overlap count the same time twice.
std::vector<std::string> CheckOverlaps(const std::vector<ConnectionRecord>& records) {
    struct Span {
        std::int64_t start;
        std::int64_t end;
        std::size_t number;
    };
    std::vector<Span> spans;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const ConnectionRecord& r = records[i];
        if (FieldHasForm(FieldKind::Date, r.startDate) &&
            FieldHasForm(FieldKind::Time, r.startTime) &&
            FieldHasForm(FieldKind::Date, r.endDate) && FieldHasForm(FieldKind::Time, r.endTime)) {
            spans.push_back(
                {Moment(r.startDate, r.startTime), Moment(r.endDate, r.endTime), i + 1});
        }
    }
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.start < b.start; });
    std::vector<std::string> problems;
    for (std::size_t i = 1; i < spans.size(); ++i) {
        if (spans[i].start < spans[i - 1].end) {
            problems.push_back("records " + std::to_string(spans[i - 1].number) + " and " +
                               std::to_string(spans[i].number) + " overlap in time");
        }
    }
    return problems;
}

}  // namespace

void AddAll(std::vector<std::string>& to, const std::string& prefix,
            const std::vector<std::string>& problems) {
    for (const std::string& problem : problems) {
        to.push_back(prefix + problem);
    }
}

ConnectionRecord StoredForm(ConnectionRecord record) {
    for (std::size_t i = 0; i < kRecordFieldCount; ++i) {
        std::string& text = record.*kRecordFields[i];
        if (text.empty()) {
            text = kRecordFieldDefaults[i];
        }
    }
    return record;
}

std::string DescribeRecord(const ConnectionRecord& record) {
    return record.tariffName + " " + record.startDate + " " + record.startTime + "-" +
           record.endTime + " " + record.durationSeconds + " s " + record.totalCharge + " Pf";
}

std::vector<std::string> CheckRecord(const ConnectionRecord& record, const RecordRules& rules) {
    std::vector<std::string> problems;
    for (std::size_t i = 0; i < kRecordFieldCount; ++i) {
        const std::string& text = record.*kRecordFields[i];
        if (!FieldHasForm(kFieldKinds[i], text)) {
            problems.push_back(std::string("the ") + kFieldNames[i] + " " + Quoted(text) +
                               " is not of its form");
        }
    }
    if (!problems.empty()) {
        return problems;
    }
    const std::int64_t duration = *Count(record.durationSeconds);
    const std::int64_t units = *Count(record.units);
    const std::int64_t telephone = *Count(record.telephoneCharge);
    const std::int64_t provider = *Count(record.providerCharge);
    const std::int64_t total = *Count(record.totalCharge);
    // The total leaves the provider charge out when the fee did not apply in the last second
    // counted (a new month's free minutes), though the provider charge keeps its value.
    if (total != telephone + provider && total != telephone) {
        problems.push_back("the total " + record.totalCharge + " is neither telephone " +
                           record.telephoneCharge + " nor that plus provider " +
                           record.providerCharge);
    }
    std::int64_t elapsed =
        Moment(record.endDate, record.endTime) - Moment(record.startDate, record.startTime);
    if (elapsed < -kDaysInYearCycle * 86400 / 2) {
        elapsed += kDaysInYearCycle * 86400;  // across the turn of the two-digit years
    }
    if (elapsed < 0) {
        problems.push_back("it ends before it starts");
    } else if (std::max(elapsed - duration, duration - elapsed) > rules.timeSlackSeconds) {
        problems.push_back("it lasted " + std::to_string(elapsed) + " s from start to end but " +
                           record.durationSeconds + " s were counted");
    }
    if (rules.tariffs != nullptr) {
        CheckAgainstTariffs(record, *rules.tariffs, duration, units, telephone, provider, problems);
    }
    return problems;
}

DatabaseReport CheckDatabase(std::string_view bytes, const RecordRules& rules) {
    DatabaseReport report;
    const std::string_view lineEnd = kFileLineEnd;
    const std::size_t headerEnd = std::min(bytes.find(lineEnd), bytes.size());
    if (bytes.substr(0, headerEnd) != kDatabaseHeader) {
        report.problems.push_back("the header line is not \"" + std::string(kDatabaseHeader) +
                                  "\"");
    }
    const DatabaseScan scan = ScanDatabase(bytes, [&](const ConnectionRecord& record) {
        report.records.push_back(record);
        return true;
    });
    // Every byte up to the tail must be what the program writes for these records: no line
    // end of another kind, no text where the empty lines belong. The reader takes a lone CR for
    // a line end, so a record whose very last byte was cut off reads whole and in step; one cut
    // within its last field reads as a record too, but is the start of one an append left.
    std::size_t pos = std::min(headerEnd, kDatabaseHeader.size());
    std::size_t tailStart = scan.end;
    try {
        for (std::size_t i = 0; i < report.records.size(); ++i) {
            const std::string expected = SerializeRecord(report.records[i]);
            const std::string_view actual = bytes.substr(pos, expected.size());
            const std::string_view withoutLastByte(expected.data(), expected.size() - 1);
            if (actual == expected) {
                pos += expected.size();
            } else if (actual.substr(0, withoutLastByte.size()) == withoutLastByte) {
                pos += withoutLastByte.size();
            } else if (i + 1 == report.records.size() && pos + actual.size() == bytes.size() &&
                       std::string_view(expected).substr(0, actual.size()) == actual) {
                report.records.pop_back();
                tailStart = pos;
            } else {
                report.problems.push_back("record " + std::to_string(i + 1) +
                                          " is not stored as the program writes it");
                break;
            }
        }
    } catch (const FileError& error) {
        report.problems.push_back(error.what());
    }
    for (std::size_t i = 0; i < report.records.size(); ++i) {
        AddAll(report.problems,
               "record " + std::to_string(i + 1) + " (" + DescribeRecord(report.records[i]) + "): ",
               CheckRecord(report.records[i], rules));
    }
    AddAll(report.problems, "", CheckOverlaps(report.records));
    const std::string_view tail = bytes.substr(tailStart);
    report.cutTailBytes = tail.size();
    AddAll(report.problems, "", CheckCutTail(tail));
    return report;
}

TariffReport CheckTariffFile(std::string_view bytes) {
    TariffReport report;
    const TariffFileContent content = ParseTariffFile(bytes);
    if (content.problem == TariffFileProblem::MissingHeader) {
        report.problems.push_back("Tarif.dat is empty");
        return report;
    }
    if (content.problem == TariffFileProblem::ZoneCutShort) {
        report.problems.push_back("Tarif.dat ends within the zone " + Quoted(content.cutZone));
    }
    if (const auto problem = ValidateTariffs(content.tables)) {
        report.problems.push_back("Tarif.dat: the " + problem->field + " of " +
                                  Quoted(problem->zoneName) + " is " + Quoted(problem->value));
    }
    try {
        if (SerializeTariffs(content.tables) != bytes) {
            report.problems.push_back("Tarif.dat does not read back as it was written");
        }
    } catch (const FileError& error) {
        report.problems.push_back(std::string("Tarif.dat: ") + error.what());
    }
    report.tables = content.tables;
    return report;
}

RegistryReport CheckRegistryFile(const std::string& text, const RecordRules& rules) {
    RegistryReport report;
    fake::FakeRegistry registry;
    try {
        registry.fromRegedit(text);
    } catch (const fake::RegeditError& damaged) {
        report.problems.push_back("registry.reg:" + std::to_string(damaged.line()) + ": " +
                                  damaged.what());
        return report;
    }
    if (registry.toRegedit() != text) {
        report.problems.push_back("registry.reg does not read back as it was written");
    }
    const std::string settingsKey = std::string(MakerKey) + VersionName;
    if (registry.readString(platform::Hive::CurrentUser, settingsKey, "RESETALLSETTINGS") != "1") {
        report.problems.push_back("registry.reg lacks the settings (RESETALLSETTINGS is not 1)");
    }
    const std::string autosaveKey = settingsKey + "\\Temp";
    if (!registry.keyExists(platform::Hive::CurrentUser, autosaveKey)) {
        return report;
    }
    ConnectionRecord autosave;
    std::vector<std::string> missing;
    for (std::size_t i = 0; i < kRecordFieldCount; ++i) {
        const auto value =
            registry.readString(platform::Hive::CurrentUser, autosaveKey, kAutosaveNames[i]);
        if (!value) {
            missing.push_back(kAutosaveNames[i]);
        }
        autosave.*kRecordFields[i] = value.value_or("");
    }
    if (!missing.empty()) {
        std::string names;
        for (const std::string& name : missing) {
            names += (names.empty() ? "" : ", ") + name;
        }
        report.problems.push_back("the autosave lacks " + names);
    } else {
        AddAll(report.problems, "the autosave (" + DescribeRecord(autosave) + "): ",
               CheckRecord(StoredForm(autosave), rules));
    }
    report.autosave = autosave;
    return report;
}

}  // namespace ruvo::check

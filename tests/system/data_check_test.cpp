// The data-folder checker must tell a folder a crash may leave (whole records, a cut tail) from
// one that lost or garbled something; otherwise the crash soak proves nothing.
#include "tests/system/data_check.h"
#include "tests/system/folder_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "domain/database_file.h"
#include "domain/tariff_file.h"

namespace ruvo::check {
namespace {

// Ganztag 12 Pf per 60 s, Abend 6 Pf per 90 s; 2 Pf a begun minute for the provider.
const std::string kTariffBytes =
    "2,30,1,\r\n"
    "Ganztag\r\n0000\r\n1800\r\n12\r\n60\r\n0000\r\n1800\r\n12\r\n60\r\n0000\r\n1800\r\n12\r\n60\r"
    "\n"
    "Abend\r\n1800\r\n2400\r\n6\r\n90\r\n1800\r\n2400\r\n6\r\n90\r\n1800\r\n2400\r\n6\r\n90";

TariffTables Tariffs() {
    return ParseTariffFile(kTariffBytes).tables;
}

// A connection as the program saves it: 123 s, 3 units of 60 s, 2 Pf provider charge, ended at
// the poll one second after the counter's last tick.
ConnectionRecord Saved() {
    return {"Ganztag", "123", "3", "36", "2", "38", "20:00:08", "02.05.00", "20:02:12", "02.05.00"};
}

// The first part of a connection split at a unit boundary: 2 whole units.
ConnectionRecord Split() {
    return {"Ganztag", "120", "2", "24", "2", "26", "17:58:00", "02.05.00", "18:00:00", "02.05.00"};
}

// Across midnight in the evening zone.
ConnectionRecord LateEvening() {
    return {"Abend", "600", "7", "42", "0", "42", "23:55:00", "02.05.00", "00:05:00", "03.05.00"};
}

struct RecordCase {
    const char* what;
    ConnectionRecord record;
    const char* problem;  // a part of the one problem expected; nullptr for none
};

TEST(DataCheck, RecordsAreCheckedAgainstTheirFormAndTheTariff) {
    auto with = [](ConnectionRecord record, std::string ConnectionRecord::*field,
                   const char* text) {
        record.*field = text;
        return record;
    };
    const std::vector<RecordCase> cases = {
        {"a saved connection", Saved(), nullptr},
        {"a split at a unit boundary", Split(), nullptr},
        {"across midnight", LateEvening(), nullptr},
        {"total is not the sum", with(Saved(), &ConnectionRecord::totalCharge, "39"),
         "is neither telephone"},
        {"the fee no longer applied at the end",
         with(Saved(), &ConnectionRecord::totalCharge, "36"), nullptr},
        {"one unit too many", with(Saved(), &ConnectionRecord::units, "4"), "do not fit"},
        {"charge of another price",
         {"Ganztag", "123", "3", "18", "2", "20", "20:00:08", "02.05.00", "20:02:12", "02.05.00"},
         "do not fit"},
        {"unknown zone", with(Saved(), &ConnectionRecord::tariffName, "Mondschein"),
         "no zone of Tarif.dat"},
        {"provider charge beyond the fee",
         {"Ganztag", "123", "3", "36", "8", "44", "20:00:08", "02.05.00", "20:02:12", "02.05.00"},
         "provider charge"},
        {"the default start date of a lost value",
         with(Saved(), &ConnectionRecord::startDate, "00.00.00"), "start date"},
        {"a duration that is not a number", with(Saved(), &ConnectionRecord::durationSeconds, "1x"),
         "duration"},
        {"ends before it starts", with(Saved(), &ConnectionRecord::endTime, "19:00:00"),
         "ends before"},
        {"times far from the duration", with(Saved(), &ConnectionRecord::endTime, "20:02:20"),
         "were counted"},
    };
    const TariffTables tables = Tariffs();
    RecordRules rules;
    rules.tariffs = &tables;
    for (const RecordCase& c : cases) {
        const auto problems = CheckRecord(c.record, rules);
        if (c.problem == nullptr) {
            EXPECT_TRUE(problems.empty()) << c.what << ": " << problems.front();
        } else {
            ASSERT_EQ(problems.size(), 1U) << c.what;
            EXPECT_NE(problems.front().find(c.problem), std::string::npos)
                << c.what << ": " << problems.front();
        }
    }
}

TEST(DataCheck, EveryCutOfAnAppendedRecordIsACutTailAndNoProblem) {
    const std::string first = std::string(kDatabaseHeader) + SerializeRecord(Saved());
    const std::string second = SerializeRecord(LateEvening());
    const TariffTables tables = Tariffs();
    RecordRules rules;
    rules.tariffs = &tables;
    for (std::size_t cut = 0; cut <= second.size(); ++cut) {
        const DatabaseReport report = CheckDatabase(first + second.substr(0, cut), rules);
        // Without its last LF the record still reads whole: a lone CR ends its empty line.
        const bool whole = cut + 1 >= second.size();
        EXPECT_EQ(report.records.size(), whole ? 2U : 1U) << cut;
        EXPECT_EQ(report.cutTailBytes, whole ? 0U : cut);
        EXPECT_TRUE(report.problems.empty()) << cut << ": " << report.problems.front();
    }
    // An append after such a record stays in step.
    const std::string appended =
        first + second.substr(0, second.size() - 1) + SerializeRecord(Split());
    const DatabaseReport report = CheckDatabase(appended, rules);
    EXPECT_EQ(report.records.size(), 3U);
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
}

TEST(DataCheck, GarbledDatabasesAreReported) {
    const std::string header(kDatabaseHeader);
    const std::string saved = SerializeRecord(Saved());
    std::string lineLost = saved;
    lineLost.erase(lineLost.find("\r\n36"), 4);  // the telephone charge's line went missing
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"a line lost inside a record", header + lineLost + saved},
        {"the header damaged", "Quelmar Ruvometer Database" + saved},
        {"text where the empty lines belong", header + saved.substr(0, saved.size() - 2) + "x\r\n"},
        {"a record's bytes twice over inside one", header + saved.substr(0, 20) + saved},
        {"the same connection twice", header + saved + saved},
    };
    for (const auto& [what, bytes] : cases) {
        EXPECT_FALSE(CheckDatabase(bytes, RecordRules{}).problems.empty()) << what;
    }
}

TEST(DataCheck, TariffFileMustReadBackAsWritten) {
    EXPECT_TRUE(CheckTariffFile(kTariffBytes).problems.empty());
    // A cut file is reported, unless what is left is a tariff file in its own right: the header
    // alone, or a zone's last value shortened. Those show only against the expected bytes
    // (FolderOptions::expectedTariffFile).
    const std::size_t headerAlone = kTariffBytes.find("\r\n") + 2;
    const std::size_t firstZoneEnd = kTariffBytes.find("\r\nAbend");
    const std::size_t lastValue = kTariffBytes.rfind("\r\n") + 2;
    for (std::size_t cut = 0; cut < lastValue; ++cut) {
        const bool aFileOfItsOwn =
            cut == headerAlone || (cut > firstZoneEnd - 2 && cut <= firstZoneEnd);
        EXPECT_EQ(CheckTariffFile(kTariffBytes.substr(0, cut)).problems.empty(), aFileOfItsOwn)
            << cut;
    }
}

const std::string kRegistry =
    "REGEDIT4\n\n"
    "[HKEY_CURRENT_USER]\n\n"
    "[HKEY_CURRENT_USER\\Software]\n\n"
    "[HKEY_CURRENT_USER\\Software\\Quelmar]\n\n"
    "[HKEY_CURRENT_USER\\Software\\Quelmar\\Ruvometer 2.3]\n"
    "\"RESETALLSETTINGS\"=\"1\"\n\n";

const std::string kAutosave =
    "[HKEY_CURRENT_USER\\Software\\Quelmar\\Ruvometer 2.3\\Temp]\n"
    "\"Tarif\"=\"Ganztag\"\n\"Zeit\"=\"120\"\n\"Einheiten\"=\"3\"\n\"Telegeb\"=\"36\"\n"
    "\"Provgeb\"=\"2\"\n\"Gesamt\"=\"38\"\n\"AZeit\"=\"20:00:08\"\n\"ADatum\"=\"02.05.00\"\n"
    "\"EZeit\"=\"20:02:08\"\n\"EDatum\"=\"02.05.00\"\n\n";

TEST(DataCheck, RegistryFileAndAutosave) {
    const TariffTables tables = Tariffs();
    RecordRules rules;
    rules.tariffs = &tables;

    const RegistryReport plain = CheckRegistryFile(kRegistry, rules);
    EXPECT_TRUE(plain.problems.empty());
    EXPECT_FALSE(plain.autosave);

    const RegistryReport saved = CheckRegistryFile(kRegistry + kAutosave, rules);
    EXPECT_TRUE(saved.problems.empty()) << saved.problems.front();
    ASSERT_TRUE(saved.autosave);
    EXPECT_EQ(saved.autosave->totalCharge, "38");

    // The autosave as a crash between its deletion and its last value leaves it.
    const std::string partial = kAutosave.substr(0, kAutosave.find("\"Telegeb\"")) + "\n";
    const RegistryReport cut = CheckRegistryFile(kRegistry + partial, rules);
    ASSERT_FALSE(cut.problems.empty());
    EXPECT_NE(cut.problems.front().find("lacks Telegeb"), std::string::npos);

    EXPECT_FALSE(
        CheckRegistryFile(kRegistry.substr(0, kRegistry.size() - 10), rules).problems.empty());
    EXPECT_FALSE(CheckRegistryFile("REGEDIT4\n\n", rules).problems.empty());
}

TEST(DataCheck, StateListsReadBack) {
    FolderState state;
    ConnectionRecord odd = Saved();
    odd.tariffName = "Tab\there\\ and\nline";
    state.records["RVDaten00.db"] = {Saved(), odd};
    state.records["RVDaten01.db"] = {Split()};
    state.autosave = LateEvening();
    state.autosave->tariffName.clear();
    EXPECT_EQ(ParseState(FormatState(state)), state);
    EXPECT_EQ(ParseState(""), FolderState{});
    EXPECT_FALSE(ParseState("record\tRVDaten00.db\tGanztag\n"));
    EXPECT_FALSE(ParseState("something\n"));
}

TEST(DataCheck, NothingAnEarlierCheckSawMayGo) {
    FolderState before;
    before.records["RVDaten00.db"] = {Saved()};
    before.autosave = Split();

    FolderState restored;
    restored.records["RVDaten00.db"] = {Saved(), LateEvening(), Split()};
    EXPECT_TRUE(CompareStates(before, restored).empty());

    FolderState kept = before;
    EXPECT_TRUE(CompareStates(before, kept).empty());

    // A restore that landed in the next year's file is found there.
    FolderState newYear;
    newYear.records["RVDaten00.db"] = {Saved()};
    newYear.records["RVDaten01.db"] = {Split()};
    EXPECT_TRUE(CompareStates(before, newYear).empty());

    // Stored whole before the program died, so not restored again.
    FolderState storedBefore;
    ConnectionRecord whole = Split();
    whole.durationSeconds = "180";
    whole.endTime = "18:01:00";
    storedBefore.records["RVDaten00.db"] = {Saved(), whole};
    EXPECT_TRUE(CompareStates(before, storedBefore).empty());

    FolderState autosaveLost;
    autosaveLost.records["RVDaten00.db"] = {Saved(), LateEvening()};
    EXPECT_EQ(CompareStates(before, autosaveLost).size(), 1U);

    FolderState recordChanged = kept;
    recordChanged.records["RVDaten00.db"][0].units = "4";
    EXPECT_EQ(CompareStates(before, recordChanged).size(), 1U);

    FolderState fileGone = kept;
    fileGone.records.clear();
    EXPECT_EQ(CompareStates(before, fileGone).size(), 1U);

    // An autosave without a tariff name is restored as "noname".
    FolderState nameless = before;
    nameless.autosave->tariffName.clear();
    ConnectionRecord noname = Split();
    noname.tariffName = "noname";
    FolderState restoredNoname;
    restoredNoname.records["RVDaten00.db"] = {Saved(), noname};
    EXPECT_TRUE(CompareStates(nameless, restoredNoname).empty());
}

}  // namespace
}  // namespace ruvo::check

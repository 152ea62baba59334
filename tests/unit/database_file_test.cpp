#include "domain/database_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/file_error.h"
#include "base/file_io.h"
#include "tests/support/temp_folder.h"

namespace ruvo {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const std::string kHeader(kDatabaseHeader);

ConnectionRecord Morning() {
    return {"Vormittag", "754",      "6",        "72",       "0",
            "72",        "09:14:02", "07.12.99", "09:26:36", "07.12.99"};
}

ConnectionRecord Evening() {
    return {"Mondschein", "3600",     "15",       "180",      "60",
            "240",        "21:00:00", "24.12.99", "22:00:00", "24.12.99"};
}

std::vector<ConnectionRecord> ReadAll(std::string_view bytes) {
    std::vector<ConnectionRecord> records;
    const DatabaseScan scan = ScanDatabase(bytes, [&](const ConnectionRecord& r) {
        records.push_back(r);
        return true;
    });
    EXPECT_EQ(scan.records, records.size());
    return records;
}

// The file after the record was added as AppendRecord adds it, without the disk and without
// the bytes it moves into a side file.
std::string Appended(const std::string& existing, const ConnectionRecord& record) {
    const AppendPlan plan = PlanAppend(existing);
    return existing.substr(0, plan.keep) + AppendedBytes(plan, record);
}

TEST(DatabaseFile, NameAndHeader) {
    EXPECT_EQ(DatabaseFileName("99"), "RVDaten99.db");
    EXPECT_EQ(DatabaseFileName("00"), "RVDaten00.db");
    EXPECT_EQ(kDatabaseHeader.size(), 54U);
}

TEST(DatabaseFile, OneRecordIsTheTenFieldsAndTwoEmptyLines) {
    EXPECT_EQ(kHeader + SerializeRecord(Morning()),
              kHeader +
                  "\r\nVormittag\r\n754\r\n6\r\n72\r\n0\r\n72\r\n09:14:02\r\n07.12.99\r\n"
                  "09:26:36\r\n07.12.99\r\n\r\n");
}

TEST(DatabaseFile, EachEmptyFieldIsWrittenAsItsDefault) {
    const std::string defaults[] = {"noname", "0",        "0",        "0",        "0",
                                    "0",      "00:00:00", "00.00.00", "00:00:00", "00.00.00"};
    for (std::size_t i = 0; i < kRecordFieldCount; ++i) {
        ConnectionRecord record = Morning();
        record.*kRecordFields[i] = "";
        ConnectionRecord expected = Morning();
        expected.*kRecordFields[i] = defaults[i];
        EXPECT_EQ(SerializeRecord(record), SerializeRecord(expected)) << "field " << i + 1;
    }
    EXPECT_EQ(SerializeRecord({}),
              "\r\nnoname\r\n0\r\n0\r\n0\r\n0\r\n0\r\n00:00:00\r\n00.00.00\r\n00:00:00\r\n"
              "00.00.00\r\n\r\n");
}

TEST(DatabaseFile, TextsAreWindows1252AndStayOneLine) {
    ConnectionRecord record = Morning();
    record.tariffName = "Nacht\r\nä";
    const std::string bytes = SerializeRecord(record);
    EXPECT_EQ(bytes.substr(0, 10), "\r\nNacht  \xE4");
    const auto read = ReadAll(kHeader + bytes);
    ASSERT_EQ(read.size(), 1U);
    EXPECT_EQ(read[0].tariffName, "Nacht  ä");
    EXPECT_EQ(read[0].endDate, "07.12.99");

    record.tariffName = "Ω";
    try {
        SerializeRecord(record);
        ADD_FAILURE() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.kind(), FileError::Kind::Unencodable);
    }
}

TEST(DatabaseFile, ReadsRecordsInFileOrder) {
    const struct {
        std::string name;
        std::string bytes;
        std::vector<ConnectionRecord> records;
    } cases[] = {
        {"empty file", "", {}},
        {"only the header", kHeader, {}},
        {"one record", kHeader + SerializeRecord(Morning()), {Morning()}},
        {"two records",
         kHeader + SerializeRecord(Morning()) + SerializeRecord(Evening()),
         {Morning(), Evening()}},
        // The header is not checked; fields are handed over as they stand.
        {"changed header", "x" + SerializeRecord(Morning()), {Morning()}},
        {"text in a number field",
         kHeader + "\r\nA\r\nviel\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\nx\r\ny",
         {{"A", "viel", "3", "4", "5", "6", "7", "8", "9", "10"}}},
        // A line too many: the walk is out of step from there, as it always was.
        {"extra line",
         kHeader + "\r\n" + SerializeRecord(Morning()),
         {{"", "Vormittag", "754", "6", "72", "0", "72", "09:14:02", "07.12.99", "09:26:36"}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadAll(c.bytes), c.records) << c.name;
    }
}

TEST(DatabaseFile, TheVisitorCanEndTheWalk) {
    const std::string bytes = kHeader + SerializeRecord(Morning()) + SerializeRecord(Evening());
    int seen = 0;
    const DatabaseScan scan = ScanDatabase(bytes, [&](const ConnectionRecord&) {
        ++seen;
        return false;
    });
    EXPECT_EQ(seen, 1);
    EXPECT_TRUE(scan.stopped);
}

// An append cut short at any byte leaves the records before it readable. Cut before its tenth
// field it is no record, and the next append moves it aside; with its ten fields it is a record
// (its end date, read by no one, may be cut), and the next append completes its line ends.
TEST(DatabaseFile, ACutTailIsReadInStepByTheNextAppend) {
    const std::vector<ConnectionRecord> written = {Morning(), Evening()};
    std::string all = kHeader;
    std::vector<std::size_t> starts;
    for (const auto& record : written) {
        starts.push_back(all.size());
        all += SerializeRecord(record);
    }
    for (std::size_t length = kHeader.size(); length <= all.size(); ++length) {
        const std::string cut = all.substr(0, length);
        std::vector<ConnectionRecord> expected;
        bool cutBeforeTenthField = false;
        for (std::size_t i = 0; i < written.size(); ++i) {
            const std::size_t tenthField = starts[i] + SerializeRecord(written[i]).size() -
                                           std::string("24.12.99\r\n\r\n").size();
            if (length > tenthField) {
                ConnectionRecord record = written[i];
                record.endDate =
                    all.substr(tenthField, std::min<std::size_t>(length - tenthField, 8));
                expected.push_back(record);
            } else if (length > starts[i] + 2) {
                cutBeforeTenthField = true;
            }
        }
        EXPECT_EQ(ReadAll(cut), expected) << "cut after " << length << " bytes";
        EXPECT_EQ(PlanAppend(cut).keep < cut.size(), cutBeforeTenthField) << "after " << length;

        ConnectionRecord next = Morning();
        next.tariffName = "Freizeit";
        expected.push_back(next);
        EXPECT_EQ(ReadAll(Appended(cut, next)), expected) << "append after " << length;
    }
}

// Nothing that is there changes: line ends an editor took away are added before the new record,
// one it added is used as the new record's own, and lines that are no record go aside.
TEST(DatabaseFile, AppendKeepsEveryByteAndLaterRecordsInStep) {
    const std::string record = SerializeRecord(Morning());
    const std::string trimmedOnce = record.substr(0, record.size() - 2);
    const std::string trimmedTwice = record.substr(0, record.size() - 4);
    std::string lineFeeds;
    for (const char c : record) {
        if (c != '\r') {
            lineFeeds += c;
        }
    }
    const struct {
        std::string name;
        std::string bytes;
        std::size_t records;
        std::size_t movedBytes;
    } cases[] = {
        {"empty file", "", 0, 0},
        {"header with line end", kHeader + "\r\n", 0, 0},
        {"record and a further line end", kHeader + record + "\r\n", 1, 0},
        {"last blank line trimmed", kHeader + trimmedOnce, 1, 0},
        {"last blank lines and line end trimmed", kHeader + trimmedTwice, 1, 0},
        {"two records, the last trimmed", kHeader + record + trimmedTwice, 2, 0},
        {"line ends turned into LF", kHeader + lineFeeds.substr(0, lineFeeds.size() - 1), 1, 0},
        {"record and a stray line", kHeader + record + "\r\nabc", 1, 3},
        {"header of 499 characters", std::string(499, 'h'), 0, 0},
        {"header of 600 characters and a record", std::string(600, 'h') + record, 1, 0},
    };
    for (const auto& c : cases) {
        const AppendPlan plan = PlanAppend(c.bytes);
        EXPECT_EQ(c.bytes.size() - plan.keep, c.movedBytes) << c.name;
        const std::string after = Appended(c.bytes, Evening());
        EXPECT_EQ(after.substr(0, plan.keep), c.bytes.substr(0, plan.keep)) << c.name;
        const auto records = ReadAll(after);
        ASSERT_EQ(records.size(), c.records + 1) << c.name;
        EXPECT_EQ(records.back(), Evening()) << c.name;
        if (c.records > 0) {
            EXPECT_EQ(records[c.records - 1].startTime, Morning().startTime) << c.name;
        }
    }
}

class DatabaseOnDisk : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = folder.file(DatabaseFileName("99"));
};

TEST_F(DatabaseOnDisk, CreateDatabaseWritesTheHeaderOnlyOnce) {
    CreateDatabase(path);
    EXPECT_EQ(ReadBytes(path), kHeader);
    EXPECT_TRUE(ReadAll(ReadBytes(path)).empty());
    AppendRecord(path, Morning());
    CreateDatabase(path);
    EXPECT_EQ(ReadBytes(path), kHeader + SerializeRecord(Morning()));
}

TEST_F(DatabaseOnDisk, AppendCreatesAMissingFileWithItsHeader) {
    AppendRecord(path, Morning());
    AppendRecord(path, Evening());
    EXPECT_EQ(ReadBytes(path), kHeader + SerializeRecord(Morning()) + SerializeRecord(Evening()));
    std::vector<ConnectionRecord> records;
    ReadDatabaseFile(path, [&](const ConnectionRecord& r) {
        records.push_back(r);
        return true;
    });
    EXPECT_EQ(records, (std::vector{Morning(), Evening()}));
}

TEST_F(DatabaseOnDisk, AppendAfterACrashMovesTheCutRecordIntoASideFile) {
    const std::string one = kHeader + SerializeRecord(Morning());
    const std::string cutRecord = SerializeRecord(Evening()).substr(0, 20);
    WriteBytes(path, one + cutRecord);
    EXPECT_EQ(AppendRecord(path, Evening()).movedCutRecordTo, path + ".Rest-1");
    EXPECT_EQ(ReadBytes(path), one + SerializeRecord(Evening()));
    EXPECT_EQ(ReadBytes(path + ".Rest-1"), cutRecord.substr(2));

    // The same bytes again (an earlier attempt that got no further) reuse their side file;
    // other bytes get a new one.
    WriteBytes(path, one + cutRecord);
    EXPECT_EQ(AppendRecord(path, Evening()).movedCutRecordTo, path + ".Rest-1");
    WriteBytes(path, one + cutRecord.substr(0, 12));
    EXPECT_EQ(AppendRecord(path, Evening()).movedCutRecordTo, path + ".Rest-2");
    EXPECT_EQ(ReadBytes(path + ".Rest-1"), cutRecord.substr(2));
    EXPECT_TRUE(AppendRecord(path, Evening()).movedCutRecordTo.empty());
}

TEST_F(DatabaseOnDisk, FailuresAreReportedAndChangeNothing) {
    ConnectionRecord unencodable = Morning();
    unencodable.tariffName = "Ω";
    EXPECT_THROW(AppendRecord(folder.file("other.db"), unencodable), FileError);
    EXPECT_FALSE(FileExists(folder.file("other.db")));

    EXPECT_THROW(AppendRecord(folder.file("no/such.db"), Morning()), FileError);
}

TEST_F(DatabaseOnDisk, AMissingFileHasNoRecords) {
    const DatabaseScan scan = ReadDatabaseFile(path, [](const ConnectionRecord&) { return true; });
    EXPECT_EQ(scan.records, 0U);
}

}  // namespace
}  // namespace ruvo

#include "records/database_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/file_error.h"
#include "records/file_io.h"
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

// The file after the record was added as AppendRecord adds it, without the disk.
std::string Appended(const std::string& existing, const ConnectionRecord& record) {
    const auto plan = PlanAppend(existing);
    if (!plan) {
        ADD_FAILURE() << "cannot append";
        return existing;
    }
    return (plan->writeHeader ? kHeader : existing.substr(0, plan->keep)) + SerializeRecord(record);
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

// An append cut short at any byte leaves the records before it readable and is itself no
// record; the next append removes the cut tail and is read in step.
TEST(DatabaseFile, ACutTailIsNoRecordAndTheNextAppendRepairsIt) {
    const std::string one = kHeader + SerializeRecord(Morning());
    const std::string two = one + SerializeRecord(Evening());
    for (std::size_t length = kHeader.size(); length <= two.size(); ++length) {
        const std::string cut = two.substr(0, length);
        // The last CR may go: a lone CR ends the first empty line just as well.
        std::vector<ConnectionRecord> expected;
        if (length >= one.size() - 1) {
            expected.push_back(Morning());
        }
        if (length >= two.size() - 1) {
            expected.push_back(Evening());
        }
        EXPECT_EQ(ReadAll(cut), expected) << "cut after " << length << " bytes";

        ConnectionRecord next = Morning();
        next.tariffName = "Freizeit";
        expected.push_back(next);
        EXPECT_EQ(ReadAll(Appended(cut, next)), expected) << "append after " << length;
    }
}

TEST(DatabaseFile, AppendKeepsLaterRecordsInStepAfterAnEditorsLineEnd) {
    const struct {
        std::string name;
        std::string bytes;
        std::size_t records;
    } cases[] = {
        {"empty file", "", 0},
        {"header with line end", kHeader + "\r\n", 0},
        {"record and a further line end", kHeader + SerializeRecord(Morning()) + "\r\n", 1},
        {"record and a stray line", kHeader + SerializeRecord(Morning()) + "\r\nabc", 1},
    };
    for (const auto& c : cases) {
        const auto records = ReadAll(Appended(c.bytes, Evening()));
        ASSERT_EQ(records.size(), c.records + 1) << c.name;
        EXPECT_EQ(records.back(), Evening()) << c.name;
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

TEST_F(DatabaseOnDisk, AppendAfterACrashReplacesTheCutTail) {
    const std::string one = kHeader + SerializeRecord(Morning());
    WriteBytes(path, one + SerializeRecord(Evening()).substr(0, 20));
    AppendRecord(path, Evening());
    EXPECT_EQ(ReadBytes(path), one + SerializeRecord(Evening()));
}

TEST_F(DatabaseOnDisk, FailuresAreReportedAndChangeNothing) {
    const std::string longFirstLine(600, 'x');
    WriteBytes(path, longFirstLine);
    try {
        AppendRecord(path, Morning());
        ADD_FAILURE() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.kind(), FileError::Kind::Damaged);
    }
    EXPECT_EQ(ReadBytes(path), longFirstLine);

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

#include "domain/held_databases.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "base/file_error.h"
#include "tests/support/database_bytes.h"
#include "tests/support/temp_folder.h"

namespace ruvo {
namespace {

using testing::DatabaseBytes;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

using Records = std::vector<ConnectionRecord>;

Records RecordsOf(std::string_view bytes) {
    Records records;
    ScanDatabase(bytes, [&](const ConnectionRecord& record) {
        records.push_back(record);
        return true;
    });
    return records;
}

// The records of the file as a reader that keeps nothing reads them.
Records ReadAfresh(const std::string& path) {
    Records records;
    ReadDatabaseFile(path, [&](const ConnectionRecord& record) {
        records.push_back(record);
        return true;
    });
    return records;
}

// The records of the file as `held` has it.
Records Held(HeldDatabases& held, const std::string& path) {
    return RecordsOf(held.read(path));
}

// Lets the times of the files written so far settle, as a user's files are long before the
// program looks at them again.
void Settle() {
    std::this_thread::sleep_for(std::chrono::nanoseconds(kFileTimeSettleNs + 10'000'000));
}

// Overwrites the file's bytes in place: the same file, written to.
void Overwrite(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

const std::string kYear = DatabaseBytes({{"01.12.99", "120"}, {"02.12.99", "240"}});
// The same size, another total: only reading tells the two apart.
const std::string kEdited = DatabaseBytes({{"01.12.99", "120"}, {"02.12.99", "999"}});

// After the held file was read and its figure worked out, something happens to the file; the
// next look must see the file as it is, and work the figure out again exactly when the records
// changed.
TEST(HeldDatabasesTest, UnchangedFileIsKeptAnyChangeIsReadAfresh) {
    struct Case {
        const char* name;
        bool settled;  // the file's times lay far enough back when it was first read
        std::function<void(HeldDatabases&, const std::string& path)> change;
        bool figureAgain;
    };
    const ConnectionRecord added = testing::SpendingRecord({"03.12.99", "50"});
    const std::vector<Case> cases = {
        {"unchanged", true, [](HeldDatabases&, const std::string&) {}, false},
        {"edited in place, same size", true,
         [](HeldDatabases&, const std::string& path) { Overwrite(path, kEdited); }, true},
        {"edited at once after it was written, same size", false,
         [](HeldDatabases&, const std::string& path) { Overwrite(path, kEdited); }, true},
        {"appended to by another program", true,
         [&](HeldDatabases&, const std::string& path) {
             WriteBytes(path, kYear + SerializeRecord(added));
         },
         true},
        {"replaced by another file", true,
         [](HeldDatabases&, const std::string& path) {
             WriteBytes(path + ".new", kEdited);
             std::filesystem::rename(path + ".new", path);
         },
         true},
        {"truncated to its header", true,
         [](HeldDatabases&, const std::string& path) {
             ASSERT_EQ(::truncate(path.c_str(), kDatabaseHeader.size()), 0);
         },
         true},
        {"truncated to nothing", true,
         [](HeldDatabases&, const std::string& path) { ASSERT_EQ(::truncate(path.c_str(), 0), 0); },
         true},
        {"deleted", true,
         [](HeldDatabases&, const std::string& path) { std::remove(path.c_str()); }, true},
        {"replaced by a folder", true,
         [](HeldDatabases&, const std::string& path) {
             std::remove(path.c_str());
             std::filesystem::create_directory(path);
         },
         true},
        {"appended to by the program", true,
         [&](HeldDatabases& held, const std::string& path) { held.append(path, added); }, true},
        {"appended to by the program after an edit behind its back", true,
         [&](HeldDatabases& held, const std::string& path) {
             Overwrite(path, kEdited);
             held.append(path, added);
         },
         true},
        {"appended to by the program, then edited", true,
         [&](HeldDatabases& held, const std::string& path) {
             held.append(path, added);
             Overwrite(path, kEdited);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string path = folder.file("RVDaten99.db");
        WriteBytes(path, kYear);
        if (c.settled) {
            Settle();
        }
        HeldDatabases held;
        int figured = 0;
        const auto count = [&](std::string_view bytes) {
            ++figured;
            return static_cast<std::int64_t>(RecordsOf(bytes).size());
        };
        EXPECT_EQ(Held(held, path), ReadAfresh(path));
        held.figureOf(path, "records", count);
        c.change(held, path);
        EXPECT_EQ(held.isReadableFile(path), FileExists(path));
        EXPECT_EQ(Held(held, path), ReadAfresh(path));
        EXPECT_EQ(held.figureOf(path, "records", count),
                  static_cast<std::int64_t>(ReadAfresh(path).size()));
        EXPECT_EQ(figured, c.figureAgain ? 2 : 1);
    }
}

// What the program appends is added to the bytes held as it was added to the file, whatever the
// end of the file looked like: trimmed line ends were completed, a record cut short was moved
// aside.
TEST(HeldDatabasesTest, OwnAppendHoldsWhatAFreshReadGives) {
    const std::string year = DatabaseBytes({{"01.12.99", "120"}});
    const std::string trimmed = year.substr(0, year.size() - 4);
    const std::string cut = year + year.substr(kDatabaseHeader.size(), 30);
    ConnectionRecord withEmptyFields = testing::SpendingRecord({"03.12.99", "50"});
    withEmptyFields.tariffName.clear();
    withEmptyFields.units.clear();
    const std::vector<std::pair<const char*, std::string>> files = {
        {"header only", std::string(kDatabaseHeader)},
        {"empty", ""},
        {"one record", year},
        {"last record's line ends trimmed", trimmed},
        {"last record cut short", cut},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        TempFolder folder;
        const std::string path = folder.file("RVDaten99.db");
        WriteBytes(path, bytes);
        Settle();
        HeldDatabases held;
        held.read(path);
        held.append(path, withEmptyFields);
        held.append(path, testing::SpendingRecord({"04.12.99", "60"}));
        EXPECT_EQ(held.read(path), ReadBytes(path));
        EXPECT_EQ(Held(held, path), ReadAfresh(path));
    }
}

// Records appended one after another, sooner than a file's times settle: each look after an
// append takes what the append left, without reading the file or working a figure out twice.
TEST(HeldDatabasesTest, OwnAppendsInQuickSuccessionAreNotReadAgain) {
    TempFolder folder;
    const std::string path = folder.file("RVDaten99.db");
    HeldDatabases held;
    int figured = 0;
    const auto count = [&](std::string_view bytes) {
        ++figured;
        return static_cast<std::int64_t>(RecordsOf(bytes).size());
    };
    for (int day = 1; day <= 3; ++day) {
        held.append(path, testing::SpendingRecord({"0" + std::to_string(day) + ".12.99", "50"}));
        for (int look = 0; look < 3; ++look) {
            EXPECT_TRUE(held.isReadableFile(path));
            EXPECT_EQ(held.figureOf(path, "records", count), day);
        }
        EXPECT_EQ(figured, day);
    }
    EXPECT_EQ(Held(held, path), ReadAfresh(path));
}

// Inside one look the file is taken as it was at the look's first question; a change made
// meanwhile shows at the first question after the look, or inside a look opened within it.
TEST(HeldDatabasesTest, OneLookTakesTheFileOnceAndTheNextLookAfresh) {
    TempFolder folder;
    const std::string path = folder.file("RVDaten99.db");
    WriteBytes(path, kYear);
    Settle();
    HeldDatabases held;
    const auto records = [&] { return Held(held, path).size(); };
    {
        const HeldDatabases::OneLook look(held);
        EXPECT_EQ(records(), 2U);
        WriteBytes(path, kYear + SerializeRecord(testing::SpendingRecord({"03.12.99", "50"})));
        EXPECT_EQ(records(), 2U) << "the same look";
        EXPECT_TRUE(held.isReadableFile(path));
        {
            const HeldDatabases::OneLook inner(held);
            EXPECT_EQ(records(), 3U) << "a look opened inside looks afresh";
        }
    }
    std::remove(path.c_str());
    EXPECT_FALSE(held.isReadableFile(path));
    EXPECT_EQ(records(), 0U) << "after the look";
}

TEST(HeldDatabasesTest, FileMadeUnreadableIsNoFileUntilReadableAgain) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads a file without read permission";
    }
    TempFolder folder;
    const std::string path = folder.file("RVDaten99.db");
    WriteBytes(path, kYear);
    Settle();
    HeldDatabases held;
    EXPECT_EQ(Held(held, path).size(), 2U);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    // A file that cannot be opened is no file to the readers, as before anything was held.
    EXPECT_EQ(Held(held, path), ReadAfresh(path));
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    EXPECT_EQ(Held(held, path).size(), 2U);
}

}  // namespace
}  // namespace ruvo

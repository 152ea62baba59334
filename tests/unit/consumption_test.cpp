#include "domain/consumption.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "domain/unreadable_records.h"
#include "platform/fake/fake_devices.h"
#include "platform/fake/fake_window_system.h"
#include "tests/support/database_bytes.h"
#include "tests/support/temp_folder.h"

namespace ruvo::testing {
namespace {

using platform::LocalDateTime;

// A file whose size is beyond any data file: present, but it cannot be read.
const char* const kUnreadable = "<unreadable>";

class ConsumptionTest : public ::testing::Test {
protected:
    void putFiles(const std::map<std::string, std::string>& files) {
        for (const auto& entry : std::filesystem::directory_iterator(directory_)) {
            std::filesystem::remove(entry.path());
        }
        for (const auto& [name, bytes] : files) {
            if (bytes == kUnreadable) {
                std::ofstream(directory_ + name).put('x');
                std::filesystem::resize_file(directory_ + name, std::uintmax_t{65} << 20);
            } else {
                std::ofstream(directory_ + name, std::ios::binary) << bytes;
            }
        }
    }

    TempFolder folder_;
    std::string directory_ = folder_.directory();
};

TEST_F(ConsumptionTest, SumsThePeriodFromTheFilesItReachesInto) {
    const LocalDateTime december{1999, 12, 7, 10, 0, 0};
    const LocalDateTime january{2000, 1, 3, 10, 0, 0};
    const LocalDateTime newYearsDay{2000, 1, 1, 10, 0, 0};
    const std::string lastYear = DatabaseBytes({{"30.11.99", "500"},
                                                {"01.12.99", "3000"},
                                                {"19.12.99", "400"},
                                                {"25.12.99", "150"},
                                                {"27.12.99", "2000"},
                                                // hand-edited: a record of the new year
                                                {"10.01.00", "999"}});
    const std::string thisYear =
        DatabaseBytes({{"31.12.99", "700"}, {"01.01.00", "300"}, {"10.01.00", "20"}});
    const std::string year99 = DatabaseBytes({{"05.12.99", "3000"},
                                              {"07.12.99", "2120"},
                                              {"04.12.99", "999"},
                                              {"07.12.98", "5"},
                                              {"12.12.99", "7"}});

    struct Case {
        const char* name;
        LocalDateTime now;
        BudgetKind period;
        std::string reference;
        std::map<std::string, std::string> files;
        std::int32_t sum;
        int beeps;
        int told = 0;  // records the user is told could not be read
    };
    const std::vector<Case> cases = {
        {"week in this year",
         december,
         BudgetKind::Weekly,
         "07.12.99",
         {{"RVDaten99.db", year99}},
         5120,
         0},
        {"month in this year, not the same month of another year",
         december,
         BudgetKind::Monthly,
         "07.12.99",
         {{"RVDaten99.db", year99}},
         6126,
         0},
        {"December seen in January: both files",
         january,
         BudgetKind::Monthly,
         "01.12.99",
         {{"RVDaten99.db", lastYear}, {"RVDaten00.db", thisYear}},
         6250,
         0},
        {"week across New Year: both files",
         january,
         BudgetKind::Weekly,
         "01.01.00",
         {{"RVDaten99.db", lastYear}, {"RVDaten00.db", thisYear}},
         3000,
         0},
        {"week of the old year in a new century",
         newYearsDay,
         BudgetKind::Weekly,
         "25.12.99",
         {{"RVDaten99.db", lastYear}, {"RVDaten00.db", thisYear}},
         550,
         0},
        {"period of this year: last year's file is not read",
         january,
         BudgetKind::Monthly,
         "10.01.00",
         {{"RVDaten99.db", lastYear}, {"RVDaten00.db", thisYear}},
         320,
         0},
        {"last year's file missing",
         january,
         BudgetKind::Monthly,
         "01.12.99",
         {{"RVDaten00.db", thisYear}},
         700,
         0},
        {"no file at all", december, BudgetKind::Weekly, "07.12.99", {}, 0, 0},
        {"header only",
         december,
         BudgetKind::Weekly,
         "07.12.99",
         {{"RVDaten99.db", DatabaseBytes({})}},
         0,
         0},
        {"bad total is skipped, the rest counts",
         december,
         BudgetKind::Weekly,
         "07.12.99",
         {{"RVDaten99.db",
           DatabaseBytes({{"05.12.99", "100"}, {"06.12.99", "1,50"}, {"07.12.99", "200"}})}},
         300,
         0,
         1},
        {"bad total outside the period is passed over",
         december,
         BudgetKind::Weekly,
         "07.12.99",
         {{"RVDaten99.db", DatabaseBytes({{"01.12.99", "x"}, {"07.12.99", "200"}})}},
         200,
         0},
        {"bad total in last year's file is skipped, this year's count",
         january,
         BudgetKind::Weekly,
         "01.01.00",
         {{"RVDaten99.db", DatabaseBytes({{"27.12.99", "10"}, {"28.12.99", "zehn"}})},
          {"RVDaten00.db", thisYear}},
         1010,
         0,
         1},
        {"unreadable file",
         december,
         BudgetKind::Monthly,
         "07.12.99",
         {{"RVDaten99.db", kUnreadable}},
         0,
         1},
        {"unreadable file of last year",
         january,
         BudgetKind::Monthly,
         "01.12.99",
         {{"RVDaten99.db", kUnreadable}, {"RVDaten00.db", thisYear}},
         0,
         1},
        {"sum beyond 32 bits stops at the end",
         december,
         BudgetKind::Monthly,
         "07.12.99",
         {{"RVDaten99.db", DatabaseBytes({{"01.12.99", "2147483000"}, {"02.12.99", "2000"}})}},
         INT32_MAX,
         0},
        {"records without a usable date",
         december,
         BudgetKind::Monthly,
         "07.12.99",
         {{"RVDaten99.db", DatabaseBytes({{"", "1"}, {"7.12.99", "2"}, {"12", "4"}})}},
         0,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        putFiles(c.files);
        fake::FakeSound sound;
        fake::FakeWindowSystem windows;
        UnreadableRecords unreadable(windows);
        HeldDatabases databases;
        EXPECT_EQ(
            SumSpending(c.period, c.reference, directory_, c.now, databases, sound, &unreadable),
            c.sum);
        EXPECT_EQ(sound.count(platform::Beep::Default), c.beeps);
        unreadable.tellNew();
        EXPECT_EQ(windows.messages().size(), static_cast<std::size_t>(c.told));
    }
}

}  // namespace
}  // namespace ruvo::testing

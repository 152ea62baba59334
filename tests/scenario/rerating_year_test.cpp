// A year of connections counted by the whole program in virtual time, then re-rated under the
// tariff file they were counted with: every recorded part comes back to the Pfennig and the
// second, splits at zone changes and midnight, holidays and the provider fee after the month's
// free minutes included.
#include <gtest/gtest.h>

#include <cstddef>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "base/money.h"
#include "domain/rerating.h"
#include "tests/support/connection_fixture.h"

namespace ruvo::testing {
namespace {

// Werktag: four zones through the day. Wochenende: two zones split at noon. Feiertag: one zone
// all day with an index of its own, so that midnight into or out of a holiday splits.
TariffTables YearTariffs() {
    TariffTables tables = Tariffs({{"Nacht", "0000", "0800", "6", "240"},
                                   {"Tag", "0800", "1800", "12", "90"},
                                   {"Abend", "1800", "2100", "9", "150"},
                                   {"Spaet", "2100", "2400", "7", "120"},
                                   {"Feiertag", "0000", "0000", "5", "300"}},
                                  "3", "60");
    TariffTable& weekend = tables.table(DayClass::Wochenende);
    weekend[0].end = "1200";
    weekend[1] = TariffRow{"Tag", "1200", "2400", "8", "200"};
    weekend[2].end = weekend[2].begin;
    weekend[3].end = weekend[3].begin;
    TariffTable& holiday = tables.table(DayClass::Feiertag);
    for (TariffRow& row : holiday) {
        row.end = row.begin;
    }
    holiday[4].end = "2400";
    return tables;
}

const std::vector<HolidayEntry> kHolidays = {
    {"24.12.99", "Heiliger Abend"}, {"01.01.99", "Neujahr"},       {"02.04.99", "Karfreitag"},
    {"05.04.99", "Ostermontag"},    {"01.05.99", "Maifeiertag"},   {"13.05.99", "Himmelfahrt"},
    {"03.10.99", "Einheit"},        {"01.11.99", "Allerheiligen"},
};

class RerateYearTest : public ConnectionTest {
protected:
    RerateYearTest() : ConnectionTest(At(1999, 1, 2, 9, 0, 0)) {
        putSetting("AlwaysSaveConnections", "1");
        putSetting("HideCounterWindow", "1");
        const std::string key = SettingsStore::settingsKey() + "\\Feiertage";
        for (std::size_t i = 0; i < kHolidays.size(); ++i) {
            const std::string index = std::to_string(i);
            machine().registry.writeString(platform::Hive::CurrentUser, key, index + "A",
                                           kHolidays[i].date);
            machine().registry.writeString(platform::Hive::CurrentUser, key, index + "B",
                                           kHolidays[i].name);
        }
        useTariffs(YearTariffs());
    }

    // Dials in shortly before the moment and stays online for `seconds`.
    void connectionAt(const platform::LocalDateTime& moment, int seconds) {
        machine().time.setLocal(moment);
        connect();
        wait(seconds);
        hangUp();
    }
};

TEST_F(RerateYearTest, TheRecordsOfAYearComeBackUnderTheirOwnTariffFile) {
    machine().windowSystem.setMessageHandler(
        [](const platform::MessageBox&) { return platform::MessageAnswer::Ok; });
    startSettled();

    // Start times near the changes of zone, of day and of month, and some anywhere.
    std::mt19937 random(1999);
    const int nearChange[][2] = {{7, 56}, {17, 57}, {20, 58}, {23, 52}, {11, 58}, {23, 57}};
    int day = 0;
    int connections = 0;
    for (int month = 1; month <= 12; ++month) {
        const int lastDay = month == 2                                                ? 28
                            : (month == 4 || month == 6 || month == 9 || month == 11) ? 30
                                                                                      : 31;
        for (day = month == 1 ? 2 : 1; day <= lastDay && !(month == 12 && day > 20);
             day += 3 + static_cast<int>(random() % 3)) {
            int hour = static_cast<int>(random() % 24);
            int minute = static_cast<int>(random() % 60);
            if (random() % 2 == 0) {
                const auto& at = nearChange[random() % 6];
                hour = at[0];
                minute = at[1];
            }
            const int second = static_cast<int>(random() % 60);
            const int duration = 60 + static_cast<int>(random() % 1200);
            connectionAt(At(1999, month, day, hour, minute, second), duration);
            ++connections;
        }
        // Into the next month at midnight.
        if (month < 12) {
            connectionAt(At(1999, month, lastDay, 23, 50, 10), 1200);
            ++connections;
        }
    }

    const std::vector<ConnectionRecord> saved = records();
    const TariffTables tables = YearTariffs();
    const HolidayList holidays(kHolidays.begin(), kHolidays.end());
    Rerater rerater(tables, holidays, 1999);
    const RatedRecords rated = rerater.RateAll(saved);

    EXPECT_TRUE(rated.skipped.empty());
    ASSERT_EQ(rated.connections.size(), static_cast<std::size_t>(connections));
    std::size_t parts = 0;
    std::size_t split = 0;
    std::size_t withFee = 0;
    std::size_t onHolidays = 0;
    for (const RatedConnection& connection : rated.connections) {
        SCOPED_TRACE(connection.recorded.front().startDate + " " +
                     connection.recorded.front().startTime);
        EXPECT_EQ(connection.rerated, connection.recorded);
        parts += connection.recorded.size();
        split += connection.recorded.size() > 1 ? 1 : 0;
        for (const ConnectionRecord& record : connection.recorded) {
            withFee += record.providerCharge != "0" ? 1 : 0;
            onHolidays += record.tariffName == "Feiertag" ? 1 : 0;
        }
    }
    EXPECT_EQ(parts, saved.size());
    // The year holds what the re-rating must get right.
    EXPECT_GT(split, 20U) << connections << " connections";
    EXPECT_GT(withFee, 20U);
    EXPECT_LT(withFee, parts - 20);
    EXPECT_GT(onHolidays, 0U);
    std::cout << connections << " connections, " << parts << " records, " << split << " split, "
              << withFee << " with a provider fee, " << onHolidays << " at the holiday price\n";
}

}  // namespace
}  // namespace ruvo::testing

// Recorded connections counted under other tariffs: where the splits fall then, what the units,
// the provider fee after the free minutes and the holidays make of the same seconds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "domain/rerating.h"
#include "tests/support/connection_fixture.h"

namespace ruvo::testing {
namespace {

ConnectionRecord Rec(std::vector<std::string> f) {
    return ConnectionRecord{f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9]};
}

TEST(RerateTest, RecordsUnderOtherTariffs) {
    const TariffTables dayAndEvening =
        Tariffs({{"Tag", "0800", "1800", "12", "60"}, {"Abend", "1800", "2400", "6", "90"}});
    const TariffTables allDay = Tariffs({{"Ganztag", "0000", "2400", "10", "60"}});
    TariffTables holidayCheaper = allDay;
    holidayCheaper.table(DayClass::Feiertag)[0].pfPerUnit = "4";
    TariffTables holidaysOff = holidayCheaper;
    holidaysOff.holidayTariffsOn = false;
    const TariffTables withFee = Tariffs({{"Ganztag", "0000", "2400", "12", "60"}}, "5", "600");
    const TariffTables nothingAtNight = Tariffs({{"Tag", "0800", "1800", "12", "60"}});
    const HolidayList holidays = {{"24.12.99", "Heiliger Abend"}};

    struct Case {
        const char* name;
        const TariffTables& tables;
        std::vector<ConnectionRecord> before;  // saved earlier
        std::vector<ConnectionRecord> parts;
        std::vector<ConnectionRecord> expected;
    };
    const std::vector<Case> cases = {
        {"a split at 18:00 falls away under one zone all day",
         allDay,
         {},
         {Rec({"Tag", "120", "2", "24", "0", "24", "17:58:12", "07.12.99", "18:00:12", "07.12.99"}),
          Rec({"Abend", "30", "1", "6", "0", "6", "18:00:12", "07.12.99", "18:00:43", "07.12.99"})},
         {Rec({"Ganztag", "150", "3", "30", "0", "30", "17:58:12", "07.12.99", "18:00:43",
               "07.12.99"})}},
        {"a change of zone splits at the next unit's beginning, the record ending with the "
         "figures of the second before",
         dayAndEvening,
         {},
         {Rec({"Ganztag", "150", "3", "30", "0", "30", "17:58:12", "07.12.99", "18:00:43",
               "07.12.99"})},
         {Rec({"Tag", "120", "2", "24", "0", "24", "17:58:12", "07.12.99", "18:00:12", "07.12.99"}),
          Rec({"Abend", "30", "1", "6", "0", "6", "18:00:12", "07.12.99", "18:00:43",
               "07.12.99"})}},
        {"the provider fee from the 90th second, once the month's 600 free minutes are used up",
         withFee,
         {Rec({"Ganztag", "35970", "600", "7200", "0", "7200", "08:00:00", "01.12.99", "18:00:00",
               "01.12.99"})},
         {Rec({"Ganztag", "150", "3", "36", "0", "36", "10:00:00", "07.12.99", "10:02:31",
               "07.12.99"})},
         {Rec({"Ganztag", "150", "3", "36", "10", "46", "10:00:00", "07.12.99", "10:02:31",
               "07.12.99"})}},
        {"last month's seconds do not use up this month's free minutes",
         withFee,
         {Rec({"Ganztag", "35970", "600", "7200", "0", "7200", "08:00:00", "01.11.99", "18:00:00",
               "01.11.99"})},
         {Rec({"Ganztag", "150", "3", "36", "0", "36", "10:00:00", "07.12.99", "10:02:31",
               "07.12.99"})},
         {Rec({"Ganztag", "150", "3", "36", "0", "36", "10:00:00", "07.12.99", "10:02:31",
               "07.12.99"})}},
        {"a holiday counts with its own table",
         holidayCheaper,
         {},
         {Rec({"Ganztag", "90", "2", "20", "0", "20", "10:00:00", "24.12.99", "10:01:31",
               "24.12.99"})},
         {Rec({"Ganztag", "90", "2", "8", "0", "8", "10:00:00", "24.12.99", "10:01:31",
               "24.12.99"})}},
        {"with holidays switched off a holiday is a Friday",
         holidaysOff,
         {},
         {Rec({"Ganztag", "90", "2", "8", "0", "8", "10:00:00", "24.12.99", "10:01:31",
               "24.12.99"})},
         {Rec({"Ganztag", "90", "2", "20", "0", "20", "10:00:00", "24.12.99", "10:01:31",
               "24.12.99"})}},
        {"past midnight into a holiday the zone is looked up at every tick and splits at once",
         holidayCheaper,
         {},
         {Rec({"Ganztag", "100", "2", "20", "0", "20", "23:59:30", "23.12.99", "00:01:11",
               "24.12.99"})},
         // The same zone index on the holiday: no split, the first day's price goes on.
         {Rec({"Ganztag", "100", "2", "20", "0", "20", "23:59:30", "23.12.99", "00:01:11",
               "24.12.99"})}},
        {"begun where no zone applies, with no unit length, it never looks again that day",
         nothingAtNight,
         {},
         {Rec({"Ganztag", "120", "2", "24", "0", "24", "07:59:30", "07.12.99", "08:01:31",
               "07.12.99"})},
         {Rec({"", "120", "0", "0", "0", "0", "07:59:30", "07.12.99", "08:01:31", "07.12.99"})}},
        {"begun where no zone applies, it goes on with the tariff of the connection before",
         nothingAtNight,
         {Rec({"Tag", "60", "1", "12", "0", "12", "17:00:00", "06.12.99", "17:01:00", "06.12.99"})},
         {Rec({"Ganztag", "120", "2", "24", "0", "24", "07:59:00", "07.12.99", "08:01:01",
               "07.12.99"})},
         {Rec({"Tag", "120", "3", "36", "0", "36", "07:59:00", "07.12.99", "08:01:01",
               "07.12.99"})}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rerater rerater(c.tables, holidays, 1999);
        std::vector<ConnectionRecord> all = c.before;
        all.insert(all.end(), c.parts.begin(), c.parts.end());
        const RatedRecords rated = rerater.RateAll(all);
        ASSERT_FALSE(rated.connections.empty());
        EXPECT_EQ(rated.connections.back().recorded, c.parts);
        EXPECT_EQ(rated.connections.back().rerated, c.expected);
    }
}

TEST(RerateTest, UnreadableRecordsAreLeftOutAndEndAConnection) {
    const TariffTables allDay = Tariffs({{"Ganztag", "0000", "2400", "10", "60"}});
    Rerater rerater(allDay, {}, 1999);
    const std::vector<ConnectionRecord> records = {
        Rec({"A", "60", "1", "10", "0", "10", "10:00:00", "07.12.99", "10:01:00", "07.12.99"}),
        Rec({"A", "x", "1", "10", "0", "10", "10:01:00", "07.12.99", "10:02:00", "07.12.99"}),
        Rec({"A", "60", "1", "10", "0", "10", "10:02:00", "7.12.99", "10:03:00", "07.12.99"}),
        Rec({"A", "60", "1", "10", "0", "10", "25:00:00", "07.12.99", "10:03:00", "07.12.99"}),
        Rec({"A", "-1", "1", "10", "0", "10", "10:02:00", "07.12.99", "10:03:00", "07.12.99"}),
        // A month and a day: no connection the counter counted.
        Rec({"A", "2764800", "1", "10", "0", "10", "10:04:00", "07.12.99", "10:04:00", "08.01.00"}),
    };
    const RatedRecords rated = rerater.RateAll(records);
    EXPECT_EQ(rated.connections.size(), 1U);
    EXPECT_EQ(rated.skipped.size(), 5U);
    EXPECT_EQ(TotalPfennig(rated.connections[0].rerated), 20);
}

}  // namespace
}  // namespace ruvo::testing

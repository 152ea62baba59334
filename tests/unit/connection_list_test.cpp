// Reading, filtering and totalling the rows of the connection list.
#include "features/connection_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/money.h"
#include "domain/database_file.h"

namespace ruvo {
namespace {

ConnectionRecord Record(const std::string& date, const std::string& seconds = "60",
                        const std::string& total = "12") {
    return {"Ganztag", seconds, "1", total, "0", total, "10:00:12", date, "10:01:12", date};
}

std::string Database(const std::vector<ConnectionRecord>& records) {
    std::string bytes(kDatabaseHeader);
    for (const auto& r : records) {
        bytes += SerializeRecord(r);
    }
    return bytes;
}

TEST(ReadConnectionRows, TakesRawValuesInFileOrder) {
    const ConnectionRows read = ReadConnectionRows(
        Database({Record("01.12.99", "71", "24"), Record("02.12.99", " 5", "-3")}));
    ASSERT_EQ(read.rows.size(), 2U);
    EXPECT_TRUE(read.unreadable.empty());
    const ConnectionRow expected{"01.12.99", "10:00", "10:01", 71, 24, 0, 24, "1", "Ganztag"};
    EXPECT_EQ(read.rows[0], expected);
    EXPECT_EQ(read.rows[1].seconds, 5);
    EXPECT_EQ(read.rows[1].total, -3);
    EXPECT_EQ(DisplayRow(read.rows[0]),
              (ListControl::Row{"01.12.99", "10:00", "10:01", "00:01:11", "0,24 DM", "0,00 DM",
                                "0,24 DM", "1", "Ganztag"}));
}

TEST(ReadConnectionRows, BadNumberDropsThatRecordOnly) {
    for (const auto& bad : {Record("02.12.99", "1,5"), Record("02.12.99", "60", "abc"),
                            Record("02.12.99", "99999999999")}) {
        const ConnectionRows read =
            ReadConnectionRows(Database({Record("01.12.99"), bad, Record("03.12.99")}));
        ASSERT_EQ(read.unreadable.size(), 1U);
        EXPECT_EQ(read.unreadable[0].first, bad);
        ASSERT_EQ(read.rows.size(), 2U);
        EXPECT_EQ(read.rows[0].date, "01.12.99");
        EXPECT_EQ(read.rows[1].date, "03.12.99");
    }
    // Units are taken as text; only summing them converts them.
    const ConnectionRows read = ReadConnectionRows(
        Database({{"X", "1", "viele", "0", "0", "0", "10:00:00", "01.12.99", "10:00:01", ""}}));
    ASSERT_EQ(read.rows.size(), 1U);
    RowTotals totals;
    EXPECT_THROW(AddToTotals(totals, read.rows[0]), ConversionError);
}

TEST(ReadConnectionRows, StartAndEndKeepFiveCharacters) {
    const ConnectionRows read = ReadConnectionRows(
        Database({{"X", "1", "1", "0", "0", "0", "9:5", "01.12.99", "ä1:00:00", ""}}));
    ASSERT_EQ(read.rows.size(), 1U);
    EXPECT_EQ(read.rows[0].start, "9:5");
    EXPECT_EQ(read.rows[0].end, "ä1:00");
}

std::vector<std::string> DatesShown(const std::vector<ConnectionRow>& rows,
                                    const std::string& period,
                                    const platform::LocalDateTime& today) {
    std::vector<std::string> dates;
    for (const auto& row : FilterRows(rows, period, today)) {
        dates.push_back(row.date);
    }
    return dates;
}

TEST(FilterRows, EveryPeriodOnASundayASaturdayAndInJanuary) {
    std::vector<ConnectionRow> rows;
    for (const char* date :
         {"27.11.99", "28.11.99", "04.12.99", "05.12.99", "10.12.99", "11.12.99", "12.12.99",
          "15.11.98", "31.12.99", "01.01.00", "03.01.00", "04.01.00", "00.00.00"}) {
        rows.push_back({date, "", "", 0, 0, 0, 0, "0", ""});
    }
    using V = std::vector<std::string>;
    const platform::LocalDateTime sunday{1999, 12, 5};
    const platform::LocalDateTime saturday{1999, 12, 11};
    const platform::LocalDateTime january{2000, 1, 4};
    struct Case {
        platform::LocalDateTime today;
        std::string period;
        V expected;
    };
    const std::vector<Case> cases = {
        // On a Sunday the week has only begun: the Saturday before is last week's.
        {sunday, "Aktuelle Woche", V{"05.12.99", "10.12.99", "11.12.99"}},
        {sunday, "Heute", V{"05.12.99"}},
        {sunday, "Gestern", V{"04.12.99"}},
        {sunday, "Letzte Woche", V{"28.11.99", "04.12.99"}},
        {sunday, "Aktueller Monat",
         V{"04.12.99", "05.12.99", "10.12.99", "11.12.99", "12.12.99", "31.12.99"}},
        {sunday, "Letzter Monat", V{"27.11.99", "28.11.99", "15.11.98"}},
        {saturday, "Aktuelle Woche", V{"05.12.99", "10.12.99", "11.12.99"}},
        {saturday, "Letzte Woche", V{"28.11.99", "04.12.99"}},
        {saturday, "Gestern", V{"10.12.99"}},
        // January: last month is December of whatever year the file holds.
        {january, "Letzter Monat",
         V{"04.12.99", "05.12.99", "10.12.99", "11.12.99", "12.12.99", "31.12.99"}},
        {january, "Aktuelle Woche", V{"03.01.00", "04.01.00"}},
        {january, "Gestern", V{"03.01.00"}},
        {january, "Aktueller Monat", V{"01.01.00", "03.01.00", "04.01.00"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DatesShown(rows, c.period, c.today), c.expected) << c.period;
    }
    // Any other text, the whole year included, shows every row, the undated one too.
    for (const char* text : {"Gesamtes Jahr", "heute", "", "Aktuelle Woche "}) {
        EXPECT_EQ(FilterRows(rows, text, sunday).size(), rows.size()) << text;
    }
}

TEST(Totals, TwoSelectedRows) {
    RowTotals totals;
    AddToTotals(totals, {"01.12.99", "", "", 60, 12, 0, 12, "1", ""});
    AddToTotals(totals, {"02.12.99", "", "", 30, 24, 0, 24, "2", ""});
    const std::array<std::string, 6> expected = {"Anzahl: 2",
                                                 "Zeit: 00:01:30",
                                                 "Telefongebüren: 0,36 DM",
                                                 "Providergebüren: 0,00 DM",
                                                 "Gesamtgebüren: 0,36 DM",
                                                 "Einheiten 3"};
    EXPECT_EQ(StatusPanelTexts(totals), expected);
    EXPECT_EQ(StatusPanelTexts(RowTotals{})[0], "Anzahl: 0");
    EXPECT_EQ(StatusPanelTexts(RowTotals{})[5], "Einheiten 0");
}

TEST(Totals, SumsBeyondThirtyTwoBitsStopAtTheLimit) {
    RowTotals totals;
    for (int i = 0; i < 3; ++i) {
        AddToTotals(totals, {"01.12.99", "", "", 2000000000, 2000000000, 0, -2000000000, "1", ""});
    }
    EXPECT_EQ(totals.telephone, 6000000000LL);
    EXPECT_EQ(TotalMoneyText(totals.telephone), MoneyText(2147483647));
    EXPECT_EQ(TotalMoneyText(totals.total), MoneyText(-2147483647 - 1));
    EXPECT_EQ(TotalDurationText(totals.seconds), DurationText(2147483647));
}

}  // namespace
}  // namespace ruvo

// The row line, period text, totals line, print job and clipboard text of the connection list.
#include "features/print_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ruvo {
namespace {

const ListControl::Row kRow = {"07.12.99", "10:00",   "10:01", "00:01:11", "0,24 DM",
                               "0,00 DM",  "0,24 DM", "2",     "Ganztag"};

// 1-based character position of the text in the line, 0 when absent.
std::size_t Column(const std::string& line, const std::string& text, std::size_t from = 0) {
    const std::size_t at = line.find(text, from);
    return at == std::string::npos ? 0 : at + 1;
}

TEST(RowLine, ColumnsStandUnderTheHeading) {
    const std::string line = RowLine(kRow);
    EXPECT_EQ(line,
              "07.12.99   10:00   10:01   00:01:11     0,24 DM     0,00 DM     0,24 DM"
              "       2   Ganztag");
    struct Case {
        std::string text;
        std::size_t position;
    };
    const std::vector<Case> cases = {
        {"10:00", 12},   {"10:01", 20}, {"00:01:11", 28}, {"0,24 DM", 41},
        {"0,00 DM", 53}, {"2   G", 79}, {"Ganztag", 83},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Column(line, c.text), c.position) << c.text;
    }
    // Charges are right-aligned to 9 characters starting at 39, 51 and 63, units to 5 at 75.
    EXPECT_EQ(line.substr(38, 9), "  0,24 DM");
    EXPECT_EQ(line.substr(50, 9), "  0,00 DM");
    EXPECT_EQ(line.substr(62, 9), "  0,24 DM");
    EXPECT_EQ(line.substr(74, 5), "    2");
    // The heading's words stand at the same positions.
    const std::string heading = kColumnHeading;
    for (const auto& [word, position] :
         std::vector<std::pair<std::string, std::size_t>>{{"Start", 12},
                                                          {"Ende", 20},
                                                          {"Dauer", 28},
                                                          {"Telefon", 39},
                                                          {"Provider", 51},
                                                          {"Gesamt", 63},
                                                          {"Einh.", 75},
                                                          {"Tarif", 83}}) {
        EXPECT_EQ(Column(heading, word), position) << word;
    }
}

TEST(RowLine, LongMoneyTextPushesTheRestRight) {
    ListControl::Row row = kRow;
    row[4] = "1000,00 DM";  // ten characters
    const std::string line = RowLine(row);
    EXPECT_EQ(Column(line, "1000,00 DM"), 39);
    EXPECT_EQ(Column(line, "0,00 DM", 49), 53 + 1);
    EXPECT_EQ(Column(line, "Ganztag"), 84);
    EXPECT_EQ(line.size(), RowLine(kRow).size() + 1);
}

TEST(PeriodText, EveryPeriodOnASundayASaturdayAndInJanuary) {
    struct Case {
        platform::LocalDateTime today;
        std::string period;
        std::string expected;
    };
    const platform::LocalDateTime sunday{1999, 12, 5};
    const platform::LocalDateTime saturday{1999, 12, 11};
    const platform::LocalDateTime january{2000, 1, 4};  // a Tuesday
    const std::vector<Case> cases = {
        {sunday, "Aktueller Monat", "Aktueller Monat (12.99)"},
        {sunday, "Aktuelle Woche", "Aktuelle Woche (05.12.99-11.12.99)"},
        {sunday, "Heute", "Heute (05.12.99)"},
        {sunday, "Letzter Monat", "Letzter Monat (11.99)"},
        {sunday, "Letzte Woche", "Letzte Woche (28.11.99-04.12.99)"},
        {sunday, "Gestern", "Gestern (04.12.99)"},
        {sunday, "Gesamtes Jahr", "Gesamtes Jahr ('99)"},
        {saturday, "Aktuelle Woche", "Aktuelle Woche (05.12.99-11.12.99)"},
        {saturday, "Letzte Woche", "Letzte Woche (28.11.99-04.12.99)"},
        {saturday, "Gestern", "Gestern (10.12.99)"},
        {january, "Aktueller Monat", "Aktueller Monat (01.00)"},
        {january, "Aktuelle Woche", "Aktuelle Woche (02.01.00-08.01.00)"},
        {january, "Letzter Monat", "Letzter Monat (12.99)"},
        {january, "Heute", "Heute (04.01.00)"},
        {january, "Gestern", "Gestern (03.01.00)"},
        {january, "Gesamtes Jahr", "Gesamtes Jahr ('00)"},
        {january, "irgendwas", "irgendwas ('00)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PeriodText(c.period, c.today), c.expected) << c.period;
    }
}

TEST(TotalsLine, DurationStartsUnderTheDurationColumn) {
    RowTotals totals;
    totals.count = 2;
    totals.seconds = 90;
    totals.telephone = 12;
    totals.provider = 0;
    totals.total = 36;
    totals.units = 3;
    const std::string line = TotalsLine(totals);
    EXPECT_EQ(line,
              "         2 Verbindungen:   00:01:30     0,12 DM     0,00 DM     0,36 DM       3");
    EXPECT_EQ(Column(line, "00:01:30"), 28);
    EXPECT_EQ(line.substr(38, 9), "  0,12 DM");
    EXPECT_EQ(line.substr(74, 5), "    3");
}

std::vector<ListControl::Row> Rows(std::size_t n) {
    std::vector<ListControl::Row> rows;
    for (std::size_t i = 0; i < n; ++i) {
        ListControl::Row row = kRow;
        row[8] = "Zeile" + std::to_string(i);
        rows.push_back(row);
    }
    return rows;
}

const platform::PrintItem* ItemWithText(const std::vector<platform::PrintItem>& page,
                                        const std::string& prefix) {
    for (const auto& item : page) {
        if (item.text.rfind(prefix, 0) == 0) {
            return &item;
        }
    }
    return nullptr;
}

TEST(PrintJob, PagesAndPositionsFor0_50And51Rows) {
    struct Case {
        std::size_t rows;
        std::size_t pages;
        int lastRowY;  // 0: no row
        int underlineY;
        int totalsY;
    };
    const std::vector<Case> cases = {
        {0, 1, 0, 340, 410},
        {1, 1, 340, 410, 480},
        {50, 1, 270 + 70 * 50, 340 + 70 * 50, 410 + 70 * 50},
        {51, 2, 340, 410, 480},
        {100, 2, 270 + 70 * 50, 340 + 70 * 50, 410 + 70 * 50},
        {101, 3, 340, 410, 480},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        RowTotals totals;
        totals.count = static_cast<std::int64_t>(c.rows);
        const platform::PrintJob job = BuildPrintJob(Rows(c.rows), totals, "Heute (07.12.99)");
        EXPECT_EQ(job.title, "Quelmar Ruvometer - Verbindungen");
        ASSERT_EQ(job.pages.size(), c.pages);
        const auto& last = job.pages.back();
        if (c.rows > 0) {
            const auto* row = ItemWithText(last, RowLine(Rows(c.rows).back()));
            ASSERT_NE(row, nullptr);
            EXPECT_EQ(row->y, c.lastRowY);
            EXPECT_EQ(row->x, 70);
            EXPECT_EQ(row->font.family, "Courier New");
            EXPECT_FALSE(row->font.bold);
        }
        const auto* underline = ItemWithText(last, std::string(121, '_'));
        ASSERT_NE(underline, nullptr);
        EXPECT_EQ(underline->y, c.underlineY);
        EXPECT_EQ(underline->x, 1);
        EXPECT_EQ(underline->font.rgb, 0x0000FFU);
        const auto* totalsItem = ItemWithText(last, TotalsLine(totals));
        ASSERT_NE(totalsItem, nullptr);
        EXPECT_EQ(totalsItem->y, c.totalsY);
        EXPECT_EQ(totalsItem->text, TotalsLine(totals));
        // Only the last page carries the totals.
        for (std::size_t p = 0; p + 1 < job.pages.size(); ++p) {
            EXPECT_EQ(ItemWithText(job.pages[p], std::string(121, '_')), nullptr);
            EXPECT_EQ(job.pages[p].size(), 5U + 50U);
        }
    }
}

TEST(PrintJob, EveryPageHasItsHeader) {
    const platform::PrintJob job = BuildPrintJob(Rows(51), RowTotals{}, "Heute (07.12.99)");
    ASSERT_EQ(job.pages.size(), 2U);
    for (std::size_t p = 0; p < 2; ++p) {
        const auto& page = job.pages[p];
        ASSERT_GE(page.size(), 5U);
        EXPECT_EQ(page[0].text, "Quelmar Ruvometer");
        EXPECT_EQ(page[0].x, 1);
        EXPECT_EQ(page[0].y, 10);
        EXPECT_EQ(page[0].font.family, "TimesNewRoman");
        EXPECT_EQ(page[0].font.pointSize, 12);
        EXPECT_EQ(page[0].font.rgb, 0x0000FFU);
        EXPECT_EQ(page[1].text, std::string(95, '_'));
        EXPECT_EQ(page[1].y, 100);
        EXPECT_EQ(page[2].font.pointSize, 6);
        EXPECT_EQ(page[2].y, 80);
        EXPECT_EQ(page[3].text, "   Verbindungen : Heute (07.12.99)" + std::string(44, ' ') +
                                    "Blatt : " + std::to_string(p + 1));
        EXPECT_EQ(page[3].x, 700);
        EXPECT_EQ(page[3].y, 70);
        EXPECT_EQ(page[3].font.pointSize, 8);
        EXPECT_EQ(page[3].font.rgb, 0x000000U);
        EXPECT_EQ(page[4].text, kColumnHeading);
        EXPECT_EQ(page[4].x, 70);
        EXPECT_EQ(page[4].y, 260);
        EXPECT_TRUE(page[4].font.bold);
        EXPECT_EQ(page[4].font.family, "Courier New");
    }
    // The first row of a page stands at Y 340.
    EXPECT_EQ(job.pages[0][5].y, 340);
    EXPECT_EQ(job.pages[1][5].y, 340);
}

TEST(CopyText, EachRowEndsInBlankCrLf) {
    EXPECT_EQ(CopyText({}), "");
    const auto rows = Rows(2);
    EXPECT_EQ(CopyText(rows), RowLine(rows[0]) + " \r\n" + RowLine(rows[1]) + " \r\n");
}

}  // namespace
}  // namespace ruvo

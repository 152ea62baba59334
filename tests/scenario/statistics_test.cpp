// The statistics window in the running program: its figures agree with the connection list and
// the "Budgets" page to the Pfennig, it reads both years' files, names a file it cannot read,
// and the month chosen shows its days and hours.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/money.h"
#include "features/connection_rows.h"
#include "tests/support/connection_fixture.h"

namespace ruvo::testing {
namespace {

ConnectionRecord Record(const std::string& date, const std::string& start, int seconds,
                        int telephone, int provider) {
    return {"Freizeit",
            IntToStr(seconds),
            IntToStr(telephone / 12),
            IntToStr(telephone),
            IntToStr(provider),
            IntToStr(telephone + provider),
            start,
            date,
            start,
            date};
}

std::string Database(const std::vector<ConnectionRecord>& records) {
    std::string bytes(kDatabaseHeader);
    for (const ConnectionRecord& record : records) {
        bytes += SerializeRecord(record);
    }
    return bytes;
}

// Connections on most days from December 1998 to 15 December 1999, their charges drawn from a
// fixed sequence; a few the list leaves out and one dated 1998 in the 1999 file.
struct SimulatedYear {
    std::vector<ConnectionRecord> lastYear;
    std::vector<ConnectionRecord> thisYear;

    SimulatedYear() {
        unsigned seed = 7;
        const auto next = [&seed](unsigned range) {
            seed = seed * 1103515245U + 12345U;
            return static_cast<int>((seed >> 16) % range);
        };
        for (int month = 0; month <= 12; ++month) {
            const int year = month == 0 ? 98 : 99;
            const int monthNumber = month == 0 ? 12 : month;
            for (int day = 1; day <= (month == 12 ? 15 : 28); ++day) {
                for (int count = next(4); count > 0; --count) {
                    char date[32];
                    char start[32];
                    std::snprintf(date, sizeof date, "%02d.%02d.%02d", day, monthNumber, year);
                    std::snprintf(start, sizeof start, "%02d:%02d:%02d", next(24), next(60),
                                  next(60));
                    (year == 98 ? lastYear : thisYear)
                        .push_back(Record(date, start, 1 + next(20000), 12 * next(40), next(900)));
                }
            }
        }
        // Started on New Year's Eve, saved in the new year.
        thisYear.insert(thisYear.begin(), Record("31.12.98", "23:50:00", 1200, 24, 100));
        // Not a number: neither the list nor the statistics count it.
        ConnectionRecord bad = Record("10.11.99", "10:00:00", 60, 12, 5);
        bad.providerCharge = "12x";
        thisYear.push_back(bad);
    }
};

class StatisticsTest : public ConnectionTest {
protected:
    StatisticsTest() : ConnectionTest(At(1999, 12, 15, 18, 0, 0)) {
        writeFile("RVDaten98.db", Database(year_.lastYear));
        writeFile("RVDaten99.db", Database(year_.thisYear));
    }

    void act(const std::function<void()>& action) { app().userAction(action); }

    void openStatistics() {
        act([&] { app().ShowStatistics(); });
        ASSERT_TRUE(app().statisticsWindow.visible());
    }

    SimulatedYear year_;
};

// The list's status bar for the selected rows of a month, and the statistics' line of the month,
// hold the same figures.
TEST_F(StatisticsTest, EveryMonthAgreesWithTheConnectionList) {
    startSettled();
    act([&] { app().showConnectionList(); });
    openStatistics();
    const StatisticsWindow& window = app().statisticsWindow;
    ConnectionListWindow& list = app().connectionListWindow;
    ASSERT_EQ(window.monthChart.bars().size(), 13U);
    EXPECT_EQ(window.monthBox.items().front(), "Dezember 1998");
    EXPECT_EQ(window.monthBox.items().back(), "Dezember 1999");
    for (int month = 1; month <= 12; ++month) {
        SCOPED_TRACE(month);
        const std::string key = PadTwo(IntToStr(month)) + ".99";
        std::vector<bool> selection;
        for (const auto& row : list.connectionTable.rows()) {
            selection.push_back(row.at(0).substr(3) == key);
        }
        act([&] { list.connectionTable.setSelection(selection); });
        const std::string figures = window.monthChart.bars()[static_cast<std::size_t>(month)].hint;
        for (const TextField* panel :
             {&list.telephonePanel, &list.providerPanel, &list.totalPanel}) {
            const std::string amount = panel->text().substr(panel->text().find(": ") + 2);
            EXPECT_NE(figures.find(amount), std::string::npos) << panel->text() << " / " << figures;
        }
        const std::string count = list.countPanel.text().substr(std::string("Anzahl: ").size());
        EXPECT_NE(figures.find(", " + count + " Verbindung"), std::string::npos) << figures;
        const std::string time = list.durationPanel.text().substr(std::string("Zeit: ").size());
        EXPECT_NE(figures.find(time + " online"), std::string::npos) << figures;
    }

    // The list's own period: its last month is November (its current month would take in the
    // connection of 31.12.98 in this year's file, as the list compares no year).
    act([&] { list.periodBox.setText("Letzter Monat"); });
    act([&] { list.connectionTable.selectAll(); });
    const std::string november =
        list.totalPanel.text().substr(std::string("Gesamtgebüren: ").size());
    EXPECT_EQ(window.monthChart.bars()[11].hint.rfind("November 1999: " + november + " (", 0), 0U)
        << window.monthChart.bars()[11].hint;
    // The budget's spending of this month is the statistics' sum.
    EXPECT_EQ(window.monthFigures.text().rfind(
                  "Dezember 1999: " + app().mainWindow.monthUsed.text() + " (Telefon ", 0),
              0U)
        << window.monthFigures.text();
}

TEST_F(StatisticsTest, TheDaysAndHoursAddUpToTheirMonth) {
    startSettled();
    openStatistics();
    StatisticsWindow& window = app().statisticsWindow;
    for (int month = 0; month < 13; ++month) {
        SCOPED_TRACE(month);
        act([&] { window.monthBox.choose(month); });
        EXPECT_EQ(window.monthChart.chosen(), month);
        const auto& bar = window.monthChart.bars()[static_cast<std::size_t>(month)];
        std::int64_t telephone = 0;
        std::int64_t provider = 0;
        for (const auto& day : window.dayChart.bars()) {
            telephone += day.parts.at(0);
            provider += day.parts.at(1);
        }
        EXPECT_EQ(telephone, bar.parts.at(0));
        EXPECT_EQ(provider, bar.parts.at(1));
        std::int64_t online = 0;
        for (const auto& hour : window.hourChart.bars()) {
            online += hour.parts.at(0);
        }
        EXPECT_NE(bar.hint.find(TotalDurationText(online) + " online"), std::string::npos)
            << bar.hint;
    }
    EXPECT_EQ(window.dayHeading.text(), "Tage im Dezember 1999");
    EXPECT_EQ(window.dayChart.bars().size(), 31U);
    EXPECT_EQ(window.hourHeading.text(), "Onlinezeit nach Tageszeit im Dezember 1999");
    EXPECT_EQ(window.hourChart.bars().size(), 24U);

    // A bar chosen with the mouse or the keys shows its figures.
    act([&] { window.dayChart.choose(6); });
    EXPECT_EQ(window.dayFigures.text().rfind("Dienstag, 07.12.99: ", 0), 0U)
        << window.dayFigures.text();
    act([&] { window.hourChart.choose(23); });
    EXPECT_EQ(window.hourFigures.text().rfind("23 bis 24 Uhr: ", 0), 0U);
    act([&] { window.monthChart.choose(1); });
    EXPECT_EQ(window.monthBox.text(), "Januar 1999");
    EXPECT_EQ(window.dayHeading.text(), "Tage im Januar 1999");

    // The chosen month stays at the next activation; Schließen hides the window.
    act([&] { window.activate(); });
    EXPECT_EQ(window.monthChart.chosen(), 1);
    act([&] { window.closeItem.click(); });
    EXPECT_FALSE(window.visible());
}

TEST_F(StatisticsTest, ForecastFollowsTheMonthlyBudget) {
    putSetting("MonatsBudgetAN", "1");
    putSetting("MonatsBudget", "1");
    putSetting("MBFin", "15.12.99");
    startSettled();
    openStatistics();
    EXPECT_NE(app().statisticsWindow.forecast.text().find(
                  "Das Budget von 0,01 DM ist schon aufgebraucht."),
              std::string::npos)
        << app().statisticsWindow.forecast.text();
    EXPECT_EQ(app().mainWindow.monthOutlook.text(), "schon aufgebraucht");
    EXPECT_TRUE(app().mainWindow.monthForecast.red());
    // Without a budget in use only the amount is said.
    act([&] { app().mainWindow.useMonthlyBudget.click(); });
    EXPECT_EQ(app().mainWindow.monthOutlook.text(), "");
    EXPECT_FALSE(app().mainWindow.monthForecast.red());
    act([&] { app().statisticsWindow.activate(); });
    EXPECT_EQ(app().statisticsWindow.forecast.text().find("Budget"), std::string::npos);
    EXPECT_EQ(app().statisticsWindow.forecast.text(),
              "Bis Ende Dezember voraussichtlich " + app().mainWindow.monthForecast.text() + ".");
}

TEST_F(StatisticsTest, AFileThatCannotBeReadIsNamedAndTheOtherShown) {
    std::filesystem::remove(directory() + "RVDaten98.db");
    std::filesystem::create_directory(directory() + "RVDaten98.db");
    startSettled();
    openStatistics();
    const StatisticsWindow& window = app().statisticsWindow;
    EXPECT_EQ(window.notice.text(), "RVDaten98.db kann nicht gelesen werden: ist ein Ordner.");
    EXPECT_TRUE(window.notice.red());
    EXPECT_EQ(window.monthChart.bars().front().hint.find("Dezember 1998: 1,24 DM"), 0U)
        << window.monthChart.bars().front().hint;
    EXPECT_NE(window.monthChart.bars().back().hint, "Dezember 1999: keine Verbindungen");
    // The bad record is told once, as the list tells it.
    EXPECT_EQ(messagesContaining("'12x'"), 1U);
}

}  // namespace
}  // namespace ruvo::testing

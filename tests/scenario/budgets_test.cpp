// The weekly and monthly budgets in the running program: the figures of the "Budgets" page, the
// new-budget dialog and the closures of finished weeks and months.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "domain/calendar.h"
#include "tests/support/database_bytes.h"
#include "tests/support/program_fixture.h"

namespace ruvo::testing {
namespace {

// What a closure dialog showed.
struct ClosureSeen {
    BudgetKind kind;
    std::string kindLine;
    std::string period;
    std::string amount;
    std::string used;
    std::string left;
    bool red;
    std::string caption;

    friend bool operator==(const ClosureSeen&, const ClosureSeen&) = default;
    friend std::ostream& operator<<(std::ostream& out, const ClosureSeen& c) {
        return out << static_cast<int>(c.kind) << " " << c.kindLine << " " << c.period << " "
                   << c.amount << " " << c.used << " " << c.left << (c.red ? " red " : " ")
                   << c.caption;
    }
};

// The first housekeeping tick after the start: the first tick is at 4.001 seconds.
constexpr double kFirstHousekeeping = 8.001;

class BudgetsTest : public ProgramTest {
protected:
    // A settled program on that day, with both budgets off and closed today.
    void prepareDay(const platform::LocalDateTime& day) {
        kill();
        machine().registry.fromRegedit("REGEDIT4\n");
        for (const auto& entry : std::filesystem::directory_iterator(directory())) {
            std::filesystem::remove(entry.path());
        }
        machine().time.setLocal(day);
        prepareSettledSettings();
        const std::string today = TodayText(day);
        putSetting("WBFin", today);
        putSetting("MBFin", today);
    }

    void putDatabase(const std::string& year, const std::vector<Spending>& records) {
        writeFile("RVDaten" + year + ".db", DatabaseBytes(records));
    }

    ClosureSeen closureNow() {
        const BudgetClosureWindow& dialog = app().budgetClosureWindow;
        EXPECT_NE(dialog.overdrawn.visible(), dialog.kept.visible());
        EXPECT_EQ(dialog.overdrawn.visible(), dialog.left.red());
        return {dialog.kind,          dialog.kindLine.text(),     dialog.periodLine.text(),
                dialog.amount.text(), dialog.used.text(),         dialog.left.text(),
                dialog.left.red(),    dialog.keepAmount.caption()};
    }

    // Every closure dialog is recorded and closed with its tick box as it is.
    void recordClosures() {
        closures_.clear();
        onModal("Form3", [this] {
            closures_.push_back(closureNow());
            app().budgetClosureWindow.ok.click();
        });
    }

    std::vector<ClosureSeen> closures_;
};

TEST_F(BudgetsTest, OverdrawnWeeklyBudgetShowsRed) {
    prepareDay(At(1999, 12, 7, 10, 0, 0));  // a Tuesday
    putSetting("WochenBudgetAN", "1");
    putSetting("WochenBudget", "5000");
    putSetting("MonatsBudgetAN", "1");
    putSetting("MonatsBudget", "10000");
    putDatabase("99", {{"04.12.99", "999"}, {"05.12.99", "3000"}, {"07.12.99", "2120"}});
    ASSERT_TRUE(startProgram());
    wait(4.001);
    const MainWindow& main = app().mainWindow;
    EXPECT_FALSE(main.weekCover.visible());
    EXPECT_EQ(main.weekAmount.text(), "50,00 DM");
    EXPECT_EQ(main.weekUsed.text(), "51,20 DM");
    EXPECT_EQ(main.weekLeft.text(), "- 1,20 DM");
    EXPECT_TRUE(main.weekLeft.red());
    EXPECT_EQ(main.monthUsed.text(), "61,19 DM");
    EXPECT_EQ(main.monthLeft.text(), "38,81 DM");
    EXPECT_FALSE(main.monthLeft.red());
    EXPECT_EQ(setting("WochenBudgetVerbraucht"), "5120");
    EXPECT_EQ(setting("MonatsBudgetVerbraucht"), "6119");

    // Nothing is kept between sums: a changed file shows at the next housekeeping tick.
    putDatabase("99", {{"07.12.99", "-200"}});
    wait(4);
    EXPECT_EQ(main.weekLeft.text(), "52,00 DM");
    EXPECT_FALSE(main.weekLeft.red());

    // A record whose total is no number is skipped, told once, and hides no other.
    putDatabase("99", {{"06.12.99", "100"}, {"06.12.99", "x"}, {"07.12.99", "200"}});
    wait(12);
    EXPECT_EQ(main.weekUsed.text(), "3,00 DM");
    EXPECT_EQ(main.monthUsed.text(), "3,00 DM");
    EXPECT_EQ(messagesContaining("'x'"), 1U);
    EXPECT_TRUE(machine().sound.beeps().empty());
}

TEST_F(BudgetsTest, UseBoxesStoreTheFlagAndUncoverTheFigures) {
    prepareDay(At(1999, 12, 7, 10, 0, 0));
    ASSERT_TRUE(startProgram());
    wait(4.001);
    MainWindow& main = app().mainWindow;
    struct Case {
        CheckBox& box;
        const Panel& cover;
        const char* flag;
    };
    for (const Case& c :
         std::vector<Case>{{main.useWeeklyBudget, main.weekCover, "WochenBudgetAN"},
                           {main.useMonthlyBudget, main.monthCover, "MonatsBudgetAN"}}) {
        SCOPED_TRACE(c.flag);
        EXPECT_TRUE(c.cover.visible());
        app().userAction([&] { c.box.click(); });
        EXPECT_EQ(setting(c.flag), "1");
        EXPECT_FALSE(c.cover.visible());
        app().userAction([&] { c.box.click(); });
        EXPECT_EQ(setting(c.flag), "0");
        EXPECT_TRUE(c.cover.visible());
    }
}

TEST_F(BudgetsTest, NewBudgetDialogStoresMarksAndPfennig) {
    struct Case {
        const char* name;
        bool monthly;
        const char* typed;
        bool cancel;
        const char* stored;  // the old 1500 when the amount is refused or cancelled
        const char* amountText;
        const char* leftText;
        bool refused = false;
    };
    const std::vector<Case> cases = {
        {"weekly 50 DM", false, "50", false, "5000", "50,00 DM", "40,00 DM"},
        {"monthly 120 DM", true, "120", false, "12000", "120,00 DM", "110,00 DM"},
        {"DM and Pfennig", true, "12,50", false, "1250", "12,50 DM", "2,50 DM"},
        {"one Pfennig digit", false, "12,5", false, "1250", "12,50 DM", "2,50 DM"},
        {"Pfennig only", false, "0,50", false, "50", "0,50 DM", "- 9,50 DM"},
        {"a point for the comma", true, "1.5", false, "150", "1,50 DM", "- 8,50 DM"},
        {"at most eight characters", false, "123456789", false, "1234567800", "12345678,00 DM",
         "12345668,00 DM"},
        {"letters are refused", false, "abc", true, "1500", "15,00 DM", "5,00 DM", true},
        {"a negative amount is refused", true, "-5", true, "1500", "15,00 DM", "5,00 DM", true},
        {"three Pfennig digits are refused", true, "1,505", true, "1500", "15,00 DM", "5,00 DM",
         true},
        {"cancelled", false, "50", true, "1500", "15,00 DM", "5,00 DM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prepareDay(At(1999, 12, 7, 10, 0, 0));
        putSetting(c.monthly ? "MonatsBudget" : "WochenBudget", "1500");
        putDatabase("99", {{"07.12.99", "1000"}});
        ASSERT_TRUE(startProgram());
        wait(4.001);
        const std::size_t messagesBefore = machine().windowSystem.messages().size();
        onModal("Form9", [&] {
            NewBudgetWindow& dialog = app().newBudgetWindow;
            EXPECT_EQ(dialog.kind, c.monthly ? BudgetKind::Monthly : BudgetKind::Weekly);
            EXPECT_EQ(dialog.caption(), c.monthly ? "Neues Monatsbudget" : "Neues Wochenbudget");
            EXPECT_EQ(dialog.amountField.text(), "0");
            dialog.amountField.enter(c.typed);
            if (c.refused) {
                dialog.ok.click();
                EXPECT_TRUE(dialog.visible());
            }
            (c.cancel ? dialog.cancel : dialog.ok).click();
        });
        MainWindow& main = app().mainWindow;
        app().userAction(
            [&] { (c.monthly ? main.changeMonthlyBudget : main.changeWeeklyBudget).click(); });
        EXPECT_FALSE(app().newBudgetWindow.visible());
        EXPECT_EQ(machine().windowSystem.messages().size() - messagesBefore, c.refused ? 1U : 0U);
        EXPECT_EQ(setting(c.monthly ? "MonatsBudget" : "WochenBudget"), c.stored);
        EXPECT_EQ(setting(c.monthly ? "MonatsBudgetAN" : "WochenBudgetAN"), c.cancel ? "0" : "1");
        EXPECT_EQ((c.monthly ? main.useMonthlyBudget : main.useWeeklyBudget).checked(), !c.cancel);
        EXPECT_EQ((c.monthly ? main.monthCover : main.weekCover).visible(), c.cancel);
        EXPECT_EQ((c.monthly ? main.monthAmount : main.weekAmount).text(), c.amountText);
        EXPECT_EQ((c.monthly ? main.monthLeft : main.weekLeft).text(), c.leftText);
    }
}

// Whether a closure is due, by the date of the last one.
TEST_F(BudgetsTest, ClosureDueByTheDateOfTheLastOne) {
    struct Case {
        const char* name;
        bool monthly;
        bool inUse;
        const char* lastClosure;
        const char* period;  // nullptr: no closure
    };
    // Today is Tuesday 7 December 1999; its week runs from 5 to 11 December.
    const std::vector<Case> cases = {
        {"same month of an earlier year", true, true, "15.12.98", nullptr},
        {"earlier this month", true, true, "01.12.99", nullptr},
        {"last month", true, true, "30.11.99", "vom 01.11.99 bis zum 30.11.99"},
        {"never", true, true, "0", "vom 01.11.99 bis zum 30.11.99"},
        {"monthly budget not in use", true, false, "30.11.99", nullptr},
        {"Sunday of this week", false, true, "05.12.99", nullptr},
        {"Saturday of this week", false, true, "11.12.99", nullptr},
        {"Saturday before", false, true, "04.12.99", "vom 28.11.99 bis zum 04.12.99"},
        {"never", false, true, "0", "vom 28.11.99 bis zum 04.12.99"},
        {"weekly budget not in use", false, false, "04.12.99", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.monthly ? "monthly: " : "weekly: ") + c.name);
        const char* dateSetting = c.monthly ? "MBFin" : "WBFin";
        prepareDay(At(1999, 12, 7, 10, 0, 0));
        putSetting(c.monthly ? "MonatsBudgetAN" : "WochenBudgetAN", c.inUse ? "1" : "0");
        putSetting(dateSetting, c.lastClosure);
        recordClosures();
        ASSERT_TRUE(startProgram());
        wait(kFirstHousekeeping + 8);
        if (c.period == nullptr) {
            EXPECT_TRUE(closures_.empty());
            EXPECT_EQ(setting(dateSetting), c.lastClosure);
            continue;
        }
        ASSERT_EQ(closures_.size(), 1U);
        EXPECT_EQ(closures_[0].period, c.period);
        EXPECT_EQ(setting(dateSetting), "07.12.99");
    }
}

// 1 August 1999 is a Sunday: the month and the week end together.
TEST_F(BudgetsTest, BothClosuresDueOnTheSameTick) {
    const ClosureSeen july{BudgetKind::Monthly,
                           "(für den letzten Monat)",
                           "vom 01.07.99 bis zum 31.07.99",
                           "200,00 DM",
                           "65,00 DM",
                           "135,00 DM",
                           false,
                           "Erneut Budget in Höhe von 200,00 DM festlegen."};
    const ClosureSeen lastWeek{BudgetKind::Weekly,
                               "(für die letzte Woche)",
                               "vom 25.07.99 bis zum 31.07.99",
                               "50,00 DM",
                               "55,00 DM",
                               "- 5,00 DM",
                               true,
                               "Erneut Budget in Höhe von 50,00 DM festlegen."};
    for (const bool leftOpen : {true, false}) {
        SCOPED_TRACE(leftOpen ? "monthly dialog left open" : "monthly dialog closed at once");
        prepareDay(At(1999, 8, 1, 10, 0, 0));
        putSetting("MonatsBudgetAN", "1");
        putSetting("MonatsBudget", "20000");
        putSetting("MBFin", "15.07.99");
        putSetting("WochenBudgetAN", "1");
        putSetting("WochenBudget", "5000");
        putSetting("WBFin", "31.07.99");
        putDatabase("99", {{"05.07.99", "1000"},
                           {"25.07.99", "2500"},
                           {"31.07.99", "3000"},
                           {"01.08.99", "111"}});
        std::vector<ClosureSeen> seen;
        std::vector<std::int64_t> opened;  // ms after the start
        const std::int64_t start = machine().time.monotonicMs();
        onModal("Form3", [&] {
            opened.push_back(machine().time.monotonicMs() - start);
            seen.push_back(closureNow());
            if (leftOpen) {
                wait(4);  // the next housekeeping tick runs while the dialog is open
                seen.push_back(closureNow());
            }
            app().budgetClosureWindow.ok.click();
        });
        ASSERT_TRUE(startProgram());
        wait(kFirstHousekeeping + 8);
        EXPECT_EQ(seen, (std::vector<ClosureSeen>{july, lastWeek}));
        const std::vector<std::int64_t> openedAt =
            leftOpen ? std::vector<std::int64_t>{8000} : std::vector<std::int64_t>{8000, 8000};
        EXPECT_EQ(opened, openedAt);
        EXPECT_EQ(setting("MBFin"), "01.08.99");
        EXPECT_EQ(setting("WBFin"), "01.08.99");
        // The tick ends with this week's and this month's spending.
        EXPECT_EQ(setting("WochenBudgetVerbraucht"), "111");
        EXPECT_EQ(setting("MonatsBudgetVerbraucht"), "111");
        EXPECT_EQ(app().mainWindow.weekLeft.text(), "48,89 DM");
        EXPECT_FALSE(app().budgetClosureWindow.visible());
    }
}

// The user unticks "Erneut Budget ... festlegen": the new-budget dialog of that budget follows,
// and the choice stays for the next closure.
TEST_F(BudgetsTest, UntickedClosureAsksForANewBudget) {
    struct Case {
        const char* name;
        bool monthly;
        platform::LocalDateTime start;
        const char* lastClosure;
        platform::LocalDateTime nextPeriod;
    };
    const std::vector<Case> cases = {
        {"weekly", false, At(1999, 12, 7), "04.12.99", At(1999, 12, 12)},
        {"monthly", true, At(1999, 11, 7), "15.10.99", At(1999, 12, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prepareDay(c.start);
        putSetting(c.monthly ? "MonatsBudgetAN" : "WochenBudgetAN", "1");
        putSetting(c.monthly ? "MonatsBudget" : "WochenBudget", "5000");
        putSetting(c.monthly ? "MBFin" : "WBFin", c.lastClosure);
        int shown = 0;
        bool tickedAtSecond = true;
        onModal("Form3", [&] {
            ++shown;
            if (shown == 1) {
                EXPECT_TRUE(
                    app().budgetClosureWindow.keepAmount.checked());  // ticked at program start
                app().budgetClosureWindow.keepAmount.setChecked(false);
            } else {
                tickedAtSecond = app().budgetClosureWindow.keepAmount.checked();
                EXPECT_EQ(app().budgetClosureWindow.keepAmount.caption(),
                          "Erneut Budget in Höhe von 70,00 DM festlegen.");
                app().budgetClosureWindow.keepAmount.setChecked(true);
            }
            app().budgetClosureWindow.ok.click();
        });
        ASSERT_TRUE(startProgram());
        wait(kFirstHousekeeping);
        ASSERT_EQ(shown, 1);
        EXPECT_FALSE(app().budgetClosureWindow.visible());
        EXPECT_TRUE(app().mainWindow.visible());
        EXPECT_EQ(app().mainWindow.page(), MainPage::Budgets);
        EXPECT_EQ(app().mainWindow.shortHelp.text(), MainWindow::helpText(MainPage::Budgets));
        ASSERT_TRUE(app().newBudgetWindow.visible());
        EXPECT_EQ(app().newBudgetWindow.kind, c.monthly ? BudgetKind::Monthly : BudgetKind::Weekly);
        EXPECT_EQ(app().newBudgetWindow.amountField.text(), "0");

        // The dialog is not modal: the program runs on until the user answers it.
        wait(20);
        app().userAction([&] {
            app().newBudgetWindow.amountField.enter("70");
            app().newBudgetWindow.ok.click();
        });
        EXPECT_FALSE(app().newBudgetWindow.visible());
        EXPECT_EQ(setting(c.monthly ? "MonatsBudget" : "WochenBudget"), "7000");

        machine().time.setLocal(c.nextPeriod);
        wait(4);
        EXPECT_EQ(shown, 2);
        EXPECT_FALSE(tickedAtSecond);
        EXPECT_FALSE(app().newBudgetWindow.visible());  // ticked again: no new budget asked for
    }
}

// Closures at New Year: the spending comes from last year's file and this year's, which holds
// the connections saved since 1 January (one of them started on 31 December).
TEST_F(BudgetsTest, ClosuresAtNewYearReadBothYears) {
    struct Case {
        const char* name;
        bool monthly;
        platform::LocalDateTime today;
        const char* lastClosure;
        const char* period;
        const char* used;
    };
    const std::vector<Case> cases = {
        {"January closure for December", true, At(2000, 1, 3), "15.12.99",
         "vom 01.12.99 bis zum 31.12.99", "62,50 DM"},
        {"week across New Year", false, At(2000, 1, 3), "01.01.00", "vom 26.12.99 bis zum 01.01.00",
         "30,00 DM"},
        {"last week of the old year, seen on New Year's Day", false, At(2000, 1, 1), "24.12.99",
         "vom 19.12.99 bis zum 25.12.99", "5,50 DM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prepareDay(c.today);
        putSetting(c.monthly ? "MonatsBudgetAN" : "WochenBudgetAN", "1");
        putSetting(c.monthly ? "MonatsBudget" : "WochenBudget", "10000");
        putSetting(c.monthly ? "MBFin" : "WBFin", c.lastClosure);
        putDatabase("99", {{"30.11.99", "500"},
                           {"01.12.99", "3000"},
                           {"19.12.99", "400"},
                           {"25.12.99", "150"},
                           {"27.12.99", "2000"},
                           // Hand-edited: would count in January if this file were read.
                           {"02.01.00", "5000"}});
        putDatabase("00", {{"31.12.99", "700"}, {"01.01.00", "300"}, {"02.01.00", "100"}});
        recordClosures();
        ASSERT_TRUE(startProgram());
        wait(kFirstHousekeeping);
        ASSERT_EQ(closures_.size(), 1U);
        EXPECT_EQ(closures_[0].period, c.period);
        EXPECT_EQ(closures_[0].used, c.used);
        EXPECT_EQ(machine().sound.count(platform::Beep::Default), 0);
        // January itself lies in this year's file only.
        EXPECT_EQ(setting("MonatsBudgetVerbraucht"), "400");
    }
}

}  // namespace
}  // namespace ruvo::testing

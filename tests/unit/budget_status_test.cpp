// The budget figures of the live counter: taken from the settings at the start of a connection,
// shown with the running total every tick.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/settings_store.h"
#include "features/budgets.h"
#include "platform/fake/fake_platform.h"
#include "window_models/main_window.h"

namespace ruvo {
namespace {

class BudgetStatusTest : public ::testing::Test {
protected:
    void put(const std::string& name, const std::string& text) {
        settings.writeSetting(name, text);
    }

    fake::FakeMachine machine{{1999, 12, 7, 10, 0, 0}, "/nonexistent/"};
    fake::FakeProcess process{machine};
    SettingsStore settings{machine.registry};
    MainWindow mainWindow;
    CounterWindow counter;
    BudgetClosureWindow closure;
    NewBudgetWindow newBudget;
    UnreadableRecords unreadable{process.platform().windowSystem};
    HeldDatabases databases;
    Budgets budgets{settings, process.platform(), mainWindow, counter,
                    closure,  newBudget,          databases,  unreadable};
};

TEST_F(BudgetStatusTest, RunningTotalCountsIntoWhatWasSpent) {
    struct Case {
        const char* name;
        std::string amount;
        std::string spent;
        std::int32_t running;
        std::string used;
        std::string left;
        bool red;
    };
    const std::vector<Case> cases = {
        {"within the budget", "5000", "3000", 240, "32,40 DM", "17,60 DM", false},
        {"exactly used up", "5000", "4760", 240, "50,00 DM", "0,00 DM", false},
        {"overdrawn by the running connection", "5000", "4900", 240, "51,40 DM", "- 1,40 DM", true},
        {"no amount set", "0", "0", 5, "0,05 DM", "- 0,05 DM", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        put("WochenBudget", c.amount);
        put("WochenBudgetVerbraucht", c.spent);
        put("MonatsBudget", c.amount);
        put("MonatsBudgetVerbraucht", c.spent);
        put("WochenBudgetAN", "1");
        put("MonatsBudgetAN", "1");
        budgets.prepareCounter();
        budgets.showBudgetStatus(c.running);
        for (const TextField* used : {&counter.weekUsed, &counter.monthUsed}) {
            EXPECT_EQ(used->text(), c.used);
        }
        for (const TextField* left : {&counter.weekLeft, &counter.monthLeft}) {
            EXPECT_EQ(left->text(), c.left);
            EXPECT_EQ(left->red(), c.red);
        }
    }
}

TEST_F(BudgetStatusTest, CoverFollowsTheInUseFlagAndHidesTheFigures) {
    put("WochenBudget", "5000");
    put("MonatsBudget", "9000");
    put("WochenBudgetAN", "0");
    put("MonatsBudgetAN", "1");
    budgets.prepareCounter();
    budgets.showBudgetStatus(100);
    EXPECT_TRUE(counter.weekCover.visible());
    EXPECT_FALSE(counter.monthCover.visible());
    EXPECT_EQ(counter.weekAmount.text(), "0,00 DM");  // covered: not updated
    EXPECT_EQ(counter.monthAmount.text(), "90,00 DM");
    EXPECT_EQ(counter.monthUsed.text(), "1,00 DM");  // the spending is absent: "0"

    // A flag that is neither "1" nor "0" leaves the cover as it was.
    put("WochenBudgetAN", "ja");
    put("MonatsBudgetAN", "");
    budgets.prepareCounter();
    EXPECT_TRUE(counter.weekCover.visible());
    EXPECT_FALSE(counter.monthCover.visible());
}

TEST_F(BudgetStatusTest, FiguresThatAreNoNumbersLeaveTheTextsAlone) {
    put("WochenBudgetAN", "1");
    put("WochenBudget", "50 DM");
    put("MonatsBudgetAN", "1");
    put("MonatsBudget", "5000");
    put("MonatsBudgetVerbraucht", "viel");
    budgets.prepareCounter();
    budgets.showBudgetStatus(100);
    EXPECT_EQ(counter.weekAmount.text(), "0,00 DM");
    EXPECT_EQ(counter.monthAmount.text(), "0,00 DM");
    EXPECT_EQ(counter.monthUsed.text(), "0,00 DM");
}

}  // namespace
}  // namespace ruvo

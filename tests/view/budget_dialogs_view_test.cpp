#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>
#include <vector>

#include "gui/budget_closure_view.h"
#include "gui/new_budget_view.h"
#include "tests/view/dialog_test_app.h"

namespace ruvo::testing {
namespace {

using gui::BudgetClosureView;
using gui::NewBudgetView;

class BudgetDialogsViewTest : public DialogViewTest {};

TEST_F(BudgetDialogsViewTest, ClosureShowsThePeriodItsOutcomeAndTheKeepChoice) {
    BudgetClosureWindow model;
    int confirmed = 0;
    model.ok.onClick = [&] { ++confirmed; };
    BudgetClosureView view(model, Run);
    model.periodLine.setText("vom 28.11.99 bis zum 04.12.99");
    model.left.setText("- 1,20 DM");
    model.left.setRed(true);
    model.overdrawn.setVisible(true);
    model.kept.setVisible(false);
    model.keepAmount.setCaption("Erneut Budget in Höhe von 50,00 DM festlegen.");
    model.show();

    EXPECT_EQ(view.windowTitle(), "Quelmar Ruvometer - Budgetabschluss");
    EXPECT_EQ(view.windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(view.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Find<QLabel>(view, "PeriodLine")->text(), "vom 28.11.99 bis zum 04.12.99");
    EXPECT_EQ(Find<QLabel>(view, "Left")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_FALSE(Find<QLabel>(view, "Overdrawn")->isHidden());
    EXPECT_TRUE(Find<QLabel>(view, "Kept")->isHidden());

    auto* keep = Find<QCheckBox>(view, "CheckBox1");
    EXPECT_EQ(keep->text(), "Erneut Budget in Höhe von 50,00 DM festlegen.");
    keep->click();
    EXPECT_FALSE(model.keepAmount.checked());
    PressKey(&view, Qt::Key_Return);
    EXPECT_EQ(confirmed, 1);
}

TEST_F(BudgetDialogsViewTest, NewBudgetPassesTheTypedAmountBeforeOkActs) {
    NewBudgetWindow model;
    std::vector<std::string> confirmedAmounts;
    int cancelled = 0;
    model.ok.onClick = [&] { confirmedAmounts.push_back(model.amountField.text()); };
    model.cancel.onClick = [&] { ++cancelled; };
    NewBudgetView view(model, Run);
    model.show();

    EXPECT_EQ(view.windowTitle(), "Neues Wochenbudget");
    auto* amount = Find<QLineEdit>(view, "Edit1");
    EXPECT_EQ(amount->text(), "0");
    EXPECT_EQ(amount->maxLength(), 8);
    amount->setText("75");
    Find<QPushButton>(view, "Ok")->click();
    EXPECT_EQ(confirmedAmounts, std::vector<std::string>{"75"});

    PressKey(&view, Qt::Key_Escape);
    EXPECT_EQ(cancelled, 1);
}

}  // namespace
}  // namespace ruvo::testing

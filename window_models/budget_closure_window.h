// The budget closure dialog (Form3): reports a finished week or month with its budget, what was
// spent and what was left, and offers to keep the amount for the new period.
#pragma once

#include <string>
#include <utility>

#include "domain/budget_kind.h"
#include "window_models/window_model.h"

namespace ruvo {

// A picture of the dialog; shown while visible.
class Picture final : public Control {
public:
    Picture(WindowModel& owner, std::string name) : Control(owner, std::move(name)) {}
};

class BudgetClosureWindow final : public WindowModel {
public:
    BudgetClosureWindow() : WindowModel("Form3", "Quelmar Ruvometer - Budgetabschluss") {
        overdrawn.setVisible(false);
    }

    // The bold line with the kind of period and the line with its first and last day.
    TextField kindLine{*this, "KindLine", ""};
    TextField periodLine{*this, "PeriodLine", ""};
    TextField amount{*this, "Amount", ""};
    TextField used{*this, "Used", ""};
    TextField left{*this, "Left", ""};  // red when the budget was overdrawn
    // One of the two shows: the budget was overdrawn, or it was kept.
    Picture overdrawn{*this, "Overdrawn"};
    Picture kept{*this, "Kept"};
    // Keep the amount for the new period. Ticked when the program starts; the user's choice
    // stays for the next closure.
    CheckBox keepAmount{*this, "CheckBox1", "", true};
    Button ok{*this, "Ok", "&Ok"};  // the default button

    // The budget the closure reports.
    BudgetKind kind = BudgetKind::Weekly;
};

}  // namespace ruvo

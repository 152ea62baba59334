// The budget closure dialog (Form3): the finished week or month with its budget, what was spent
// and what was left, a picture for a kept or an overdrawn budget, and the choice to keep the
// amount. Modal and always on top.
#pragma once

#include "gui/window_view.h"
#include "window_models/budget_closure_window.h"

namespace ruvo::gui {

class BudgetClosureView final : public WindowView {
    Q_OBJECT

public:
    BudgetClosureView(BudgetClosureWindow& model, ActionRunner run, QWidget* parent = nullptr);
};

}  // namespace ruvo::gui

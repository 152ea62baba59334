// The new-budget dialog (Form9): the amount in DM that the week or the month should not exceed.
// "&Ok" is the default button (Enter), "A&bbrechen" the cancel button (Escape).
#pragma once

#include "gui/window_view.h"
#include "window_models/new_budget_window.h"

class QLineEdit;

namespace ruvo::gui {

class NewBudgetView final : public WindowView {
    Q_OBJECT

public:
    NewBudgetView(NewBudgetWindow& model, ActionRunner run, QWidget* parent = nullptr);

protected:
    void reject() override;  // Escape answers like "A&bbrechen"

private:
    NewBudgetWindow& budget_;
    QLineEdit* amount_ = nullptr;
};

}  // namespace ruvo::gui

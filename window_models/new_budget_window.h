// The new-budget dialog (Form9): the user enters the amount in DM that the week or the month
// should not exceed.
#pragma once

#include <cstddef>

#include "domain/budget_kind.h"
#include "window_models/window_model.h"

namespace ruvo {

class NewBudgetWindow final : public WindowModel {
public:
    // The amount field holds at most this many characters: DM with Pfennig up to "99999,99".
    static constexpr std::size_t kAmountMaxLength = 8;

    NewBudgetWindow();

    // The amount in DM, whole or with Pfennig; it is "0" whenever the dialog is shown.
    TextField amountField{*this, "Edit1", "0", true};
    Button ok{*this, "Ok", "&Ok"};                    // the default button
    Button cancel{*this, "Abbrechen", "A&bbrechen"};  // the cancel button

    // The budget the dialog sets.
    BudgetKind kind = BudgetKind::Weekly;
};

}  // namespace ruvo

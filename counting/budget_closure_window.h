// The budget closure dialog (Form3).
#pragma once

#include "core/window_model.h"

namespace ruvo {

class BudgetClosureWindow final : public WindowModel {
public:
    BudgetClosureWindow() : WindowModel("Form3", "Quelmar Ruvometer - Budgetabschluss") {}
};

}  // namespace ruvo

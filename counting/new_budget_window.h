// The new-budget dialog (Form9).
#pragma once

#include "core/window_model.h"

namespace ruvo {

class NewBudgetWindow final : public WindowModel {
public:
    NewBudgetWindow() : WindowModel("Form9", "Neues Budget") {}
};

}  // namespace ruvo

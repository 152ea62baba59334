// Which budget a dialog or a sum is about. The numbers are the dialogs' kind values.
#pragma once

namespace ruvo {

enum class BudgetKind { Weekly = 1, Monthly = 2 };

}  // namespace ruvo

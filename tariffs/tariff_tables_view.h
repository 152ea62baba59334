// The tariff tables view (Form8).
#pragma once

#include "core/window_model.h"

namespace ruvo {

class TariffTablesView final : public WindowModel {
public:
    TariffTablesView() : WindowModel("Form8", "Form8") {}
};

}  // namespace ruvo

// The zone-name editor (Form7).
#pragma once

#include "core/window_model.h"

namespace ruvo {

class TariffNameEditor final : public WindowModel {
public:
    TariffNameEditor() : WindowModel("Form7", "Tarif-Liste ändern") {}
};

}  // namespace ruvo

// The holidays editor (Form13).
#pragma once

#include "core/window_model.h"

namespace ruvo {

class HolidaysEditor final : public WindowModel {
public:
    HolidaysEditor() : WindowModel("Form13", "Feiertage") {}
};

}  // namespace ruvo

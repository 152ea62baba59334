// The start-up window (Form2): shown for four seconds while the stored state is checked.
#pragma once

#include "base/identity.h"
#include "window_models/window_model.h"

namespace ruvo {

class StartupWindow final : public WindowModel {
public:
    StartupWindow() : WindowModel("Form2", ApplicationTitle) {}

    TextField captionLabel{*this, "Label2", ""};        // the large caption
    TextField dataDirectoryLabel{*this, "Label4", ""};  // the data directory
};

}  // namespace ruvo

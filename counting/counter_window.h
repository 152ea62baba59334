// The live counter (Form6): the running connection's figures, budget status and warning options.
#pragma once

#include "core/window_model.h"

namespace ruvo {

class CounterWindow final : public WindowModel {
public:
    CounterWindow() : WindowModel("Form6", "Quelmar Ruvometer") { warnBox.setVisible(false); }

    // Set while the next unit is about to begin.
    CheckBox warnBox{*this, "WarnBox", ""};
};

}  // namespace ruvo

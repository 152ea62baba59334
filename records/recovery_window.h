// The crash recovery dialog (Form14).
#pragma once

#include "core/window_model.h"

namespace ruvo {

class RecoveryWindow final : public WindowModel {
public:
    RecoveryWindow() : WindowModel("Form14", "Wiederherstellen") {}
};

}  // namespace ruvo

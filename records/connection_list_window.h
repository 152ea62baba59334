// The connection list (Form10).
#pragma once

#include "core/window_model.h"

namespace ruvo {

class ConnectionListWindow final : public WindowModel {
public:
    ConnectionListWindow() : WindowModel("Form10", "Verbindungen") {}
};

}  // namespace ruvo

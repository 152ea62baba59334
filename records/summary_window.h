// The connection summary (Form4): holds the pending record from the start of a connection until it is saved.
#pragma once

#include "core/window_model.h"

namespace ruvo {

class SummaryWindow final : public WindowModel {
public:
    SummaryWindow() : WindowModel("Form4", "Verbindungszusammenfassung") {}
};

}  // namespace ruvo

// The connection summary (Form4): the figures of the connection that just ended, confirmed with
// "&Ok". Always on top and not modal: the monitor keeps running while it is shown.
#pragma once

#include "gui/window_view.h"
#include "window_models/summary_window.h"

namespace ruvo::gui {

class SummaryWindowView final : public WindowView {
    Q_OBJECT

public:
    SummaryWindowView(SummaryWindow& model, ActionRunner run, QWidget* parent = nullptr);
};

}  // namespace ruvo::gui

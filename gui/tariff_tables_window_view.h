// The tariff tables window (Form8): the tables of the three day classes, one above the other,
// one line per zone. It has no actions of its own.
#pragma once

#include "gui/window_view.h"
#include "window_models/tariff_tables_view.h"

namespace ruvo::gui {

class TariffTablesWindowView final : public WindowView {
    Q_OBJECT

public:
    // The first size, frame included.
    static constexpr int InitialWidth = 575;
    static constexpr int InitialHeight = 300;

    TariffTablesWindowView(TariffTablesView& model, ActionRunner run, QWidget* parent = nullptr);

protected:
    void reject() override;  // Escape: the window has no cancel button
};

}  // namespace ruvo::gui

// The tariff comparison ("Tarifvergleich"): the other tariff file with a button that opens the
// file dialog, the period, the table of the connections and the totals. A normal, resizable
// window that is not modal.
#pragma once

#include "gui/window_view.h"
#include "window_models/tariff_comparison_window.h"

namespace ruvo::gui {

class TariffComparisonView final : public WindowView {
    Q_OBJECT

public:
    TariffComparisonView(TariffComparisonWindow& model, ActionRunner run,
                         QWidget* parent = nullptr);
    ~TariffComparisonView() override;

private:
    TariffComparisonWindow& window_;
};

}  // namespace ruvo::gui

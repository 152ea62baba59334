// The crash recovery dialog (Form14): explains why the last connection was not settled and
// offers to save it; "Speichern" is the default button (Enter), "Verwerfen" the cancel button
// (Escape). Modal and always on top.
#pragma once

#include "gui/window_view.h"
#include "window_models/recovery_window.h"

namespace ruvo::gui {

class RecoveryWindowView final : public WindowView {
    Q_OBJECT

public:
    RecoveryWindowView(RecoveryWindow& model, ActionRunner run, QWidget* parent = nullptr);

protected:
    // Escape answers like the cancel button; the close box stays the window's own affair.
    void reject() override;

private:
    RecoveryWindow& recovery_;
};

}  // namespace ruvo::gui

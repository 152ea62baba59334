// The zone-name editor "Tarif-Liste ändern" (Form7): a name field with "&Hinzufügen", the list
// of names with "&Löschen", and "&Ok" (the default button) and "A&bbrechen" (the cancel button).
// The program runs it modally.
#pragma once

#include "gui/window_view.h"
#include "window_models/tariff_name_editor.h"

namespace ruvo::gui {

class TariffNameEditorView final : public WindowView {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 359;
    static constexpr int ClientHeight = 210;

    TariffNameEditorView(TariffNameEditor& model, ActionRunner run, QWidget* parent = nullptr);

protected:
    // Escape answers like the cancel button.
    void reject() override;

private:
    TariffNameEditor& editor_;
};

}  // namespace ruvo::gui

// The holidays window "Feiertage" (Form13): the list of holidays, the date and name fields, the
// buttons to add, delete and change, the Land and the computation of the holidays, the import of
// the holidays file, "&Ok" and "A&bbrechen".
// The program runs it modally.
#pragma once

#include "gui/window_view.h"
#include "window_models/holidays_editor.h"

namespace ruvo::gui {

class HolidaysEditorView final : public WindowView {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 370;
    static constexpr int ClientHeight = 400;

    HolidaysEditorView(HolidaysEditor& model, ActionRunner run, QWidget* parent = nullptr);
};

}  // namespace ruvo::gui

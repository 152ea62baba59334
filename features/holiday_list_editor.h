// What the holidays window does: it shows the program's one holiday list, which the user edits
// in place (the day classification sees every change at once), imports "Feiertage.dat" into,
// and stores in the registry with "&Ok". "A&bbrechen" stores nothing, but the list in memory
// keeps the changes until it is next loaded.
#pragma once

#include "domain/holiday_list.h"
#include "features/holiday_store.h"
#include "platform/platform.h"
#include "window_models/holidays_editor.h"
#include "window_models/main_window.h"

namespace ruvo {

class HolidayListEditor {
public:
    // `opener` is the "Feiertage..." button of the "Telefon" page.
    HolidayListEditor(HolidaysEditor& window, Button& opener, HolidayList& holidays,
                      HolidayStore& store, platform::Platform& platform);
    HolidayListEditor(const HolidayListEditor&) = delete;
    HolidayListEditor& operator=(const HolidayListEditor&) = delete;

    // Shows the window with the stored list (loaded afresh, with the store's messages) and runs
    // it modally until it closes.
    void open();
    // Shows the list afresh after it was replaced from outside the window.
    void Refresh() { showList(); }

private:
    void wire();
    void showList();
    void updateButtons();
    void rowSelected();
    std::string dateFromFields() const;
    std::string currentYear() const;
    void chooseAndImport();
    void compute();
    void showStoredLand();

    HolidaysEditor& window_;
    HolidayList& holidays_;
    HolidayStore& store_;
    platform::Platform& platform_;
};

}  // namespace ruvo

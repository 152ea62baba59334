// The tariff editor of the "Telefon" page: the day class and zone selectors pick one row of the
// tariff tables, whose price, unit length, begin and end the six fields show and change; the
// zone-name editor replaces the zone list; the holiday switch; the tables view.
//
// Edits go straight into the tables in memory; the file is written by the save the application
// passes in (the hidden "Tarife &Speichern..." button) and at the application's save moments.
//
// The selection is checked whenever a selector's text or items change rather than by a timer
// polling it: the fields are enabled exactly while both selectors name one of their items, and
// reset and disabled otherwise, as a watch would leave them.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "domain/tariff_tables.h"
#include "platform/platform.h"
#include "window_models/main_window.h"
#include "window_models/tariff_name_editor.h"
#include "window_models/tariff_tables_view.h"

namespace ruvo {

class TariffEditor {
public:
    TariffEditor(MainWindow& mainWindow, TariffNameEditor& nameEditor, TariffTablesView& tablesView,
                 TariffTables& tables, platform::WindowSystem& windows,
                 std::function<void()> saveTariffs);
    TariffEditor(const TariffEditor&) = delete;
    TariffEditor& operator=(const TariffEditor&) = delete;

    // The tables were read from the file: the zone selector offers their zones with none
    // selected, and the holiday switch shows the file's flag.
    void tablesLoaded();

    // Both selectors name one of their items, and so a row of the tables.
    bool selectionValid() const;
    // Enables the six fields for a valid selection; otherwise disables them and resets them to
    // "0", "0", "00", "00", "00", "00" without touching any row.
    void watchSelection();
    // Runs the watch and, for a valid selection, fills the six fields from the selected row.
    void showSelectedRow();
    // "Liste ändern...": asks, and on Ja runs the zone-name editor.
    void changeZoneList();
    // The hidden "Form8" button: the tables view with the tables as they are now.
    void showTablesView();

private:
    // The price or the unit length: the field, the row's value it edits, and what is said when
    // a negative number is refused.
    struct UnitField {
        TextField* field;
        std::string TariffRow::*value;
        std::string* kept;  // the value before the present entry
        const char* refusal;
        const char* unit;
    };
    std::array<UnitField, 2> unitFields();
    // Leaving the price or length field: a text that is not a whole number becomes 0; a negative
    // number is refused with a message, and the value from before the entry comes back.
    void leaveUnitField(const UnitField& unit);

    // The row the selectors name, or nullptr. Equal zone names are told apart by the item the
    // user picked.
    TariffRow* selectedRow() const;
    // A field's change reaches the selected row, except while the fields are filled from it.
    TariffRow* rowToWrite() const { return filling_ ? nullptr : selectedRow(); }
    void wire();
    void replaceZones(const std::vector<std::string>& names);
    void zonesChanged();
    void holidaySwitchClicked();

    MainWindow& mainWindow_;
    TariffNameEditor& tariffNamesWindow_;
    TariffTablesView& tariffTablesWindow_;
    TariffTables& tables_;
    platform::WindowSystem& windows_;
    std::function<void()> saveTariffs_;
    bool filling_ = false;
    std::string keptPrice_ = "0";
    std::string keptLength_ = "0";
};

}  // namespace ruvo

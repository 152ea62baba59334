// The tariff comparison ("Tarifvergleich"): another tariff file and a period, and for every
// connection of the period what it cost and what it would have cost under that file, with the
// totals. The behaviour is wired by TariffComparisonDialog.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "window_models/connection_list_window.h"
#include "window_models/window_model.h"

namespace ruvo {

class TariffComparisonWindow final : public WindowModel {
public:
    TariffComparisonWindow() : WindowModel("Tarifvergleich", "Tarifvergleich") {}

    // The other tariff file's path; leaving the field compares.
    TextField tariffFile{*this, "Tarifdatei", "", true};
    Button durchsuchen{*this, "Durchsuchen", "&Durchsuchen..."};
    // The periods of the connection list; a change compares again.
    ComboBox periodBox{*this, "Zeitraum", ConnectionListWindow::periodItems(), "Gesamtes Jahr"};
    Button vergleichen{*this, "Vergleichen", "&Vergleichen"};
    ListControl table{*this, "Vergleich", columns()};
    TextField summary{*this, "Summe", ""};
    Button closeItem{*this, "Schliessen", "&Schließen"};

    // Set by the view: asks for a tariff file to compare with; nothing when the user cancels.
    std::function<std::optional<std::string>()> onChooseTariffFile;

    static std::vector<std::string> columns() {
        return {"Datum",    "Start",         "Dauer",          "Tarif",
                "Gebühren", "Anderer Tarif", "Hätte gekostet", "Differenz"};
    }
};

}  // namespace ruvo

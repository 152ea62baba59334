// The tariff tables view (Form8): the three day-class tables side by side, one line per zone.
// It has no actions of its own.
#pragma once

#include <array>

#include "domain/tariff_tables.h"
#include "window_models/window_model.h"

namespace ruvo {

class TariffTablesView final : public WindowModel {
public:
    TariffTablesView() : WindowModel("Form8", "Form8") {}

    // Widths of the columns "Tarif", "Beginn", "Ende", "Pf pro Einheit", "Sek pro Einheit".
    static constexpr std::array<int, 5> kColumnWidths = {200, 80, 80, 80, 88};

    ListControl workdayTable{*this, "ListView1", columns()};  // Werktag
    ListControl weekendTable{*this, "ListView2", columns()};  // Wochenende
    ListControl holidayTable{*this, "ListView3", columns()};  // Feiertag

    // Fills the three lists from the tables.
    void showTables(const TariffTables& tables);

private:
    static std::vector<std::string> columns() {
        return {"Tarif", "Beginn", "Ende", "Pf pro Einheit", "Sek pro Einheit"};
    }
};

}  // namespace ruvo

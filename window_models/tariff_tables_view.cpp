#include "window_models/tariff_tables_view.h"

#include <utility>
#include <vector>

namespace ruvo {

void TariffTablesView::showTables(const TariffTables& tables) {
    const std::array<ListControl*, 3> lists = {&workdayTable, &weekendTable, &holidayTable};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        std::vector<ListControl::Row> rows;
        for (const TariffRow& row : tables.tables[i]) {
            rows.push_back({row.name, row.begin, row.end, row.pfPerUnit, row.secPerUnit});
        }
        lists[i]->setRows(std::move(rows));
    }
}

}  // namespace ruvo

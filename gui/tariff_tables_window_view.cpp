#include "gui/tariff_tables_window_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QVBoxLayout>

#include "gui/widget_kit.h"

namespace ruvo::gui {

TariffTablesWindowView::TariffTablesWindowView(TariffTablesView& model, ActionRunner run,
                                               QWidget* parent)
    : WindowView(model, std::move(run), parent) {
    setWindowFlags(Qt::Window);
    setFont(WindowFont());
    resizeWithFrame(InitialWidth, InitialHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setSpacing(1);
    const struct {
        const char* dayClass;
        ListControl& rows;
    } tables[] = {{"Werktag", model.workdayTable},
                  {"Wochenende", model.weekendTable},
                  {"Feiertag", model.holidayTable}};
    for (const auto& table : tables) {
        auto* heading = new QLabel(QString::fromUtf8(table.dayClass), this);
        heading->setFont(ArialFont(11, true));
        layout->addWidget(heading);
        QTreeView* list = ReportList(this, QAbstractItemView::SingleSelection);
        binder().list(list, table.rows);
        for (std::size_t column = 0; column < TariffTablesView::kColumnWidths.size(); ++column) {
            list->header()->resizeSection(static_cast<int>(column),
                                          TariffTablesView::kColumnWidths[column]);
        }
        layout->addWidget(list, 1);
    }
}

void TariffTablesWindowView::reject() {}

}  // namespace ruvo::gui

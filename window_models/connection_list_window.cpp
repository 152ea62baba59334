#include "window_models/connection_list_window.h"

#include "domain/calendar.h"

namespace ruvo {

ConnectionListWindow::ConnectionListWindow()
    : WindowModel("Form10", "Quelmar Ruvometer - Verbindungen") {
    report.onClick = [this] { setStyle(ListStyle::Report); };
    list.onClick = [this] { setStyle(ListStyle::List); };
    icon.onClick = [this] { setStyle(ListStyle::Icon); };
    closeItem.onClick = [this] { hide(); };
}

void ConnectionListWindow::setStyle(ListStyle style) {
    if (style_ != style) {
        style_ = style;
        changed();
    }
}

std::vector<std::string> ConnectionListWindow::periodItems() {
    std::vector<std::string> items;
    for (Period period : {Period::WholeYear, Period::CurrentMonth, Period::CurrentWeek,
                          Period::Today, Period::LastMonth, Period::LastWeek, Period::Yesterday}) {
        items.push_back(PeriodName(period));
    }
    return items;
}

std::vector<std::string> ConnectionListWindow::columns() {
    return {"      Datum",     "Start",           "Ende",      "Dauer", "Telefongebüren",
            "Providergebüren", "Gesamte Gebüren", "Einheiten", "Tarif"};
}

}  // namespace ruvo

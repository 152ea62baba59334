// The main window's menu entries that open the connection list, the statistics, the tariff
// comparison, the holidays window and the short help.
#include "base/messages.h"
#include "program/application.h"

namespace ruvo {

void Ruvometer::showConnectionList() {
    connectionListWindow.show();
    connectionListWindow.activate();
}

void Ruvometer::ShowStatistics() {
    statisticsWindow.show();
    statisticsWindow.activate();
}

void Ruvometer::ShowTariffComparison() {
    tariffComparison_.show();
}

void Ruvometer::showHolidaysEditor() {
    mainWindow.selectPage(MainPage::Telephone);
    holidayEditor_.open();
}

void Ruvometer::ShowShortHelp() {
    Inform(platform_.windowSystem, "Kurzhilfe :\n\n" + mainWindow.shortHelp.text());
}

}  // namespace ruvo

// The main window's menu entries that open the connection list and the holidays window.
#include "program/application.h"

namespace ruvo {

void Ruvometer::ShowConnectionList() {
    connectionListWindow.show();
    connectionListWindow.activate();
}

void Ruvometer::ShowTariffComparison() {
    tariffComparison_.Show();
}

void Ruvometer::ShowHolidaysEditor() {
    mainWindow.selectPage(MainPage::Telefon);
    holidayEditor_.Open();
}

}  // namespace ruvo

// The main window's menu entries that open the connection list and the holidays window.
#include "program/application.h"

namespace ruvo {

void Ruvometer::ShowConnectionList() {
    connectionListWindow.show();
    connectionListWindow.activate();
}

void Ruvometer::ShowHolidaysEditor() {
    mainWindow.selectPage(MainPage::Telephone);
    holidayEditor_.Open();
}

}  // namespace ruvo

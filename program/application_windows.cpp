// The main window's menu entries that open the connection list and the holidays window.
#include "program/application.h"

namespace ruvo {

void Ruvometer::showConnectionList() {
    connectionListWindow.show();
    connectionListWindow.activate();
}

void Ruvometer::showHolidaysEditor() {
    mainWindow.selectPage(MainPage::Telephone);
    holidayEditor_.open();
}

}  // namespace ruvo

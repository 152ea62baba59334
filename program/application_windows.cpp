// The main window's menu entries that open the connection list and the holidays window.
#include "program/application.h"

namespace ruvo {

void Ruvometer::ShowConnectionList() {
    form10.show();
    form10.activate();
}

void Ruvometer::ShowHolidaysEditor() {
    form1.selectPage(MainPage::Telefon);
    holidayEditor_.Open();
}

}  // namespace ruvo

#include "window_models/counter_window.h"

namespace ruvo {

CounterWindow::CounterWindow() : WindowModel("Form6", "Quelmar Ruvometer") {
    for (Control* hidden : std::initializer_list<Control*>{
             &zoneIndex, &lookupDate, &providerFee, &pfPerUnit, &secPerUnit, &beginHour,
             &beginMinute, &endHour, &endMinute, &monthSeconds, &warnBox, &leadField}) {
        hidden->setVisible(false);
    }
    ok.onClick = [this] { hide(); };
    // Showing the window always selects the "Verbindung" tab.
    addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Shown) {
            selectPage(CounterPage::Connection);
        }
    });
}

void CounterWindow::selectPage(CounterPage page) {
    if (page_ != page) {
        page_ = page;
        changed();
    }
}

}  // namespace ruvo

// The warning and title options exist twice: on the main window's "Warnungen" page and, as
// copies taken at the start of each connection, on the counter's "Warnungen" tab. A change on
// the counter's tab is passed on to the main window, which stores it.
#pragma once

#include "window_models/counter_window.h"
#include "window_models/main_window.h"

namespace ruvo {

// Makes the counter's option controls pass their changes on to the main window's.
void WireCounterOptionMirrors(CounterWindow& counter, MainWindow& main);

// The counter takes the main window's current options (done when a connection starts).
void CopyWarningOptions(const MainWindow& main, CounterWindow& counter);

}  // namespace ruvo

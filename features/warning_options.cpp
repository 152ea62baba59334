#include "features/warning_options.h"

#include "base/money.h"

namespace ruvo {

void WireCounterOptionMirrors(CounterWindow& counter, MainWindow& main) {
    counter.warnInTray.onClick = [&counter, &main] {
        const bool on = counter.warnInTray.checked();
        counter.warnBeep.setEnabled(on);
        counter.leadSlider.setEnabled(on);
        main.warnInTray.setChecked(on);
    };
    counter.warnBeep.onClick = [&counter, &main] {
        main.warnBeep.setChecked(counter.warnBeep.checked());
    };
    counter.chargesInTitle.onClick = [&counter, &main] {
        main.chargesInTitle.setChecked(counter.chargesInTitle.checked());
    };
    counter.onlineTimeInTitle.onClick = [&counter, &main] {
        main.onlineTimeInTitle.setChecked(counter.onlineTimeInTitle.checked());
    };
    counter.secondsLeftInTitle.onClick = [&counter, &main] {
        main.secondsLeftInTitle.setChecked(counter.secondsLeftInTitle.checked());
    };
    counter.leadSlider.onChange = [&counter, &main] {
        main.leadSlider.setPosition(counter.leadSlider.position());
        counter.leadField.setText(IntToStr(counter.leadSlider.position()));
    };
    counter.leadField.onChange = [&counter, &main] {
        const auto value = ToInteger(counter.leadField.text()).value_or(0);
        counter.leadText.setText(IntToStr(2LL * value) + " Sekunden vor neuer Einheit.");
        main.leadField.setText(counter.leadField.text());
    };
}

void CopyWarningOptions(const MainWindow& main, CounterWindow& counter) {
    counter.warnInTray.setChecked(main.warnInTray.checked());
    counter.warnBeep.setChecked(main.warnBeep.checked());
    counter.chargesInTitle.setChecked(main.chargesInTitle.checked());
    counter.secondsLeftInTitle.setChecked(main.secondsLeftInTitle.checked());
    counter.onlineTimeInTitle.setChecked(main.onlineTimeInTitle.checked());
    counter.leadSlider.setPosition(main.leadSlider.position());
    counter.leadField.setText(main.leadField.text());
    counter.leadText.setText(main.leadText.text());
}

}  // namespace ruvo

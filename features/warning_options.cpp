#include "features/warning_options.h"

#include "base/money.h"

namespace ruvo {

void WireCounterOptionMirrors(CounterWindow& counter, MainWindow& main) {
    counter.warnInTray.onClick = [&counter, &main] {
        const bool on = counter.warnInTray.checked();
        counter.warnBeep.setEnabled(on);
        counter.trackBar1.setEnabled(on);
        main.checkBox3.setChecked(on);
    };
    counter.warnBeep.onClick = [&counter, &main] {
        main.checkBox4.setChecked(counter.warnBeep.checked());
    };
    counter.chargesInTitle.onClick = [&counter, &main] {
        main.checkBox7.setChecked(counter.chargesInTitle.checked());
    };
    counter.timeInTitle.onClick = [&counter, &main] {
        main.checkBox9.setChecked(counter.timeInTitle.checked());
    };
    counter.restInTitle.onClick = [&counter, &main] {
        main.checkBox8.setChecked(counter.restInTitle.checked());
    };
    counter.trackBar1.onChange = [&counter, &main] {
        main.trackBar1.setPosition(counter.trackBar1.position());
        counter.leadField.setText(IntToStr(counter.trackBar1.position()));
    };
    counter.leadField.onChange = [&counter, &main] {
        const auto value = ToInteger(counter.leadField.text()).value_or(0);
        counter.leadText.setText(IntToStr(2LL * value) + " Sekunden vor neuer Einheit.");
        main.edit10.setText(counter.leadField.text());
    };
}

void CopyWarningOptions(const MainWindow& main, CounterWindow& counter) {
    counter.warnInTray.setChecked(main.checkBox3.checked());
    counter.warnBeep.setChecked(main.checkBox4.checked());
    counter.chargesInTitle.setChecked(main.checkBox7.checked());
    counter.restInTitle.setChecked(main.checkBox8.checked());
    counter.timeInTitle.setChecked(main.checkBox9.checked());
    counter.trackBar1.setPosition(main.trackBar1.position());
    counter.leadField.setText(main.edit10.text());
    counter.leadText.setText(main.leadText.text());
}

}  // namespace ruvo

#include "program/application.h"

#include "base/identity.h"
#include "base/messages.h"
#include "base/money.h"
#include "base/setting_names.h"
#include "domain/calendar.h"
#include "features/warning_options.h"

namespace ruvo {

Ruvometer::Ruvometer(platform::Platform& platform)
    : heldMessages_(platform.windowSystem),
      platform_{platform.clock,
                platform.timers,
                platform.registry,
                platform.instanceLock,
                platform.hostAddresses,
                platform.tray,
                platform.foregroundWindows,
                platform.sound,
                platform.printing,
                platform.clipboard,
                platform.paths,
                heldMessages_},
      guard_(platform_.windowSystem),
      timers_(platform.timers, guard_),
      settings_(platform_.registry),
      autostart_(platform_.registry, platform_.paths),
      tray_(platform_.tray, form1, form6),
      onlineDetection_(settings_, platform_.hostAddresses, platform_.windowSystem, form1),
      options_(form1, settings_, autostart_, guard_),
      unreadableRecords_(platform_.windowSystem),
      budgets_(settings_, platform_, form1, form6, form3, form9, unreadableRecords_),
      autosave_(settings_),
      databaseWriter_(settings_, platform_.windowSystem, [this] { return DatabasePath(); }),
      holidayStore_(settings_, platform_),
      providerMinutes_(settings_, platform_, form1, unreadableRecords_),
      titleDisplay_(platform_.foregroundWindows),
      counter_(form6, form4, platform_.clock, timers_, platform_.sound, *this),
      recovery_(form14, autosave_, databaseWriter_, timers_, platform_.sound,
                [this] { startupTimer_->setEnabled(true); }) {
    startupTimer_ = guardedTimer(4000, &Ruvometer::StartupTimerFired);
    timer1_ = guardedTimer(1, &Ruvometer::FirstTick);
    timer2_ = guardedTimer(4000, &Ruvometer::HousekeepingTick);
    wire();
}

Ruvometer::~Ruvometer() {
    platform_.tray.setLeftClickHandler(nullptr);
}

std::unique_ptr<platform::Timer> Ruvometer::guardedTimer(int intervalMs,
                                                         void (Ruvometer::*handler)()) {
    return timers_.createTimer(intervalMs, [this, handler] { (this->*handler)(); });
}

std::vector<WindowModel*> Ruvometer::windows() {
    return {&form2, &form1, &form4,  &form5, &form6,  &form7,
            &form8, &form9, &form10, &form3, &form13, &form14};
}

void Ruvometer::userAction(const std::function<void()>& action) {
    guard_.run(action);
}

void Ruvometer::wire() {
    form1.button1.onClick = [this] { ToggleMonitoring(); };
    form1.button2.onClick = [this] { QuitProgram(); };
    form1.button17.onClick = [this] { Minimise(); };
    form1.reparieren.onClick = [this] { onlineDetection_.Recalibrate(); };
    form1.tarifSuche.onClick = [this] { ShowCurrentTariff(); };
    form1.active.onClick = [this] { ActiveClicked(); };
    form1.online.onClick = [this] { OnlineClicked(); };
    form1.onPageChange = [this](MainPage from, MainPage to) { PageChanged(from, to); };
    form1.addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Shown) {
            form1.setCaption(VersionName);
        }
    });

    form4.onConfirm = [this] { ConfirmSummary(); };
    form4.addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Shown) {
            SummaryShown();
        }
    });
    // Closing the counter gives the window decorated last its title back.
    form6.addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Hidden) {
            titleDisplay_.ApplyTitleSuffix(titleSuffix_, true);
        }
    });
    WireCounterOptionMirrors(form6, form1);

    form1.edit5.onExit = [this] {
        form1.edit5.setText(NumberFieldText(form1.edit5.text(), "0", false));
        SaveTariffs();
    };
    form1.edit13.onExit = [this] {
        form1.edit13.setText(NumberFieldText(form1.edit13.text(), "0", false));
        SaveTariffs();
        UpdateMonthlyMinutes();
    };

    form5.onYes = [this] { autostart_.Write(); };
    form5.onClose = [this](bool askAgain) {
        settings_.WriteSetting(setting::AskAutostartQuestion, askAgain ? "1" : "0");
    };

    platform_.tray.setLeftClickHandler([this] { guard_.run([this] { TrayClicked(); }); });
}

std::string Ruvometer::StatusLine() const {
    const platform::LocalDateTime t = now();
    std::string line = " ";
    line += WeekdayName(WeekdayNumber(TodayText(t), t.year));
    line += "    ";
    line += NowTimeText(t);
    return line;
}

void Ruvometer::TrayClicked() {
    if (form1.online.checked()) {
        if (!form6.visible()) {
            form6.show();
        }
        return;
    }
    if (!form3.visible() && !form4.visible() && !form1.visible()) {
        form1.show();
    }
}

void Ruvometer::PageChanged(MainPage from, MainPage to) {
    if (from == MainPage::Telefon) {
        SaveTariffs();
    }
    form1.shortHelp.setText(MainWindow::HelpText(to));
}

void Ruvometer::Minimise() {
    SaveTariffs();
    form1.setPageQuietly(MainPage::Allgemein);
    form1.shortHelp.setText(MainWindow::HelpText(MainPage::Allgemein));
    form1.hide();
}

void Ruvometer::ToggleMonitoring() {
    form1.active.setChecked(!form1.active.checked());
}

void Ruvometer::ActiveClicked() {
    tray_.UpdateTrayIcon(TrayOperation::Modify);
    if (form1.active.checked()) {
        form1.button1.setCaption("&Deaktivieren");
        return;
    }
    form1.button1.setCaption("&Aktivieren");
    platform_.windowSystem.messageBox(
        {ApplicationTitle,
         "Hiermit deaktivieren Sie den Ruvometer. Er wird jetzt keine Verbindungen mehr "
         "aufzeichnen bis Sie ihn wieder aktivieren.",
         platform::MessageIcon::Question, platform::MessageButtons::Ok});
    SaveTariffs();
    form1.setPageQuietly(MainPage::Allgemein);
    form1.shortHelp.setText(MainWindow::HelpText(MainPage::Allgemein));
    form1.hide();
}

void Ruvometer::QuitProgram() {
    if (!AskYesNo(platform_.windowSystem,
                  "Wenn Sie Ruvometer jetzt beenden, werden Ihre Internetverbindungen nicht "
                  "mehr überwacht.\n\nWollen Sie Quelmar Ruvometer wirklich beenden?")) {
        return;
    }
    SaveTariffs();
    form1.setPageQuietly(MainPage::Info);
    endProgram(0);
}

void Ruvometer::closeRequestedBySystem() {
    endProgram(0);
}

void Ruvometer::endProgram(int exitCode) {
    if (ended_) {
        return;
    }
    ended_ = true;
    timer1_->setEnabled(false);
    timer2_->setEnabled(false);
    startupTimer_->setEnabled(false);
    counter_.Stop();
    tray_.UpdateTrayIcon(TrayOperation::Delete);
    for (WindowModel* window : windows()) {
        window->hide();
    }
    platform_.windowSystem.quit(exitCode);
}

}  // namespace ruvo

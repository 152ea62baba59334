#include "program/application.h"

#include "base/identity.h"
#include "base/messages.h"
#include "base/money.h"
#include "base/setting_names.h"
#include "domain/calendar.h"
#include "features/list_layout.h"
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
                heldMessages_,
                platform.notifications},
      guard_(platform_.windowSystem),
      timers_(platform.timers, guard_),
      settings_(platform_.registry),
      autostart_(platform_.registry, platform_.paths),
      tray_(platform_.tray, mainWindow, counterWindow),
      onlineDetection_(settings_, platform_.hostAddresses, platform_.windowSystem, mainWindow),
      options_(mainWindow, settings_, autostart_, guard_),
      unreadableRecords_(platform_.windowSystem),
      budgets_(settings_, platform_, mainWindow, counterWindow, budgetClosureWindow,
               newBudgetWindow, databases_, unreadableRecords_),
      notices_(platform_.notifications, mainWindow),
      autosave_(settings_),
      databaseWriter_(settings_, platform_.windowSystem, notices_, databases_,
                      [this] { return databasePath(); }),
      holidayStore_(settings_, platform_),
      providerMinutes_(settings_, platform_, mainWindow, databases_, unreadableRecords_),
      titleDisplay_(platform_.foregroundWindows),
      counter_(counterWindow, summaryWindow, platform_.clock, timers_, platform_.sound, *this),
      recovery_(recoveryWindow, autosave_, databaseWriter_, timers_, platform_.sound,
                [this] { startupTimer_->setEnabled(true); }) {
    startupTimer_ = guardedTimer(4000, &Ruvometer::startupTimerFired);
    timer1_ = guardedTimer(1, &Ruvometer::firstTick);
    timer2_ = guardedTimer(4000, &Ruvometer::housekeepingTick);
    wire();
}

Ruvometer::~Ruvometer() {
    platform_.tray.setLeftClickHandler(nullptr);
    platform_.tray.setMenuHandler(nullptr);
}

std::unique_ptr<platform::Timer> Ruvometer::guardedTimer(int intervalMs,
                                                         void (Ruvometer::*handler)()) {
    return timers_.createTimer(intervalMs, [this, handler] { (this->*handler)(); });
}

std::vector<WindowModel*> Ruvometer::windows() {
    return {&startupWindow,        &mainWindow,
            &summaryWindow,        &autostartQuestionWindow,
            &counterWindow,        &tariffNamesWindow,
            &tariffTablesWindow,   &newBudgetWindow,
            &connectionListWindow, &budgetClosureWindow,
            &holidaysWindow,       &recoveryWindow,
            &statisticsWindow,     &tariffComparisonWindow};
}

// Ticking the box runs the title routine once with the suffix of the last tick; the box unticks
// itself first, so that it is ready for the next request even when the routine fails.
void Ruvometer::wireTitleTrigger(CheckBox& trigger, bool clearMode) {
    trigger.onClick = [this, &trigger, clearMode] {
        if (!trigger.checked()) {
            return;
        }
        trigger.setCheckedQuietly(false);
        titleDisplay_.applyTitleSuffix(titleSuffix_, clearMode);
    };
}

void Ruvometer::userAction(const std::function<void()>& action) {
    guard_.run(action);
}

void Ruvometer::wire() {
    mainWindow.monitoringButton.onClick = [this] { toggleMonitoring(); };
    mainWindow.quitButton.onClick = [this] { quitProgram(); };
    mainWindow.minimizeButton.onClick = [this] { hideToTray(); };
    mainWindow.repairButton.onClick = [this] { onlineDetection_.recalibrate(); };
    mainWindow.tariffLookupButton.onClick = [this] { showCurrentTariff(); };
    mainWindow.active.onClick = [this] { activeClicked(); };
    mainWindow.online.onClick = [this] { onlineClicked(); };
    mainWindow.onPageChange = [this](MainPage from, MainPage to) { pageChanged(from, to); };
    mainWindow.addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Shown) {
            mainWindow.setCaption(VersionName);
        }
    });

    summaryWindow.onConfirm = [this] { confirmSummary(); };
    connectionListWindow.tarifvergleich.onClick = [this] { ShowTariffComparison(); };
    summaryWindow.addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Shown) {
            summaryShown();
        }
    });
    // Closing the counter gives the window decorated last its title back.
    counterWindow.addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Hidden) {
            mainWindow.clearWindowsTrigger.setChecked(true);
        }
    });
    wireTitleTrigger(mainWindow.windowsTrigger, false);
    wireTitleTrigger(mainWindow.clearWindowsTrigger, true);
    WireCounterOptionMirrors(counterWindow, mainWindow);

    mainWindow.providerFeePerMinute.onExit = [this] {
        mainWindow.providerFeePerMinute.setText(
            NumberFieldText(mainWindow.providerFeePerMinute.text(), "0", false));
        saveTariffs();
    };
    mainWindow.freeMinutes.onExit = [this] {
        mainWindow.freeMinutes.setText(NumberFieldText(mainWindow.freeMinutes.text(), "0", false));
        saveTariffs();
        updateMonthlyMinutes();
    };

    autostartQuestionWindow.onYes = [this] { autostart_.write(); };
    autostartQuestionWindow.onClose = [this](bool askAgain) {
        settings_.writeSetting(setting::AskAutostartQuestion, askAgain ? "1" : "0");
    };

    connectionListWindow.setLayout(ReadListLayout(settings_));
    connectionListWindow.onLayoutChange = [this] {
        if (connectionListWindow.layout()) {
            WriteListLayout(settings_, *connectionListWindow.layout());
        }
    };

    platform_.tray.setLeftClickHandler([this] { guard_.run([this] { trayClicked(); }); });
    platform_.tray.setMenuHandler([this](std::size_t item) {
        guard_.run([this, item] { TrayMenuChosen(static_cast<TrayMenuItem>(item)); });
    });
}

std::string Ruvometer::statusLine() const {
    const platform::LocalDateTime t = now();
    std::string line = " ";
    line += WeekdayName(WeekdayNumber(TodayText(t), t.year));
    line += "    ";
    line += NowTimeText(t);
    return line;
}

void Ruvometer::trayClicked() {
    if (mainWindow.online.checked()) {
        if (!counterWindow.visible()) {
            counterWindow.show();
        }
        return;
    }
    if (!budgetClosureWindow.visible() && !summaryWindow.visible() && !mainWindow.visible()) {
        mainWindow.show();
    }
}

void Ruvometer::TrayMenuChosen(TrayMenuItem item) {
    switch (item) {
        case TrayMenuItem::Open:
            // Also during a connection: the menu is the way to the main window then.
            mainWindow.show();
            break;
        case TrayMenuItem::Connections:
            showConnectionList();
            break;
        case TrayMenuItem::Monitoring:
            toggleMonitoring();
            break;
        case TrayMenuItem::Quit:
            quitProgram();
            break;
    }
}

void Ruvometer::pageChanged(MainPage from, MainPage to) {
    if (from == MainPage::Telephone) {
        saveTariffs();
    }
    mainWindow.shortHelp.setText(MainWindow::helpText(to));
}

void Ruvometer::hideToTray() {
    saveTariffs();
    mainWindow.setPageQuietly(MainPage::General);
    mainWindow.shortHelp.setText(MainWindow::helpText(MainPage::General));
    mainWindow.hide();
}

void Ruvometer::toggleMonitoring() {
    mainWindow.active.setChecked(!mainWindow.active.checked());
}

void Ruvometer::activeClicked() {
    tray_.updateTrayIcon(TrayOperation::Modify);
    if (mainWindow.active.checked()) {
        mainWindow.monitoringButton.setCaption("&Deaktivieren");
        return;
    }
    mainWindow.monitoringButton.setCaption("&Aktivieren");
    platform_.windowSystem.messageBox(
        {ApplicationTitle,
         "Hiermit deaktivieren Sie den Ruvometer. Er wird jetzt keine Verbindungen mehr "
         "aufzeichnen bis Sie ihn wieder aktivieren.",
         platform::MessageIcon::Question, platform::MessageButtons::Ok});
    hideToTray();
}

void Ruvometer::quitProgram() {
    if (!AskYesNo(platform_.windowSystem,
                  "Wenn Sie Ruvometer jetzt beenden, werden Ihre Internetverbindungen nicht "
                  "mehr überwacht.\n\nWollen Sie Quelmar Ruvometer wirklich beenden?")) {
        return;
    }
    saveTariffs();
    mainWindow.setPageQuietly(MainPage::Info);
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
    counter_.stop();
    titleDisplay_.RestoreTitle();
    tray_.updateTrayIcon(TrayOperation::Delete);
    for (WindowModel* window : windows()) {
        window->hide();
    }
    platform_.windowSystem.quit(exitCode);
}

}  // namespace ruvo

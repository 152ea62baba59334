// The start-up of the program in its three stages: the start-up window shown, its timer four
// seconds later, and the main window's first tick.
#include <string>

#include "base/identity.h"
#include "base/messages.h"
#include "base/money.h"
#include "base/setting_names.h"
#include "base/settings_table.h"
#include "domain/calendar.h"
#include "program/application.h"
#include "program/migration.h"

namespace ruvo {

bool Ruvometer::start() {
    const platform::LockAttempt lock = platform_.instanceLock.tryAcquire(ApplicationTitle);
    if (lock.outcome == platform::LockAttempt::Outcome::HeldByAnotherCopy) {
        Inform(platform_.windowSystem, "Another Instance of this Program is still running.",
               platform::MessageIcon::Warning);
        ended_ = true;
        platform_.windowSystem.quit(0);
        return false;
    }
    if (lock.outcome == platform::LockAttempt::Outcome::Failed) {
        // Without the lock a second copy could count the same connection again: rather not run.
        Inform(platform_.windowSystem,
               "Ruvometer kann nicht sicherstellen, dass es nur einmal läuft, und wird "
               "deshalb beendet.\n\n" +
                   lock.reason,
               platform::MessageIcon::Error);
        ended_ = true;
        platform_.windowSystem.quit(1);
        return false;
    }
    startupWindow.show();
    guard_.run([this] { startupWindowShown(); });
    // A settings error may have ended that stage before the start-up timer was set going (the
    // error box has told the user): the start goes on all the same.
    if (!recoveryWindow.visible() && !startupTimer_->enabled()) {
        startupTimer_->setEnabled(true);
    }
    return true;
}

void Ruvometer::startupWindowShown() {
    startupWindow.captionLabel.setText(VersionName);
    mainWindow.versionLabel.setText(VersionName);

    if (settings_.readSetting(setting::ResetFlag) == "0") {
        ResetAllSettings(settings_,
                         ResetMoment{TodayText(now()), LocalAddressCount(platform_.hostAddresses)});
    }

    if (autosave_.exists()) {
        // The recovery lets the start-up go on when it closes, whichever way.
        recovery_.show();
        platform_.windowSystem.runModal(recoveryWindow);
    } else {
        startupTimer_->setEnabled(true);
    }

    startupWindow.dataDirectoryLabel.setText(platform_.paths.programDirectory());
    mainWindow.databaseLabel.setText(databasePath());
    mainWindow.statusLine.setText(statusLine());

    if (settings_.readSetting(setting::OfflineAddressCount).empty()) {
        settings_.writeSetting(setting::OfflineAddressCount,
                               IntToStr(LocalAddressCount(platform_.hostAddresses)));
    }
}

void Ruvometer::startupTimerFired() {
    startupTimer_->setEnabled(false);
    startupWindow.hide();
    // Whatever fails among the first questions and the database file, the monitor starts.
    guard_.run([this] { startupQuestions(); });
    timer1_->setEnabled(true);
    timer2_->setEnabled(true);
}

void Ruvometer::startupQuestions() {
    if (settings_.readSetting(setting::EMailQuestion) != "asked") {
        settings_.writeSetting(setting::EMailQuestion, "asked");
        Inform(platform_.windowSystem,
               std::string("Bitte senden Sie dem Autor dieses Programms zum Dank eine ganz kurze "
                           "Mail, damit er weiß, daß Sie das Programm verwenden.\nDamit würden "
                           "Sie den Autor motivieren, weiterhin kostenlos Programme zur "
                           "Verfügung zustellen.\nSchreiben Sie ihre Mail bitte an :\n\n") +
                   FeedbackMailAddress);
    }

    ensureDatabaseFile();

    if (settings_.readOrEmpty(setting::AskAutostartQuestion) == "1") {
        autostartQuestionWindow.askAtEveryStart.setCheckedQuietly(true);
        autostartQuestionWindow.show();
        platform_.windowSystem.runModal(autostartQuestionWindow);
    }
}

void Ruvometer::firstTick() {
    timer1_->setEnabled(false);
    // The monitor polls already, also while a notice is open: everything a connection is
    // counted with is loaded before the first notice of this tick shows.
    heldMessages_.hold();
    try {
        loadHolidays();
        tray_.updateTrayIcon(TrayOperation::Add);
        tray_.updateTrayIcon(TrayOperation::Modify);
        mainWindow.hide();
        MigrateOldVersions(platform_.registry, platform_.windowSystem, autostart_);
        options_.applyStoredOptions();
        recomputeConsumption();
        loadTariffs();
        updateMonthlyMinutes();
    } catch (const std::runtime_error&) {
        heldMessages_.release();
        throw;
    }
    heldMessages_.release();
}

}  // namespace ruvo

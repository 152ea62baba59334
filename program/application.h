// The application: owns every window model, the settings, the tariff tables and the holiday
// list, creates them in a fixed order and wires them. The desktop program, the tests and the
// simulator build one of these on a platform and call start().
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/error_guard.h"
#include "base/guarded_timers.h"
#include "base/held_messages.h"
#include "base/settings_store.h"
#include "domain/held_databases.h"
#include "domain/holiday_list.h"
#include "domain/tariff_tables.h"
#include "domain/unreadable_records.h"
#include "features/autosave.h"
#include "features/budgets.h"
#include "features/connection_list.h"
#include "features/database_writer.h"
#include "features/desktop_notices.h"
#include "features/holiday_list_editor.h"
#include "features/holiday_store.h"
#include "features/live_counter.h"
#include "features/provider_minutes.h"
#include "features/recovery.h"
#include "features/statistics.h"
#include "features/tariff_comparison_dialog.h"
#include "features/tariff_editor.h"
#include "features/tariff_store.h"
#include "features/title_display.h"
#include "platform/platform.h"
#include "program/autostart.h"
#include "program/online_detection.h"
#include "program/options.h"
#include "program/tray_icon.h"
#include "window_models/autostart_question.h"
#include "window_models/budget_closure_window.h"
#include "window_models/connection_list_window.h"
#include "window_models/counter_window.h"
#include "window_models/holidays_editor.h"
#include "window_models/main_window.h"
#include "window_models/new_budget_window.h"
#include "window_models/recovery_window.h"
#include "window_models/startup_window.h"
#include "window_models/statistics_window.h"
#include "window_models/summary_window.h"
#include "window_models/tariff_comparison_window.h"
#include "window_models/tariff_name_editor.h"
#include "window_models/tariff_tables_view.h"

namespace ruvo {

class Ruvometer : private CounterHost {
public:
    explicit Ruvometer(platform::Platform& platform);
    ~Ruvometer() override;
    Ruvometer(const Ruvometer&) = delete;
    Ruvometer& operator=(const Ruvometer&) = delete;

    // The program's entry. False when another instance runs: the user was told, and the
    // platform was asked to end with exit code 0. Otherwise the start-up window is shown and
    // the start-up goes on from the event loop.
    bool start();
    // The system asks to close the start-up window (log-off, shutdown): the program ends
    // without asking and without saving the tariffs.
    void closeRequestedBySystem();
    // Runs a user action (a click, a typed text) the way the event loop runs it: an error ends
    // the action and is shown in the error box.
    void userAction(const std::function<void()>& action);
    bool ended() const { return ended_; }

    // The windows, in the order they are created.
    StartupWindow startupWindow;
    MainWindow mainWindow;
    SummaryWindow summaryWindow;
    AutostartQuestion autostartQuestionWindow;
    CounterWindow counterWindow;
    TariffNameEditor tariffNamesWindow;
    TariffTablesView tariffTablesWindow;
    NewBudgetWindow newBudgetWindow;
    ConnectionListWindow connectionListWindow;
    BudgetClosureWindow budgetClosureWindow;
    HolidaysEditor holidaysWindow;
    RecoveryWindow recoveryWindow;
    StatisticsWindow statisticsWindow;
    TariffComparisonWindow tariffComparisonWindow;
    std::vector<WindowModel*> windows();

    // Actions of the main window, also reachable from its menu.
    void quitProgram();
    void toggleMonitoring();
    // Saves the tariffs, turns back to the first page and hides the main window to the tray.
    void hideToTray();
    std::string statusLine() const;
    // "&Verbindungen": shows the connection list (not modal) and reads it afresh.
    void showConnectionList();
    // "Feiertage...": the "Telefon" page, then the holidays window, modal.
    void showHolidaysEditor();
    // "&Statistik...": shows the statistics (not modal) and reads them afresh.
    void ShowStatistics();
    // "&Kurzhilfe" (F1): the short help of the current page in a message box.
    void ShowShortHelp();
    // "&Tarifvergleich...": the comparison with another tariff file (not modal).
    void ShowTariffComparison();

private:
    void wire();
    void wireTitleTrigger(CheckBox& trigger, bool clearMode);
    std::unique_ptr<platform::Timer> guardedTimer(int intervalMs, void (Ruvometer::*handler)());

    // Start-up stages.
    void startupWindowShown();
    void startupTimerFired();
    void startupQuestions();
    void firstTick();
    void housekeepingTick();
    void keepBooks();  // the date-dependent state, budgets, database file and kept records
    void activeClicked();
    void onlineClicked();
    void connectionStart();
    void connectionEnd();
    void connectionOpening();
    void segmentSplit() override;
    // The save of the summary's record; at a split it is always written, whatever the summary's
    // "Verbindung speichern" was left at.
    void confirmSummary(bool split = false);
    void summaryShown();
    void trayClicked();
    void TrayMenuChosen(TrayMenuItem item);
    void pageChanged(MainPage from, MainPage to);
    void endProgram(int exitCode);

    // Data files, tariffs, holidays, budgets and monthly minutes.
    std::string databasePath() const;
    void ensureDatabaseFile();
    void saveTariffs();
    void loadTariffs();
    void loadHolidays();
    // At the change of year: offers the new year's computed holidays in place of the old ones.
    void OfferNewYearHolidays();
    void recomputeConsumption();
    void prepareCounterBudgets();
    void updateMonthlyMinutes();

    platform::LocalDateTime now() const { return platform_.clock.now(); }

    // What the live counter asks of the program during its tick.
    bool freeMinutesUsedUp(std::int32_t runningSeconds) override;
    std::string currentZoneIndex() override;
    void writeAutosave(const ConnectionRecord& running) override;
    void showInTitle(std::int32_t totalPfennig, std::int32_t elapsedSeconds,
                     std::int32_t secondsLeft) override;
    std::int32_t warningLeadSeconds() override;
    void refreshTrayPicture() override;
    void showBudgetStatus(std::int32_t totalPfennig) override;
    void reportBadTariffValue(const std::string& zone, const std::string& value,
                              TariffValueFault fault) override;
    void showCurrentTariff();

    // The machine's services, with the notices going through heldMessages_.
    HeldMessages heldMessages_;
    platform::Platform platform_;
    ErrorGuard guard_;
    GuardedTimers timers_;
    SettingsStore settings_;
    AutostartEntry autostart_;
    TrayIcon tray_;
    OnlineDetection onlineDetection_;
    Options options_;
    UnreadableRecords unreadableRecords_;
    HeldDatabases databases_;  // the database files as last read
    Budgets budgets_;
    DesktopNotices notices_;
    Autosave autosave_;
    DatabaseWriter databaseWriter_;
    HolidayStore holidayStore_;
    ProviderMinutes providerMinutes_;
    TitleDisplay titleDisplay_;
    LiveCounter counter_;
    Recovery recovery_;

    TariffTables tariffs_ = BuiltInTariffs();
    TariffStore tariffStore_{platform_};  // only tables read from the file are saved over it
    HolidayList holidays_;
    std::string titleSuffix_;
    std::string lastBookkeepingError_;  // told already, until a housekeeping tick goes well
    bool autosaveFailureTold_ = false;  // until an autosave succeeds or a connection starts

    std::unique_ptr<platform::Timer> startupTimer_;  // the start-up window's 4-second timer
    std::unique_ptr<platform::Timer> timer1_;        // firstTick, once
    std::unique_ptr<platform::Timer> timer2_;        // housekeepingTick, every 4 seconds

    std::string rememberedDatabaseName_;
    bool ended_ = false;

    // The editors of the tariffs and holidays, the connection list and the statistics, wired to
    // their windows.
    TariffEditor tariffEditor_{mainWindow, tariffNamesWindow,      tariffTablesWindow,
                               tariffs_,   platform_.windowSystem, [this] { saveTariffs(); }};
    HolidayListEditor holidayEditor_{holidaysWindow, mainWindow.holidaysButton, holidays_,
                                     holidayStore_, platform_};
    ConnectionList connectionList_{connectionListWindow, platform_, unreadableRecords_,
                                   [this] { return databasePath(); }};
    Statistics statistics_{statisticsWindow, platform_, unreadableRecords_,
                           [this] { return budgets_.MonthlyBudgetInUse(); }};
    TariffComparisonDialog tariffComparison_{tariffComparisonWindow, platform_, holidays_,
                                             [this] { return databasePath(); }};
};

}  // namespace ruvo

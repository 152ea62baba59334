// The main window (Form1): the options dialog with its pages, buttons, short help and status
// line, and the hidden trigger boxes of the monitor. It holds state only; the application wires
// the actions.
#pragma once

#include <string>

#include "window_models/window_model.h"

namespace ruvo {

enum class MainPage { General = 0, Telephone, Provider, Budgets, Warnings, Info };

class MainWindow final : public WindowModel {
public:
    MainWindow();

    // Options ("Allgemein" and "Warnungen" pages).
    CheckBox startMonitoringAtLogin{*this, "CheckBox1",
                                    "Überwachung automatisch beim Windows-Start beginnen"};
    CheckBox askAutostartQuestion{*this, "CheckBox2",
                                  "Fragen ob automatischer Start gewünscht wird"};
    CheckBox warnInTray{*this, "CheckBox3", "Warnen im Systemtray", true};
    CheckBox warnBeep{*this, "CheckBox4", "mit Warnton ( 1 mal pro Sek )", true};
    CheckBox useWeeklyBudget{*this, "CheckBox5", "Wochenbudget verwenden"};
    CheckBox useMonthlyBudget{*this, "CheckBox6", "Monatsbudget verwenden"};
    CheckBox chargesInTitle{*this, "CheckBox7",
                            "Laufende Gebüren in aktuellem Fenstertitel anzeigen"};
    CheckBox secondsLeftInTitle{*this, "CheckBox8", "Restzeit in aktuellem Fenstertitel anzeigen"};
    CheckBox onlineTimeInTitle{*this, "CheckBox9", "Onlinezeit in aktuellem Fenstertitel anzeigen"};
    CheckBox hideCounterOnDialIn{*this, "CheckBox10",
                                 "Bei Verbindungseinwahl das Counterfenster verbergen"};
    CheckBox alwaysSaveOnDisconnect{*this, "CheckBox11",
                                    "Bei Verbindungsabbruch Verbindung immer speichern"};
    // Desktop notifications ("Warnungen" page), each on until the user switches it off.
    CheckBox notifyBudgetUsedUp{*this, "MeldungBudget", "Desktop-Meldung: Budget aufgebraucht",
                                true};
    CheckBox notifyClosureDue{*this, "MeldungAbschluss", "Desktop-Meldung: Budgetabschluss fällig",
                              true};
    CheckBox notifyNotSaved{*this, "MeldungSpeichern",
                            "Desktop-Meldung: Verbindung nicht gespeichert", true};

    // Hidden trigger boxes: monitoring on, a connection recognised, and the title routine: ticking
    // `Windows` decorates the window in front with the running figures, ticking `ClearWindows`
    // gives the window decorated last its title back; each unticks itself after the run.
    CheckBox active{*this, "Active", "", true};
    CheckBox online{*this, "Online", ""};
    CheckBox windowsTrigger{*this, "Windows", ""};
    CheckBox clearWindowsTrigger{*this, "ClearWindows", ""};

    Button monitoringButton{*this, "Button1", "&Deaktivieren"};  // monitoring on/off
    Button minimizeButton{*this, "Button17", "&Minimieren"};     // the default button
    Button quitButton{*this, "Button2", "&Beenden"};
    Button repairButton{*this, "Reparieren", "&Reparieren"};

    // "Provider" page: fee per minute, free minutes per month (at most 4 characters), left.
    TextField providerFeePerMinute{*this, "Edit5", "0", true};
    TextField freeMinutes{*this, "Edit13", "0", true};
    TextField freeMinutesLeft{*this, "Edit14", "0"};

    // "Telefon" page: day class and zone selectors, the selected row's price, unit length,
    // begin and end (hour and minute fields), the holiday switch, the editors' buttons, and the
    // hidden buttons that save the tariffs, open the tables view and look up the tariff in
    // force now (shown in the counter window).
    ComboBox telephoneDayClass{*this, "ComboBox1", {"Werktag", "Wochenende", "Feiertag"}};
    ComboBox telephoneZone{
        *this, "ComboBox2", {"Vormittag", "Nachmittag", "Freizeit", "Mondschein"}};
    Button changeZoneListButton{*this, "Button6", "Liste ändern..."};
    Button holidaysButton{*this, "Button3", "Feiertage..."};
    TextField telephonePfPerUnit{*this, "Edit3", "0", true};   // at most 5 characters
    TextField telephoneSecPerUnit{*this, "Edit4", "0", true};  // at most 5, upper case
    TextField telephoneBeginHour{*this, "Edit6", "00", true};  // 2 characters each
    TextField telephoneBeginMinute{*this, "Edit7", "00", true};
    TextField telephoneEndHour{*this, "Edit8", "00", true};
    TextField telephoneEndMinute{*this, "Edit9", "00", true};
    CheckBox holidayTariffsOn{*this, "FeiertageON",
                              "Feiertagstarife werden vom Telefonanbieter unterstützt.", true};
    Button saveTariffsButton{*this, "BitBtn2", "Tarife &Speichern..."};
    Button tablesViewButton{*this, "Form8", "Form8"};
    Button tariffLookupButton{*this, "TarifSuche", "TarifSuche"};

    // "Budgets" page: per budget the amount, what was spent, what is left (red when
    // overdrawn), the cover "Kein Budget festgelegt" while the budget is not in use, and the
    // change buttons of the monthly and the weekly budget.
    TextField weekAmount{*this, "WeekAmount", "0,00 DM"};
    TextField weekUsed{*this, "WeekUsed", ""};
    TextField weekLeft{*this, "WeekLeft", "0,00 DM"};
    Panel weekCover{*this, "WeekCover", "Kein Budget festgelegt"};
    TextField monthAmount{*this, "MonthAmount", "0,00 DM"};
    TextField monthUsed{*this, "MonthUsed", ""};
    TextField monthLeft{*this, "MonthLeft", "0,00 DM"};
    Panel monthCover{*this, "MonthCover", "Kein Budget festgelegt"};
    // The month's forecast at the pace so far (red when the budget in use will not last) and
    // what becomes of the budget, also while none is in use.
    TextField monthForecast{*this, "MonthForecast", ""};
    TextField monthOutlook{*this, "MonthOutlook", ""};
    Button changeMonthlyBudget{*this, "Button12", "Ä&ndern ..."};
    Button changeWeeklyBudget{*this, "Button13", "Än&dern ..."};

    // "Warnungen" page: lead track bar, its hidden value field and the lead text.
    TrackBar leadSlider{*this, "TrackBar1", 0, 30};
    TextField leadField{*this, "Edit10", "0"};
    TextField leadText{*this, "Label33", "0 Sekunden vor neuer Einheit."};

    // "Info" page: product label and the database path.
    TextField versionLabel{*this, "Label14", ""};
    TextField databaseLabel{*this, "Label4", ""};

    TextField shortHelp{*this, "Label49", ""};
    TextField statusLine{*this, "StatusBar1", ""};

    MainPage page() const { return page_; }
    // The user (or a menu item) selects a page: runs the page-change action.
    void selectPage(MainPage page);
    // Sets the page without running the page-change action.
    void setPageQuietly(MainPage page);
    std::function<void(MainPage from, MainPage to)> onPageChange;

    // Set only while a connection is split at a change of tariff zone: the end of the first
    // part is saved at once, without showing the summary.
    bool splittingAtZoneChange = false;

    // The short-help text of each page.
    static std::string helpText(MainPage page);
    static std::string pageCaption(MainPage page);

private:
    MainPage page_ = MainPage::General;
};

}  // namespace ruvo

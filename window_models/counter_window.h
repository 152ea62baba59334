// The live counter (Form6): the running connection's figures, its tariff, the budget status and
// the warning options.
#pragma once

#include "window_models/window_model.h"

namespace ruvo {

enum class CounterPage { Connection = 0, BudgetStatus, Warnings };

class CounterWindow final : public WindowModel {
public:
    CounterWindow();

    // Tariff in force, filled by the tariff lookup.
    TextField zoneName{*this, "Label4", ""};
    TextField zoneIndex{*this, "Label21", ""};
    TextField priceLine{*this, "Label18", ""};
    TextField dayLine{*this, "Label28", ""};
    TextField lookupDate{*this, "Datum", ""};
    TextField providerFee{*this, "Edit2", "0"};
    TextField pfPerUnit{*this, "Edit3", "0"};
    TextField secPerUnit{*this, "Edit4", "0"};
    TextField beginHour{*this, "Edit6", ""};
    TextField beginMinute{*this, "Edit7", ""};
    TextField endHour{*this, "Edit8", ""};
    TextField endMinute{*this, "Edit9", ""};

    // Figures of the running connection.
    TextField durationText{*this, "Label6", "00:00:00"};
    TextField telephoneText{*this, "Label8", "00,00 DM"};
    TextField providerText{*this, "Label10", "00,00 DM"};
    TextField totalText{*this, "Label12", "00,00 DM"};
    TextField unitText{*this, "Label14", "0"};
    TextField restText{*this, "Label16", ""};
    int progressPosition = 0;
    int progressMaximum = 0;

    // Hidden: this month's recorded seconds at the start of the connection.
    TextField monthSeconds{*this, "VGetMonatsZeit", "0"};
    // Set while the next unit is about to begin.
    CheckBox warnBox{*this, "WarnBox", ""};

    // "Budgetstatus" tab: amount, spent and left of each budget, and whether it is covered by
    // "Kein Budget festgelegt".
    TextField weekAmount{*this, "WeekAmount", "0,00 DM"};
    TextField weekUsed{*this, "WeekUsed", "0,00 DM"};
    TextField weekLeft{*this, "WeekLeft", "0,00 DM"};
    Panel weekCover{*this, "WeekCover", "Kein Budget festgelegt"};
    TextField monthAmount{*this, "MonthAmount", "0,00 DM"};
    TextField monthUsed{*this, "MonthUsed", "0,00 DM"};
    TextField monthLeft{*this, "MonthLeft", "0,00 DM"};
    Panel monthCover{*this, "MonthCover", "Kein Budget festgelegt"};

    // "Warnungen" tab: the counter's own copies of the warning and title options.
    CheckBox warnInTray{*this, "CheckBox1", "Warnen im Systemtray"};
    CheckBox warnBeep{*this, "CheckBox2", "mit Warnton"};
    CheckBox chargesInTitle{*this, "CheckBox3", "Laufende Gebüren in Fenstertiteln anzeigen"};
    CheckBox onlineTimeInTitle{*this, "CheckBox4", "Onlinezeit in Fenstertiteln anzeigen"};
    CheckBox secondsLeftInTitle{*this, "CheckBox5", "Restzeit in Fenstertiteln anzeigen"};
    TrackBar leadSlider{*this, "TrackBar1", 0, 30};
    TextField leadField{*this, "Edit10", "0"};
    TextField leadText{*this, "Label33", "0 Sekunden vor neuer Einheit."};

    Button ok{*this, "Ok", "&Ok"};

    CounterPage page() const { return page_; }
    void selectPage(CounterPage page);

private:
    CounterPage page_ = CounterPage::Connection;
};

}  // namespace ruvo

// The holidays window "Feiertage" (Form13): the holiday list with day, month, year and name
// fields and the buttons to add, change, delete, import and store. The behaviour is wired by
// HolidayListEditor.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "domain/german_holidays.h"
#include "window_models/window_model.h"

namespace ruvo {

class HolidaysEditor final : public WindowModel {
public:
    HolidaysEditor() : WindowModel("Form13", "Feiertage") {}

    // Widths of the columns "Tag" and "Name des Feiertags".
    static constexpr std::array<int, 2> kColumnWidths = {70, 242};
    static constexpr const char* kImportHint =
        "Laden Sie sich die aktuelle Feiertagsdatei für das aktuelle Jahr aus dem Internet "
        "herunter, speichern Sie sie in dem Verzeichnis von Ruvometer.exe und laden Sie sie mit "
        "dieser Schaltfläche in das Programm ein. Drücken Sie dann auf Ok.";

    // One line per holiday: date and name. Read-only, whole rows, single selection that stays
    // visible without the focus.
    ListControl holidayList{*this, "ListView1", {"Tag", "Name des Feiertags"}};
    TextField dayField{*this, "Edit2", "01", true};    // day, 2 characters, fixed-pitch font
    TextField monthField{*this, "Edit3", "01", true};  // month, 2 characters
    TextField yearField{*this, "Edit4", "98", true};   // two-digit year, 2 characters
    // The name. The view passes every keystroke on (setText), so that "hinzu&fügen" follows
    // the typing.
    TextField nameField{*this, "Edit1", "", true};
    Button addButton{*this, "Button2", "hinzu&fügen"};  // the default button
    Button deleteButton{*this, "Button3", "&löschen"};
    Button changeButton{*this, "Button4", "ä&ndern"};
    Button importButton{*this, "BitBtn1", "Feiertagsdatei laden"};  // hint kImportHint
    Button ok{*this, "Button5", "&Ok"};
    Button cancel{*this, "Button1", "A&bbrechen"};

    // The computed holidays: the Land whose own holidays join the nationwide ones (chosen once,
    // stored), and the button that puts the year's holidays in the list.
    static constexpr const char* kNationwideOnly = "nur bundesweite Feiertage";
    static constexpr const char* kComputeHint =
        "Berechnet die gesetzlichen Feiertage des eingestellten Jahres, die bundesweiten und die "
        "des gewählten Landes, und ersetzt damit die Liste. Drücken Sie dann auf Ok.";
    ComboBox landChoice{*this, "ComboBox1", LandItems(), kNationwideOnly};
    Button computeButton{*this, "Button6", "Feiertage berechnen"};  // hint kComputeHint

    // kNationwideOnly, then the names of the Länder in the order of Laender().
    static std::vector<std::string> LandItems() {
        std::vector<std::string> items = {kNationwideOnly};
        for (const LandName& entry : Laender()) {
            items.emplace_back(entry.name);
        }
        return items;
    }
};

}  // namespace ruvo

#include "features/holiday_list_editor.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/messages.h"
#include "base/money.h"
#include "domain/calendar.h"
#include "domain/german_holidays.h"

namespace ruvo {

namespace {

std::string Piece(const std::string& text, std::size_t pos, std::size_t count) {
    return pos < text.size() ? text.substr(pos, count) : std::string();
}

// Whether anything is left once leading and trailing blanks and control characters are
// removed.
bool HasNonBlank(const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > ' ') {
            return true;
        }
    }
    return false;
}

}  // namespace

HolidayListEditor::HolidayListEditor(HolidaysEditor& window, Button& opener, HolidayList& holidays,
                                     HolidayStore& store, platform::Platform& platform)
    : window_(window), holidays_(holidays), store_(store), platform_(platform) {
    opener.onClick = [this] { open(); };
    wire();
    updateButtons();
}

void HolidayListEditor::wire() {
    HolidaysEditor& w = window_;
    // The buttons follow the name field and the selection instead of a short timer.
    w.nameField.onChange = [this] { updateButtons(); };
    w.holidayList.onSelectionChange = [this] {
        updateButtons();
        rowSelected();
    };
    for (TextField* field : {&w.dayField, &w.monthField}) {
        field->onExit = [field] { field->setText(NumberFieldText(field->text(), "01", true)); };
    }
    w.yearField.onExit = [this] {
        window_.yearField.setText(NumberFieldText(window_.yearField.text(), currentYear(), true));
    };

    // Duplicates and impossible dates are accepted; the name is taken as typed.
    w.addButton.onClick = [this] {
        holidays_.push_back({dateFromFields(), window_.nameField.text()});
        showList();
    };
    w.changeButton.onClick = [this] {
        const int selected = window_.holidayList.firstSelected();
        if (selected < 0) {
            return;
        }
        HolidayEntry& entry = holidays_[static_cast<std::size_t>(selected)];
        entry = {dateFromFields(), window_.nameField.text()};
        showList();
        window_.holidayList.selectOnly(static_cast<std::size_t>(selected));
    };
    w.deleteButton.onClick = [this] {
        const int selected = window_.holidayList.firstSelected();
        if (selected < 0) {
            return;
        }
        holidays_.erase(holidays_.begin() + selected);
        showList();
    };
    w.importButton.onClick = [this] { chooseAndImport(); };
    w.computeButton.onClick = [this] { compute(); };
    // The Land is chosen once and kept for the change of year too.
    w.landChoice.onClick = [this] {
        const int index = window_.landChoice.selectedIndex();
        store_.StoreLand(index >= 1
                             ? std::optional(Laender()[static_cast<std::size_t>(index - 1)].land)
                             : std::nullopt);
    };
    w.ok.onClick = [this] {
        store_.saveHolidays(holidays_);
        window_.hide();
    };
    w.cancel.onClick = [this] { window_.hide(); };
}

void HolidayListEditor::chooseAndImport() {
    const std::optional<std::string> chosen = platform_.windowSystem.chooseFileToOpen(
        "Feiertagsdatei laden", store_.DataFolder(), "Feiertage.dat", "Feiertagsdateien (*.dat)");
    if (!chosen) {
        return;
    }
    store_.ImportChosenFile(*chosen, holidays_);
    showList();
}

void HolidayListEditor::compute() {
    // The year of the field's two digits nearest to this year: in 1999 "08" is 2008, in 2026
    // "99" is 1999.
    const std::string field = NumberFieldText(window_.yearField.text(), currentYear(), true);
    const int today = platform_.clock.now().year;
    int year = today - today % 100 + ToInteger(field).value_or(today % 100) % 100;
    if (year - today > 50) {
        year -= 100;
    } else if (today - year > 49) {
        year += 100;
    }
    store_.ComputeHolidays(year, holidays_);
    showList();
    const std::optional<Land> land = store_.StoredLand();
    Inform(platform_.windowSystem,
           "Die gesetzlichen Feiertage des Jahres " + std::to_string(year) +
               (land ? std::string(" für ") + NameOf(*land).name : std::string(" (bundesweit)")) +
               " wurden berechnet. Drücken Sie auf Ok, um sie zu speichern.");
}

void HolidayListEditor::showStoredLand() {
    const std::optional<Land> land = store_.StoredLand();
    window_.landChoice.setText(land ? NameOf(*land).name : HolidaysEditor::kNationwideOnly);
}

void HolidayListEditor::open() {
    window_.yearField.setText(currentYear());
    showStoredLand();
    window_.show();
    store_.loadHolidays(holidays_);
    showList();
    platform_.windowSystem.runModal(window_);
}

void HolidayListEditor::showList() {
    std::vector<ListControl::Row> rows;
    rows.reserve(holidays_.size());
    for (const HolidayEntry& entry : holidays_) {
        rows.push_back({entry.date, entry.name});
    }
    window_.holidayList.setRows(std::move(rows));
    updateButtons();
}

void HolidayListEditor::updateButtons() {
    HolidaysEditor& w = window_;
    w.addButton.setEnabled(HasNonBlank(w.nameField.text()));
    const bool selected = w.holidayList.firstSelected() >= 0;
    w.deleteButton.setEnabled(selected);
    w.changeButton.setEnabled(selected);
}

void HolidayListEditor::rowSelected() {
    const int selected = window_.holidayList.firstSelected();
    if (selected < 0 || static_cast<std::size_t>(selected) >= holidays_.size()) {
        return;
    }
    const HolidayEntry& entry = holidays_[static_cast<std::size_t>(selected)];
    window_.nameField.setText(entry.name);
    window_.dayField.setText(Piece(entry.date, 0, 2));
    window_.monthField.setText(Piece(entry.date, 3, 2));
    window_.yearField.setText(Piece(entry.date, 6, 2));
}

std::string HolidayListEditor::dateFromFields() const {
    return window_.dayField.text() + "." + window_.monthField.text() + "." +
           window_.yearField.text();
}

std::string HolidayListEditor::currentYear() const {
    return CurrentYearText(platform_.clock.now());
}

}  // namespace ruvo

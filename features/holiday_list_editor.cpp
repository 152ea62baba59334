#include "features/holiday_list_editor.h"

#include <utility>
#include <vector>

#include "base/money.h"
#include "domain/calendar.h"

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
    w.importButton.onClick = [this] {
        store_.importHolidayFile(holidays_);
        showList();
    };
    w.ok.onClick = [this] {
        store_.saveHolidays(holidays_);
        window_.hide();
    };
    w.cancel.onClick = [this] { window_.hide(); };
}

void HolidayListEditor::open() {
    window_.yearField.setText(currentYear());
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

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
    opener.onClick = [this] { Open(); };
    wire();
    updateButtons();
}

void HolidayListEditor::wire() {
    HolidaysEditor& w = window_;
    // The buttons follow the name field and the selection instead of a short timer.
    w.edit1.onChange = [this] { updateButtons(); };
    w.listView1.onSelectionChange = [this] {
        updateButtons();
        rowSelected();
    };
    for (TextField* field : {&w.edit2, &w.edit3}) {
        field->onExit = [field] { field->setText(NumberFieldText(field->text(), "01", true)); };
    }
    w.edit4.onExit = [this] {
        window_.edit4.setText(NumberFieldText(window_.edit4.text(), currentYear(), true));
    };

    // Duplicates and impossible dates are accepted; the name is taken as typed.
    w.button2.onClick = [this] {
        holidays_.push_back({dateFromFields(), window_.edit1.text()});
        showList();
    };
    w.button4.onClick = [this] {
        const int selected = window_.listView1.firstSelected();
        if (selected < 0) {
            return;
        }
        HolidayEntry& entry = holidays_[static_cast<std::size_t>(selected)];
        entry = {dateFromFields(), window_.edit1.text()};
        showList();
        window_.listView1.selectOnly(static_cast<std::size_t>(selected));
    };
    w.button3.onClick = [this] {
        const int selected = window_.listView1.firstSelected();
        if (selected < 0) {
            return;
        }
        holidays_.erase(holidays_.begin() + selected);
        showList();
    };
    w.bitBtn1.onClick = [this] {
        store_.ImportHolidayFile(holidays_);
        showList();
    };
    w.button5.onClick = [this] {
        store_.SaveHolidays(holidays_);
        window_.hide();
    };
    w.button1.onClick = [this] { window_.hide(); };
}

void HolidayListEditor::Open() {
    window_.edit4.setText(currentYear());
    window_.show();
    store_.LoadHolidays(holidays_);
    showList();
    platform_.windowSystem.runModal(window_);
}

void HolidayListEditor::showList() {
    std::vector<ListControl::Row> rows;
    rows.reserve(holidays_.size());
    for (const HolidayEntry& entry : holidays_) {
        rows.push_back({entry.date, entry.name});
    }
    window_.listView1.setRows(std::move(rows));
    updateButtons();
}

void HolidayListEditor::updateButtons() {
    HolidaysEditor& w = window_;
    w.button2.setEnabled(HasNonBlank(w.edit1.text()));
    const bool selected = w.listView1.firstSelected() >= 0;
    w.button3.setEnabled(selected);
    w.button4.setEnabled(selected);
}

void HolidayListEditor::rowSelected() {
    const int selected = window_.listView1.firstSelected();
    if (selected < 0 || static_cast<std::size_t>(selected) >= holidays_.size()) {
        return;
    }
    const HolidayEntry& entry = holidays_[static_cast<std::size_t>(selected)];
    window_.edit1.setText(entry.name);
    window_.edit2.setText(Piece(entry.date, 0, 2));
    window_.edit3.setText(Piece(entry.date, 3, 2));
    window_.edit4.setText(Piece(entry.date, 6, 2));
}

std::string HolidayListEditor::dateFromFields() const {
    return window_.edit2.text() + "." + window_.edit3.text() + "." + window_.edit4.text();
}

std::string HolidayListEditor::currentYear() const {
    return CurrentYearText(platform_.clock.now());
}

}  // namespace ruvo

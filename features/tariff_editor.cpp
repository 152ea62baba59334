#include "features/tariff_editor.h"

#include <array>
#include <utility>

#include "base/identity.h"
#include "base/messages.h"
#include "base/money.h"

namespace ruvo {

namespace {

// Whether the text, after leading blanks, begins with a minus sign.
bool StartsNegative(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first != std::string::npos && text[first] == '-';
}

// Characters [pos, pos + count) of a text, as far as it has them.
std::string Piece(const std::string& text, std::size_t pos, std::size_t count) {
    return pos < text.size() ? text.substr(pos, count) : std::string();
}

}  // namespace

TariffEditor::TariffEditor(MainWindow& mainWindow, TariffNameEditor& nameEditor,
                           TariffTablesView& tablesView, TariffTables& tables,
                           platform::WindowSystem& windows, std::function<void()> saveTariffs)
    : mainWindow_(mainWindow),
      tariffNamesWindow_(nameEditor),
      tariffTablesWindow_(tablesView),
      tables_(tables),
      windows_(windows),
      saveTariffs_(std::move(saveTariffs)) {
    wire();
    watchSelection();
}

void TariffEditor::wire() {
    MainWindow& w = mainWindow_;
    w.telephoneDayClass.onChange = [this] { showSelectedRow(); };
    w.telephoneDayClass.onClick = [this] { showSelectedRow(); };
    w.telephoneZone.onChange = [this] { watchSelection(); };
    w.telephoneZone.onClick = [this] { showSelectedRow(); };

    for (const UnitField& unit : unitFields()) {
        unit.field->onChange = [this, unit] {
            // A minus sign never reaches the row: the number being typed is refused on leaving.
            if (TariffRow* row = rowToWrite();
                row != nullptr && !StartsNegative(unit.field->text())) {
                row->*unit.value = unit.field->text();
            }
        };
        unit.field->onExit = [this, unit] { leaveUnitField(unit); };
    }
    const auto writeBegin = [this] {
        if (TariffRow* row = rowToWrite()) {
            row->begin =
                mainWindow_.telephoneBeginHour.text() + mainWindow_.telephoneBeginMinute.text();
        }
    };
    const auto writeEnd = [this] {
        if (TariffRow* row = rowToWrite()) {
            row->end = mainWindow_.telephoneEndHour.text() + mainWindow_.telephoneEndMinute.text();
        }
    };
    w.telephoneBeginHour.onChange = writeBegin;
    w.telephoneBeginMinute.onChange = writeBegin;
    w.telephoneEndHour.onChange = writeEnd;
    w.telephoneEndMinute.onChange = writeEnd;

    for (TextField* field : {&w.telephoneBeginHour, &w.telephoneBeginMinute, &w.telephoneEndHour,
                             &w.telephoneEndMinute}) {
        field->onExit = [field] { field->setText(NumberFieldText(field->text(), "00", true)); };
    }

    w.holidayTariffsOn.onClick = [this] { holidaySwitchClicked(); };
    w.changeZoneListButton.onClick = [this] { changeZoneList(); };
    w.saveTariffsButton.onClick = [this] { saveTariffs_(); };
    w.tablesViewButton.onClick = [this] { showTablesView(); };
    tariffNamesWindow_.onOk = [this](const std::vector<std::string>& names) {
        replaceZones(names);
    };
}

std::array<TariffEditor::UnitField, 2> TariffEditor::unitFields() {
    return {{
        {&mainWindow_.telephonePfPerUnit, &TariffRow::pfPerUnit, &keptPrice_,
         "Der Preis einer Einheit kann nicht negativ sein", "Pfennig"},
        {&mainWindow_.telephoneSecPerUnit, &TariffRow::secPerUnit, &keptLength_,
         "Die Länge einer Einheit kann nicht negativ sein", "Sekunden"},
    }};
}

void TariffEditor::leaveUnitField(const UnitField& unit) {
    TextField& field = *unit.field;
    const std::string text = NumberFieldText(field.text(), "0", false);
    if (CheckTariffValue(text) == TariffValueFault::Negative) {
        // The value from before this entry stays; one that could not be counted with either
        // (a negative value from the file) gives way to 0.
        const std::string kept = CheckTariffValue(*unit.kept) ? "0" : *unit.kept;
        field.setText(kept);
        *unit.kept = kept;
        Inform(windows_,
               std::string(unit.refusal) + "; es bleibt bei " + kept + " " + unit.unit + ".",
               platform::MessageIcon::Warning);
        return;
    }
    field.setText(text);
    // A text the row did not take while it was typed ("-0") is taken now.
    if (TariffRow* row = rowToWrite()) {
        row->*unit.value = text;
    }
    *unit.kept = text;
}

TariffRow* TariffEditor::selectedRow() const {
    const int dayClass = mainWindow_.telephoneDayClass.itemIndex();
    const int zone = mainWindow_.telephoneZone.selectedIndex();
    if (dayClass < 0 || dayClass >= static_cast<int>(tables_.tables.size()) || zone < 0) {
        return nullptr;
    }
    TariffTable& table = tables_.tables[static_cast<std::size_t>(dayClass)];
    if (static_cast<std::size_t>(zone) >= table.size()) {
        return nullptr;
    }
    return &table[static_cast<std::size_t>(zone)];
}

bool TariffEditor::selectionValid() const {
    return selectedRow() != nullptr;
}

void TariffEditor::watchSelection() {
    MainWindow& w = mainWindow_;
    const bool valid = selectionValid();
    const std::array<std::pair<TextField*, const char*>, 6> fields = {{
        {&w.telephonePfPerUnit, "0"},
        {&w.telephoneSecPerUnit, "0"},
        {&w.telephoneBeginHour, "00"},
        {&w.telephoneBeginMinute, "00"},
        {&w.telephoneEndHour, "00"},
        {&w.telephoneEndMinute, "00"},
    }};
    for (const auto& [field, reset] : fields) {
        field->setEnabled(valid);
        if (!valid) {
            field->setText(reset);  // no row is selected: nothing is written
        }
    }
}

void TariffEditor::showSelectedRow() {
    watchSelection();
    const TariffRow* row = selectedRow();
    if (row == nullptr) {
        return;
    }
    // Showing a row must not rewrite it: while one hour field already holds the new text and
    // its minute field the old one, Begin or End would briefly be a mix of both.
    const TariffRow shown = *row;
    filling_ = true;
    MainWindow& w = mainWindow_;
    w.telephonePfPerUnit.setText(shown.pfPerUnit);
    w.telephoneSecPerUnit.setText(shown.secPerUnit);
    w.telephoneBeginHour.setText(Piece(shown.begin, 0, 2));
    w.telephoneBeginMinute.setText(Piece(shown.begin, 2, 2));
    w.telephoneEndHour.setText(Piece(shown.end, 0, 2));
    w.telephoneEndMinute.setText(Piece(shown.end, 2, 2));
    filling_ = false;
    keptPrice_ = shown.pfPerUnit;
    keptLength_ = shown.secPerUnit;
}

void TariffEditor::holidaySwitchClicked() {
    tables_.holidayTariffsOn = mainWindow_.holidayTariffsOn.checked();
    if (mainWindow_.visible()) {
        windows_.messageBox(
            {ApplicationTitle,
             "Wenn Ihr TELEFONANBIETER an Feiertagen keinen Sondertarif gewährt, dann "
             "deaktivieren Sie das Kontrollkästchen, sodaß kein Häckchen zusehen ist. Andernfalls "
             "aktivieren Sie es (normal).",
             platform::MessageIcon::Question, platform::MessageButtons::Ok});
    }
}

void TariffEditor::changeZoneList() {
    const platform::MessageAnswer answer = windows_.messageBox(
        {ApplicationTitle,
         "Durch Änderung dieser Liste werden alle Tarifdaten gelöscht und Sie müssen alle Daten "
         "erneut eintragen!!! Wollen Sie wirklich fortfahren?",
         platform::MessageIcon::Warning, platform::MessageButtons::YesNoDefaultNo});
    if (answer != platform::MessageAnswer::Yes) {
        return;
    }
    tariffNamesWindow_.open(tables_.zoneList);
    windows_.runModal(tariffNamesWindow_);
}

void TariffEditor::replaceZones(const std::vector<std::string>& names) {
    tables_.zoneList.clear();
    for (TariffTable& table : tables_.tables) {
        table.clear();
    }
    // Every zone starts over, also one whose name was in the old list.
    for (const std::string& name : names) {
        AddZone(tables_, name, TariffRow{name, "0000", "0000", "0", "0"});
    }
    zonesChanged();
}

void TariffEditor::tablesLoaded() {
    mainWindow_.holidayTariffsOn.setCheckedQuietly(tables_.holidayTariffsOn);
    zonesChanged();
}

void TariffEditor::zonesChanged() {
    // As with a list box whose items are replaced, no zone is selected afterwards.
    mainWindow_.telephoneZone.setItems(tables_.zoneList);
    mainWindow_.telephoneZone.setText("");
    watchSelection();
}

void TariffEditor::showTablesView() {
    tariffTablesWindow_.showTables(tables_);
    tariffTablesWindow_.show();
}

}  // namespace ruvo

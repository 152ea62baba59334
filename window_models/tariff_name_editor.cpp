#include "window_models/tariff_name_editor.h"

#include "base/text_codec.h"

namespace ruvo {

namespace {
constexpr std::size_t kMaxZoneNameCharacters = 11;
}  // namespace

TariffNameEditor::TariffNameEditor() : WindowModel("Form7", "Tarif-Liste ändern") {
    nameField.onChange = [this] { updateButtons(); };
    nameList.onSelectionChange = [this] { updateButtons(); };
    // The field keeps its text, so the same name can be added again; duplicates are allowed.
    addButton.onClick = [this] {
        std::vector<ListControl::Row> rows = nameList.rows();
        rows.push_back({nameField.text()});
        nameList.setRows(std::move(rows));
    };
    deleteButton.onClick = [this] {
        const int selected = nameList.firstSelected();
        if (selected < 0) {
            return;
        }
        std::vector<ListControl::Row> rows = nameList.rows();
        rows.erase(rows.begin() + selected);
        nameList.setRows(std::move(rows));
    };
    ok.onClick = [this] {
        if (onOk) {
            onOk(names());
        }
        hide();
    };
    cancel.onClick = [this] { hide(); };
    updateButtons();
}

void TariffNameEditor::open(const std::vector<std::string>& names) {
    std::vector<ListControl::Row> rows;
    rows.reserve(names.size());
    for (const std::string& name : names) {
        rows.push_back({name});
    }
    nameList.setRows(std::move(rows));
    updateButtons();
    show();
}

std::vector<std::string> TariffNameEditor::names() const {
    std::vector<std::string> result;
    result.reserve(nameList.rows().size());
    for (const ListControl::Row& row : nameList.rows()) {
        result.push_back(row.empty() ? std::string() : row.front());
    }
    return result;
}

bool TariffNameEditor::isStorableZoneName(const std::string& name) {
    return !name.empty() && name != "0" && name != "END" && FitsCp1252(name) &&
           CharacterCount(name) <= kMaxZoneNameCharacters;
}

void TariffNameEditor::updateButtons() {
    addButton.setEnabled(isStorableZoneName(nameField.text()));
    deleteButton.setEnabled(nameList.firstSelected() >= 0);
}

}  // namespace ruvo

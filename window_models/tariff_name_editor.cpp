#include "window_models/tariff_name_editor.h"

#include "base/text_codec.h"

namespace ruvo {

namespace {
constexpr std::size_t kMaxZoneNameCharacters = 11;
}  // namespace

TariffNameEditor::TariffNameEditor() : WindowModel("Form7", "Tarif-Liste ändern") {
    edit1.onChange = [this] { updateButtons(); };
    listBox1.onSelectionChange = [this] { updateButtons(); };
    // The field keeps its text, so the same name can be added again; duplicates are allowed.
    button3.onClick = [this] {
        std::vector<ListControl::Row> rows = listBox1.rows();
        rows.push_back({edit1.text()});
        listBox1.setRows(std::move(rows));
    };
    button4.onClick = [this] {
        const int selected = listBox1.firstSelected();
        if (selected < 0) {
            return;
        }
        std::vector<ListControl::Row> rows = listBox1.rows();
        rows.erase(rows.begin() + selected);
        listBox1.setRows(std::move(rows));
    };
    button1.onClick = [this] {
        if (onOk) {
            onOk(names());
        }
        hide();
    };
    button2.onClick = [this] { hide(); };
    updateButtons();
}

void TariffNameEditor::open(const std::vector<std::string>& names) {
    std::vector<ListControl::Row> rows;
    rows.reserve(names.size());
    for (const std::string& name : names) {
        rows.push_back({name});
    }
    listBox1.setRows(std::move(rows));
    updateButtons();
    show();
}

std::vector<std::string> TariffNameEditor::names() const {
    std::vector<std::string> result;
    result.reserve(listBox1.rows().size());
    for (const ListControl::Row& row : listBox1.rows()) {
        result.push_back(row.empty() ? std::string() : row.front());
    }
    return result;
}

bool TariffNameEditor::IsStorableZoneName(const std::string& name) {
    return !name.empty() && name != "0" && name != "END" && FitsCp1252(name) &&
           CharacterCount(name) <= kMaxZoneNameCharacters;
}

void TariffNameEditor::updateButtons() {
    button3.setEnabled(IsStorableZoneName(edit1.text()));
    button4.setEnabled(listBox1.firstSelected() >= 0);
}

}  // namespace ruvo

// The connection list (Form10): the period box, the table of the shown connections, the status
// bar with the totals of the selected rows, the toolbar and the menu entries. The behaviour is
// wired by ConnectionList.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "window_models/window_model.h"

namespace ruvo {

enum class ListStyle { Report, List, Icon };

// The window's size (without its frame) and the table's column widths as the user left them.
struct ListLayout {
    int width = 0;
    int height = 0;
    std::vector<int> columnWidths;

    friend bool operator==(const ListLayout&, const ListLayout&) = default;
};

class ConnectionListWindow final : public WindowModel {
public:
    ConnectionListWindow();

    static constexpr std::array<int, 9> kColumnWidths = {80, 45, 45, 60, 90, 95, 105, 60, 100};
    // The money columns ("Telefongebüren", "Providergebüren", "Gesamte Gebüren").
    static constexpr std::array<int, 3> kMoneyColumns = {4, 5, 6};

    // The period; editable, every change of its text filters the table.
    ComboBox periodBox{*this, "ComboBox1", periodItems(), "Gesamtes Jahr"};

    // Toolbar buttons, shown as icons; each one's hint is its name. The menu entries "&Drucken"
    // (Ctrl+P) and "&Kopieren" (Ctrl+C) are these buttons too.
    Button printItem{*this, "Drucken", ""};
    Button copyItem{*this, "Kopieren", ""};
    Button report{*this, "Report", ""};
    Button list{*this, "List", ""};
    Button icon{*this, "Icon", ""};

    // The shown list: read-only, several rows selectable, whole rows, selection visible
    // without the focus. The date is the row's caption, the other columns its sub-items.
    ListControl connectionTable{*this, "ListView1", columns()};

    // The status bar's six panels.
    TextField countPanel{*this, "StatusBar1.Panel0", "Anzahl:"};
    TextField durationPanel{*this, "StatusBar1.Panel1", "Zeit:"};
    TextField telephonePanel{*this, "StatusBar1.Panel2", "Telefongebüren:"};
    TextField providerPanel{*this, "StatusBar1.Panel3", "Providergebüren:"};
    TextField totalPanel{*this, "StatusBar1.Panel4", "Gesamtgebüren"};
    TextField unitsPanel{*this, "StatusBar1.Panel5", "Einheiten:"};

    // Menu entries of their own: "&Datei" "Drucker &Einrichten...", "&Schließen" (Ctrl+X);
    // "&Bearbeiten" "Alles auswä&hlen" (Ctrl+A).
    Button printerSetupItem{*this, "Drucker Einrichten", "Drucker &Einrichten..."};
    Button closeItem{*this, "Schließen", "&Schließen"};
    Button selectAllItem{*this, "Alles auswählen", "Alles auswä&hlen"};
    // "&Datei" "&Exportieren..." (Ctrl+E): the shown rows, or the selected ones, as a CSV file;
    // "&Tarifvergleich...": the comparison window.
    Button exportieren{*this, "Exportieren", "&Exportieren..."};
    Button tarifvergleich{*this, "Tarifvergleich", "&Tarifvergleich..."};

    ListStyle style() const { return style_; }
    void setStyle(ListStyle style);

    // The layout the window takes when it is shown; nothing: its first size and column widths.
    const std::optional<ListLayout>& layout() const { return layout_; }
    // The program puts in the layout it remembers.
    void setLayout(std::optional<ListLayout> layout) { layout_ = std::move(layout); }
    // The view tells a layout the user made (a new size, a column dragged wider); the program
    // remembers it.
    void userChangedLayout(const ListLayout& layout) {
        if (layout_ != layout) {
            layout_ = layout;
            if (onLayoutChange) {
                onLayoutChange();
            }
        }
    }
    std::function<void()> onLayoutChange;

    // The view calls this every time the window becomes the active window: the list is read
    // from the database file again.
    void activate() {
        if (onActivate) {
            onActivate();
        }
    }
    std::function<void()> onActivate;
    // Set by the view: gives the table the keyboard focus.
    std::function<void()> onFocusTable;
    // Set by the view: asks for the file to export to, offering the name; nothing when the user
    // cancels.
    std::function<std::optional<std::string>(const std::string& offeredName)> onChooseExportFile;

    static std::vector<std::string> periodItems();
    static std::vector<std::string> columns();

private:
    ListStyle style_ = ListStyle::Report;
    std::optional<ListLayout> layout_;
};

}  // namespace ruvo

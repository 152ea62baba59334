// The connection list (Form10): the period box, the table of the shown connections, the status
// bar with the totals of the selected rows, the toolbar and the menu entries. The behaviour is
// wired by ConnectionList.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "window_models/window_model.h"

namespace ruvo {

enum class ListStyle { Report, List, Icon };

class ConnectionListWindow final : public WindowModel {
public:
    ConnectionListWindow();

    static constexpr std::array<int, 9> kColumnWidths = {80, 45, 45, 60, 90, 95, 105, 60, 100};
    static constexpr std::array<int, 6> kPanelWidths = {100, 100, 168, 168, 150, 200};

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

    ListStyle style() const { return style_; }
    void setStyle(ListStyle style);

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

    static std::vector<std::string> periodItems();
    static std::vector<std::string> columns();

private:
    ListStyle style_ = ListStyle::Report;
};

}  // namespace ruvo

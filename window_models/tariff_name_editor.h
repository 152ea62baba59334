// The zone-name editor "Tarif-Liste ändern" (Form7): the user adds and deletes zone names; "&Ok"
// hands the new list over, "A&bbrechen" drops it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "window_models/window_model.h"

namespace ruvo {

class TariffNameEditor final : public WindowModel {
public:
    TariffNameEditor();

    TextField instructions{*this, "Label1",
                           "Fügen Sie hier neue Tarife hinzu, oder löschen Sie alte."};
    // The new name, at most 11 characters. The view passes every keystroke on (setText), so
    // that "&Hinzufügen" follows the typing.
    TextField nameField{*this, "Edit1", "", true};
    Button addButton{*this, "Button3", "&Hinzufügen"};
    ListControl nameList{*this, "ListBox1", {"Tarif"}};  // one name per row, single selection
    Button deleteButton{*this, "Button4", "&Löschen"};
    Button ok{*this, "Button1", "&Ok"};             // the default button
    Button cancel{*this, "Button2", "A&bbrechen"};  // the cancel button

    // Lists the names and shows the window; the caller runs it modally.
    void open(const std::vector<std::string>& names);
    std::vector<std::string> names() const;

    // "&Ok", with the names in their order; the window closes afterwards.
    std::function<void(const std::vector<std::string>&)> onOk;

    // A name the tariff file can hold and read back as a zone: 1 to 11 characters of
    // Windows-1252, and neither "0" (which ends the zone list) nor "END".
    static bool isStorableZoneName(const std::string& name);

private:
    // Takes the place of a short timer: the buttons follow the field and the selection.
    void updateButtons();
};

}  // namespace ruvo

#include "gui/tariff_name_editor_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "gui/widget_kit.h"

namespace ruvo::gui {

namespace {

constexpr int NameLength = 11;
constexpr int ButtonWidth = 95;
constexpr int ButtonHeight = 25;

}  // namespace

TariffNameEditorView::TariffNameEditorView(TariffNameEditor& model, ActionRunner run,
                                           QWidget* parent)
    : WindowView(model, std::move(run), parent), editor_(model) {
    useDialogFrame();
    setWindowModality(Qt::ApplicationModal);
    setFont(WindowFont());
    setClientSize(ClientWidth, ClientHeight);
    Binder& bind = binder();

    bind.label(StaticText(this, QString(), QRect(8, 8, 343, 18)), model.instructions);

    constexpr int ListWidth = 230;
    constexpr int ButtonX = 8 + ListWidth + 18;
    bind.liveEdit(Place(new QLineEdit(this), QRect(8, 32, ListWidth, 21)), model.nameField,
                  NameLength);
    bind.button(Place(new QPushButton(this), QRect(ButtonX, 30, ButtonWidth, ButtonHeight)),
                model.addButton);

    auto* names = Place(new QListView(this), QRect(8, 60, ListWidth, 142));
    names->setSelectionMode(QAbstractItemView::SingleSelection);
    bind.list(names, model.nameList);
    bind.button(Place(new QPushButton(this), QRect(ButtonX, 60, ButtonWidth, ButtonHeight)),
                model.deleteButton);

    auto* ok = Place(new QPushButton(this), QRect(ButtonX, 146, ButtonWidth, ButtonHeight));
    ok->setDefault(true);
    bind.button(ok, model.ok);
    bind.button(Place(new QPushButton(this), QRect(ButtonX, 177, ButtonWidth, ButtonHeight)),
                model.cancel);
}

void TariffNameEditorView::reject() {
    binder().run()([this] { editor_.cancel.click(); });
}

}  // namespace ruvo::gui

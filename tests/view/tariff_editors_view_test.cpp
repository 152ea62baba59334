#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTreeView>

#include <string>
#include <vector>

#include "gui/tariff_name_editor_view.h"
#include "gui/tariff_tables_window_view.h"
#include "tests/view/dialog_test_app.h"
#include "tests/view/qt_app.h"

namespace ruvo::testing {
namespace {

using gui::TariffNameEditorView;
using gui::TariffTablesWindowView;

class TariffEditorsViewTest : public DialogViewTest {};

QStringList Column(const QAbstractItemModel& rows, int column) {
    QStringList texts;
    for (int row = 0; row < rows.rowCount(); ++row) {
        texts << rows.data(rows.index(row, column)).toString();
    }
    return texts;
}

void Select(QAbstractItemView* view, int row) {
    view->selectionModel()->select(view->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

TEST_F(TariffEditorsViewTest, ZoneNameEditorFollowsTypingAndSelection) {
    TariffNameEditor model;
    std::vector<std::vector<std::string>> handedOver;
    model.onOk = [&](const std::vector<std::string>& names) { handedOver.push_back(names); };
    TariffNameEditorView view(model, Run);
    model.open({"Tag", "Nacht"});

    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(view.windowTitle(), "Tarif-Liste ändern");
    EXPECT_EQ(view.size(), QSize(359, 210));
    EXPECT_EQ(view.windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(view.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(view.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(view.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(Find<QLabel>(view, "Label1")->text(),
              "Fügen Sie hier neue Tarife hinzu, oder löschen Sie alte.");
    auto* names = Find<QListView>(view, "ListBox1");
    EXPECT_EQ(Column(*names->model(), 0), QStringList({"Tag", "Nacht"}));

    // "&Hinzufügen" follows every keystroke.
    auto* add = Find<QPushButton>(view, "Button3");
    auto* name = Find<QLineEdit>(view, "Edit1");
    EXPECT_EQ(name->maxLength(), 11);
    EXPECT_FALSE(add->isEnabled());
    test::TypeText(name, "Früh");
    EXPECT_EQ(model.nameField.text(), "Früh");
    EXPECT_TRUE(add->isEnabled());
    add->click();
    EXPECT_EQ(Column(*names->model(), 0), QStringList({"Tag", "Nacht", "Früh"}));

    // "&Löschen" follows the selection.
    auto* remove = Find<QPushButton>(view, "Button4");
    EXPECT_FALSE(remove->isEnabled());
    Select(names, 0);
    EXPECT_EQ(model.nameList.firstSelected(), 0);
    EXPECT_TRUE(remove->isEnabled());
    remove->click();
    EXPECT_EQ(Column(*names->model(), 0), QStringList({"Nacht", "Früh"}));
    EXPECT_FALSE(names->selectionModel()->hasSelection());

    // Enter is "&Ok", Escape "A&bbrechen".
    EXPECT_TRUE(Find<QPushButton>(view, "Button1")->isDefault());
    PressKey(&view, Qt::Key_Return);
    EXPECT_EQ(handedOver, (std::vector<std::vector<std::string>>{{"Nacht", "Früh"}}));
    EXPECT_FALSE(view.isVisible());
    model.open({"Tag"});
    PressKey(&view, Qt::Key_Escape);
    EXPECT_FALSE(model.visible());
    EXPECT_EQ(handedOver.size(), 1U);
}

TEST_F(TariffEditorsViewTest, TablesViewShowsTheThreeDayClasses) {
    TariffTablesView model;
    TariffTables tables;
    AddZone(tables, "Tag", {"Tag", "0800", "1800", "12", "90"});
    AddZone(tables, "Nacht", {"Nacht", "1800", "0800", "12", "240"});
    tables.tables[2][1].secPerUnit = "480";
    model.showTables(tables);
    TariffTablesWindowView view(model, Run);
    model.show();

    EXPECT_EQ(view.windowTitle(), "Form8");
    EXPECT_TRUE(view.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QStringList captions = {"Tarif", "Beginn", "Ende", "Pf pro Einheit", "Sek pro Einheit"};
    for (const char* name : {"ListView1", "ListView2", "ListView3"}) {
        auto* table = Find<QTreeView>(view, name);
        QStringList shownCaptions;
        for (int column = 0; column < table->model()->columnCount(); ++column) {
            shownCaptions << table->model()->headerData(column, Qt::Horizontal).toString();
            EXPECT_EQ(table->header()->sectionSize(column),
                      TariffTablesView::kColumnWidths[static_cast<std::size_t>(column)]);
        }
        EXPECT_EQ(shownCaptions, captions) << name;
        EXPECT_EQ(Column(*table->model(), 0), QStringList({"Tag", "Nacht"})) << name;
    }
    EXPECT_EQ(Column(*Find<QTreeView>(view, "ListView1")->model(), 4), QStringList({"90", "240"}));
    EXPECT_EQ(Column(*Find<QTreeView>(view, "ListView3")->model(), 4), QStringList({"90", "480"}));

    // The window has no cancel button: Escape leaves it open.
    PressKey(&view, Qt::Key_Escape);
    EXPECT_TRUE(model.visible());
    view.close();
    EXPECT_FALSE(model.visible());
}

}  // namespace
}  // namespace ruvo::testing

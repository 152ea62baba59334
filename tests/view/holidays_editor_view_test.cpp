#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include <string>
#include <vector>

#include "gui/holidays_editor_view.h"
#include "tests/view/dialog_test_app.h"
#include "tests/view/qt_app.h"

namespace ruvo::testing {
namespace {

using gui::HolidaysEditorView;

class HolidaysEditorViewTest : public DialogViewTest {};

TEST_F(HolidaysEditorViewTest, ShowsTheListAndPassesFieldsSelectionAndButtonsOn) {
    HolidaysEditor model;
    HolidaysEditorView view(model, Run);
    model.holidayList.setRows({{"01.01.99", "Neujahr"}, {"01.05.99", "Tag der Arbeit"}});
    model.yearField.setText("99");
    model.show();

    EXPECT_EQ(view.windowTitle(), "Feiertage");
    EXPECT_EQ(view.size(), QSize(370, 400));
    EXPECT_EQ(view.windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(view.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(view.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    auto* list = Find<QTreeView>(view, "ListView1");
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString(), "Tag");
    EXPECT_EQ(list->model()->headerData(1, Qt::Horizontal).toString(), "Name des Feiertags");
    EXPECT_EQ(list->header()->sectionSize(0), 70);
    EXPECT_EQ(list->header()->sectionSize(1), 242);
    EXPECT_EQ(list->model()->data(list->model()->index(1, 1)).toString(), "Tag der Arbeit");
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);

    // A line the user selects reaches the model, and the model's selection is shown.
    list->selectionModel()->select(list->model()->index(1, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(model.holidayList.firstSelected(), 1);
    model.holidayList.selectOnly(0);
    EXPECT_TRUE(list->selectionModel()->isRowSelected(0, {}));
    EXPECT_FALSE(list->selectionModel()->isRowSelected(1, {}));

    // The date fields take two characters and reach the model when left; the day is in a
    // fixed-pitch font.
    const char* dateFields[] = {"Edit2", "Edit3", "Edit4"};
    for (const char* name : dateFields) {
        EXPECT_EQ(Find<QLineEdit>(view, name)->maxLength(), 2) << name;
    }
    EXPECT_TRUE(QFontInfo(Find<QLineEdit>(view, "Edit2")->font()).fixedPitch());
    EXPECT_EQ(Find<QLineEdit>(view, "Edit4")->text(), "99");
    auto* month = Find<QLineEdit>(view, "Edit3");
    month->setText("5");
    EXPECT_EQ(model.monthField.text(), "01");
    emit month->editingFinished();
    EXPECT_EQ(model.monthField.text(), "5");

    // The name passes every keystroke on.
    auto* name = Find<QLineEdit>(view, "Edit1");
    test::TypeText(name, "Ostern");
    EXPECT_EQ(model.nameField.text(), "Ostern");

    auto* add = Find<QPushButton>(view, "Button2");
    EXPECT_TRUE(add->isDefault());
    std::vector<std::string> clicked;
    for (Button* button : {&model.addButton, &model.deleteButton, &model.changeButton,
                           &model.computeButton, &model.importButton, &model.ok, &model.cancel}) {
        button->onClick = [&clicked, button] { clicked.push_back(button->name()); };
        Find<QPushButton>(view, button->name().c_str())->click();
    }
    EXPECT_EQ(clicked, (std::vector<std::string>{"Button2", "Button3", "Button4", "Button6",
                                                 "BitBtn1", "Button5", "Button1"}));
    EXPECT_EQ(Find<QPushButton>(view, "Button6")->text(), "Feiertage berechnen");

    // The Land is picked from the list; the choice reaches the model.
    auto* land = Find<QComboBox>(view, "ComboBox1");
    ASSERT_EQ(land->count(), 17);
    EXPECT_EQ(land->currentText(), "nur bundesweite Feiertage");
    EXPECT_FALSE(land->isEditable());
    land->setCurrentIndex(16);
    emit land->activated(16);
    EXPECT_EQ(model.landChoice.text(), "Thüringen");
    auto* import = Find<QPushButton>(view, "BitBtn1");
    EXPECT_EQ(import->text(), "Feiertagsdatei laden");
    EXPECT_TRUE(import->toolTip().contains(QString::fromUtf8(HolidaysEditor::kImportHint)));

    model.addButton.setEnabled(false);
    EXPECT_FALSE(add->isEnabled());
    view.close();
    EXPECT_FALSE(model.visible());
}

}  // namespace
}  // namespace ruvo::testing

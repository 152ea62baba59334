// The tariff comparison window's view: every control has its widget, the labels lead the
// keyboard to their fields, and what the user types reaches the model when the field is left.
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

#include <memory>
#include <string>

#include "gui/tariff_comparison_view.h"
#include "tests/view/dialog_test_app.h"

namespace ruvo::testing {
namespace {

class TariffComparisonViewTest : public DialogViewTest {
protected:
    TariffComparisonWindow model;
    std::unique_ptr<gui::TariffComparisonView> view =
        std::make_unique<gui::TariffComparisonView>(model, Run);
};

TEST_F(TariffComparisonViewTest, ControlsWidgetsAndKeyboard) {
    for (const Control* control : model.controls()) {
        EXPECT_NE(view->findChild<QWidget*>(QString::fromStdString(control->name())), nullptr)
            << control->name();
    }
    // Alt+T and Alt+Z lead to the file field and the period.
    QStringList buddies;
    for (const QLabel* label : view->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            buddies << label->text() + " " + label->buddy()->objectName();
        }
    }
    buddies.sort();
    EXPECT_EQ(buddies, QStringList({"&Tarifdatei: Tarifdatei", "&Zeitraum: Zeitraum"}));
    EXPECT_TRUE(static_cast<bool>(model.onChooseTariffFile));

    int left = 0;
    model.tariffFile.onExit = [&] { ++left; };
    auto* field = Find<QLineEdit>(*view, "Tarifdatei");
    field->setText("/tmp/Anders.dat");
    emit field->editingFinished();
    EXPECT_EQ(model.tariffFile.text(), "/tmp/Anders.dat");
    EXPECT_EQ(left, 1);

    model.table.setRows(
        {{"07.12.99", "10:00:00", "00:01:30", "Tag", "0,24 DM", "Billig", "0,10 DM", "- 0,14 DM"}});
    EXPECT_EQ(Find<QTreeView>(*view, "Vergleich")->model()->rowCount(), 1);
    view.reset();
    EXPECT_FALSE(static_cast<bool>(model.onChooseTariffFile));
}

}  // namespace
}  // namespace ruvo::testing

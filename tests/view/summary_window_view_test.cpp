#include "gui/summary_window_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "tests/view/dialog_test_app.h"

namespace ruvo::testing {
namespace {

using gui::SummaryWindowView;

class SummaryWindowViewTest : public DialogViewTest {};

TEST_F(SummaryWindowViewTest, ShowsTheFiguresAndConfirmsWithTheUsersChoice) {
    SummaryWindow model;
    int confirmed = 0;
    model.onConfirm = [&] { ++confirmed; };
    SummaryWindowView view(model, Run);
    model.durationText.setText("00:40:00");
    model.unitsText.setText("41");
    model.totalText.setText("4,92 DM");
    model.show();

    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(view.windowTitle(), "Verbindungszusammenfassung");
    EXPECT_TRUE(view.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Find<QLabel>(view, "Label3")->text(), "00:40:00");
    EXPECT_EQ(Find<QLabel>(view, "Label5")->text(), "41");
    EXPECT_EQ(Find<QLabel>(view, "Label11")->text(), "4,92 DM");
    auto* note = Find<QLabel>(view, "TariffNote");
    EXPECT_TRUE(note->isHidden());

    // A connection counted without a tariff: the note stands below the figures, whole.
    const int plainHeight = view.height();
    model.tariffNote.setText(
        "Für diese Verbindung galt kein Tarif.\nKeine Telefongebühren.\nTarifzeiten auf der Seite "
        "'Telefon' einstellen.");
    EXPECT_FALSE(note->isHidden());
    EXPECT_GT(view.height(), plainHeight);
    QApplication::processEvents();  // the layout places the note
    EXPECT_GE(note->width(), note->sizeHint().width());
    EXPECT_GE(note->height(), note->sizeHint().height());
    model.tariffNote.setText("");
    EXPECT_TRUE(note->isHidden());
    EXPECT_EQ(view.height(), plainHeight);

    auto* save = Find<QCheckBox>(view, "CheckBox1");
    EXPECT_TRUE(save->isChecked());
    save->click();
    EXPECT_FALSE(model.saveConnection.checked());
    Find<QPushButton>(view, "Button1")->click();
    EXPECT_EQ(confirmed, 1);

    // The close box only hides the summary: nothing is confirmed.
    view.close();
    EXPECT_FALSE(model.visible());
    EXPECT_EQ(confirmed, 1);
}

}  // namespace
}  // namespace ruvo::testing

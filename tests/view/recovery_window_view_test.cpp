#include "gui/recovery_window_view.h"

#include <QPushButton>

#include "tests/view/dialog_test_app.h"

namespace ruvo::testing {
namespace {

using gui::RecoveryWindowView;

class RecoveryWindowViewTest : public DialogViewTest {};

TEST_F(RecoveryWindowViewTest, EnterSavesEscapeDiscardsAndTheCloseBoxIsTheModels) {
    RecoveryWindow model;
    int saved = 0;
    int discarded = 0;
    int closed = 0;
    model.onSave = [&] { ++saved; };
    model.onDiscard = [&] { ++discarded; };
    model.onCloseBox = [&] { ++closed; };
    RecoveryWindowView view(model, Run);
    model.show();

    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(view.windowModality(), Qt::ApplicationModal);
    auto* save = Find<QPushButton>(view, "Button1");
    EXPECT_EQ(save->text(), "&Speichern in 45 Sek");
    model.saveButton.setCaption("Speichern in 37 Sek");
    EXPECT_EQ(save->text(), "Speichern in 37 Sek");
    EXPECT_EQ(Find<QPushButton>(view, "Button2")->text(), "Verwer&fen");

    PressKey(&view, Qt::Key_Return);
    EXPECT_EQ(saved, 1);
    PressKey(&view, Qt::Key_Escape);
    EXPECT_EQ(discarded, 1);
    view.close();
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(discarded, 1);
}

}  // namespace
}  // namespace ruvo::testing

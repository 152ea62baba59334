#include "gui/autostart_question_view.h"

#include <QCheckBox>
#include <QPushButton>

#include <optional>

#include "tests/view/dialog_test_app.h"

namespace ruvo::testing {
namespace {

using gui::AutostartQuestionView;

class AutostartQuestionViewTest : public DialogViewTest {
protected:
    AutostartQuestion model;
    AutostartQuestionView view{model, Run};
    int yes = 0;
    std::optional<bool> closedAskingAgain;

    void SetUp() override {
        model.onYes = [this] { ++yes; };
        model.onClose = [this](bool askAgain) { closedAskingAgain = askAgain; };
        model.show();
        ASSERT_TRUE(view.isVisible());
    }
};

TEST_F(AutostartQuestionViewTest, ShowsTheQuestionAndItsDefaultAnswer) {
    EXPECT_EQ(view.windowTitle(), "Quelmar Ruvometer");
    EXPECT_EQ(view.size(), QSize(360, 211));
    EXPECT_TRUE(Find<QCheckBox>(view, "CheckBox1")->isChecked());
    EXPECT_TRUE(Find<QPushButton>(view, "Ja")->isDefault());
    PressKey(&view, Qt::Key_Return);
    EXPECT_EQ(yes, 1);
    EXPECT_EQ(closedAskingAgain, true);
    EXPECT_FALSE(view.isVisible());
}

TEST_F(AutostartQuestionViewTest, NoAndTheCloseBoxCloseWithTheTickBoxState) {
    Find<QCheckBox>(view, "CheckBox1")->click();
    EXPECT_FALSE(model.askAtEveryStart.checked());
    Find<QPushButton>(view, "Nein")->click();
    EXPECT_EQ(closedAskingAgain, false);
    EXPECT_FALSE(view.isVisible());

    closedAskingAgain.reset();
    model.show();
    view.close();
    EXPECT_EQ(closedAskingAgain, false);
    EXPECT_EQ(yes, 0);
}

}  // namespace
}  // namespace ruvo::testing

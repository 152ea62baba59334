// Message boxes, modal runs and timers in a real Qt event loop.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "platform/desktop/desktop_timers.h"
#include "platform/desktop/desktop_window_system.h"
#include "x_session.h"

namespace ruvo::desktop {
namespace {

using platform::MessageAnswer;
using platform::MessageBox;
using platform::MessageButtons;
using platform::MessageIcon;

// What the test saw of a shown message box.
struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    Qt::TextFormat format = Qt::AutoText;
};

// Once a message box is up, records it and presses the button named `press` (Escape when empty).
void AnswerNextBox(SeenBox& seen, const QString& press) {
    QTimer::singleShot(30, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            AnswerNextBox(seen, press);
            return;
        }
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.format = box->textFormat();
        if (box->defaultButton() != nullptr) {
            seen.defaultButton = box->defaultButton()->text();
        }
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons.append(button->text());
            if (button->text() == press) {
                QTimer::singleShot(150, button, &QAbstractButton::click);
            }
        }
        if (press.isEmpty()) {
            QTimer::singleShot(150, box, [box] { box->reject(); });
        }
    });
}

class WindowSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string whyNot;
        ASSERT_NE(test::TestApplication(test::NeedsX::No, whyNot), nullptr) << whyNot;
    }
    DesktopWindowSystem windows{"Quelmar Ruvometer"};
    DesktopTimers timers;
};

TEST_F(WindowSystemTest, MessageBoxesSpeakGermanAndTimersKeepTicking) {
    int ticks = 0;
    auto ticker = timers.createTimer(10, [&ticks] { ++ticks; });
    ticker->setEnabled(true);

    struct Case {
        MessageButtons buttons;
        MessageIcon icon;
        QString press;
        MessageAnswer answer;
        QMessageBox::Icon qtIcon;
        QStringList shown;
        QString defaultButton;
    };
    const Case cases[] = {
        {MessageButtons::YesNo,
         MessageIcon::Question,
         "Ja",
         MessageAnswer::Yes,
         QMessageBox::Question,
         {"Ja", "Nein"},
         "Ja"},
        {MessageButtons::YesNo,
         MessageIcon::Warning,
         "Nein",
         MessageAnswer::No,
         QMessageBox::Warning,
         {"Ja", "Nein"},
         "Ja"},
        {MessageButtons::YesNo,
         MessageIcon::Question,
         "",
         MessageAnswer::No,
         QMessageBox::Question,
         {"Ja", "Nein"},
         "Ja"},
        {MessageButtons::YesNoDefaultNo,
         MessageIcon::Warning,
         "Ja",
         MessageAnswer::Yes,
         QMessageBox::Warning,
         {"Ja", "Nein"},
         "Nein"},
        {MessageButtons::Ok,
         MessageIcon::Information,
         "OK",
         MessageAnswer::Ok,
         QMessageBox::Information,
         {"OK"},
         "OK"},
        {MessageButtons::Ok,
         MessageIcon::None,
         "",
         MessageAnswer::Ok,
         QMessageBox::NoIcon,
         {"OK"},
         "OK"},
    };
    for (const Case& c : cases) {
        SeenBox seen;
        AnswerNextBox(seen, c.press);
        const int ticksBefore = ticks;
        const MessageAnswer answer = windows.messageBox(
            MessageBox{"Quelmar Ruvometer", "Jahreswechsel!", c.icon, c.buttons});
        EXPECT_EQ(answer, c.answer) << c.press.toStdString();
        EXPECT_EQ(seen.caption, "Quelmar Ruvometer");
        EXPECT_EQ(seen.text, "Jahreswechsel!");
        EXPECT_EQ(seen.icon, c.qtIcon);
        EXPECT_EQ(seen.buttons, c.shown);
        EXPECT_EQ(seen.defaultButton, c.defaultButton);
        EXPECT_EQ(seen.format, Qt::PlainText) << "file content is never shown as markup";
        EXPECT_GT(ticks, ticksBefore + 3) << "timers tick while the box is open";
    }

    SeenBox seen;
    AnswerNextBox(seen, "OK");
    windows.errorBox("Ungültiger Gleitkommawert: \"x\"");
    EXPECT_EQ(seen.caption, "Quelmar Ruvometer");
    EXPECT_EQ(seen.text, "Ungültiger Gleitkommawert: \"x\"");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

class ScriptedWindow final : public platform::ModalWindow {
public:
    std::string windowName() const override { return "Form14"; }
    bool isOpen() const override { return open; }
    bool open = true;
};

TEST_F(WindowSystemTest, AModalRunEndsWhenTheWindowCloses) {
    ScriptedWindow window;
    int ticks = 0;
    std::unique_ptr<platform::Timer> countdown;
    countdown = timers.createTimer(20, [&] {
        if (++ticks == 5) {
            window.open = false;  // as the view does when a button closes it
        }
    });
    countdown->setEnabled(true);
    QElapsedTimer clock;
    clock.start();
    windows.runModal(window);
    EXPECT_EQ(ticks, 5) << "the loop ended right after the closing tick";
    EXPECT_LT(clock.elapsed(), 1000);

    window.open = false;
    windows.runModal(window);  // a closed window: nothing to run
}

TEST_F(WindowSystemTest, QuittingEndsModalRunsAndTheMainLoop) {
    ScriptedWindow window;
    auto quitter = timers.createTimer(20, [this] { windows.quit(3); });
    quitter->setEnabled(true);
    windows.runModal(window);
    EXPECT_TRUE(window.open);
    EXPECT_TRUE(windows.quitRequested());
    EXPECT_EQ(windows.exitCode(), 3);
    quitter->setEnabled(false);

    // Asked before the main loop runs, the main loop ends as soon as it starts.
    DesktopWindowSystem early("Quelmar Ruvometer");
    early.quit(5);
    EXPECT_EQ(QApplication::exec(), 5);
}

TEST_F(WindowSystemTest, TimersRepeatStopAndMayEndThemselves) {
    int repeating = 0;
    auto every10 = timers.createTimer(10, [&repeating] { ++repeating; });
    EXPECT_FALSE(every10->enabled());
    EXPECT_EQ(every10->interval(), 10);
    every10->setEnabled(true);
    EXPECT_TRUE(every10->enabled());

    int once = 0;
    std::unique_ptr<platform::Timer> oneShot;
    oneShot = timers.createTimer(5, [&] {
        oneShot->setEnabled(false);
        ++once;
    });
    oneShot->setEnabled(true);

    int selfDestroyed = 0;
    std::unique_ptr<platform::Timer> selfDestroying;
    selfDestroying = timers.createTimer(5, [&] {
        ++selfDestroyed;
        selfDestroying.reset();
    });
    selfDestroying->setEnabled(true);

    // A handler that throws never takes Qt's loop (and the program) down; the timer goes on.
    int throwing = 0;
    auto failing = timers.createTimer(10, [&throwing] {
        ++throwing;
        throw platform::RegistryError("Zugriff verweigert");
    });
    failing->setEnabled(true);

    // Until both repeating timers have fired five times: on a loaded machine 200 ms may see fewer.
    QElapsedTimer clock;
    clock.start();
    while ((repeating < 5 || throwing < 5) && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_GE(repeating, 5);
    EXPECT_EQ(once, 1);
    EXPECT_EQ(selfDestroyed, 1);
    EXPECT_GE(throwing, 5);
    failing->setEnabled(false);
    every10->setEnabled(false);
    const int stoppedAt = repeating;
    clock.restart();
    while (clock.elapsed() < 50) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_EQ(repeating, stoppedAt);
}

}  // namespace
}  // namespace ruvo::desktop

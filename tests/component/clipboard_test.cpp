// The clipboard's text as another X client reads it.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/desktop/desktop_clipboard.h"
#include "x_session.h"

namespace ruvo::desktop {
namespace {

TEST(Clipboard, AnotherProgramReadsTheText) {
    std::string whyNot;
    if (test::TestApplication(test::NeedsX::Yes, whyNot) == nullptr) {
        GTEST_SKIP() << whyNot;
    }
    const std::string display = test::SharedSession()->displayName();
    const auto pump = [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 10); };
    DesktopClipboard clipboard;
    const std::string rows =
        "01.02.26   08:00   08:05   00:05:00        0,24        0,00        0,24       2   City "
        "\r\n"
        "02.02.26   22:10   23:40   01:30:00       12,35        1,20       13,55      95   Grün "
        "\r\n";
    clipboard.setText(rows);
    EXPECT_EQ(test::ClipboardAsAnotherProgram(display, pump), rows);
    clipboard.setText("");
    EXPECT_EQ(test::ClipboardAsAnotherProgram(display, pump).value_or("(none)"), "");
}

}  // namespace
}  // namespace ruvo::desktop

// The desktop program: the application on the real machine, with its windows.
#include <QApplication>

#include <cstdio>

#include "base/identity.h"
#include "gui/german_qt_texts.h"
#include "gui/program_icon.h"
#include "gui/program_views.h"
#include "platform/desktop/desktop_platform.h"
#include "program/application.h"

int main(int argc, char* argv[]) {
    // Without a display Qt would abort; say what is missing instead.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "Ruvometer braucht eine grafische Arbeitsumgebung: es wurde keine Anzeige "
                     "gefunden (DISPLAY oder WAYLAND_DISPLAY).\n");
        return 1;
    }
    // Qt waits for the X server after every picture it hands over in shared memory (a round trip
    // that wakes two threads), and the counter window hands one over every second. The windows
    // are small; through the socket their pictures cost less than the waiting. A user's own
    // choice stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    QApplication qt(argc, argv);
    QApplication::setApplicationName(ruvo::ApplicationTitle);
    // The program lives in the tray: closing its last window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // Every window and dialog, Qt's own included, shows the program's icon.
    QApplication::setWindowIcon(ruvo::gui::ProgramIcon());
    // Qt's own dialogs and buttons speak German as the program's windows do; without Qt's
    // catalogue they stay English.
    const ruvo::gui::GermanQtTexts germanQt(ruvo::gui::QtTranslationsFolder());

    ruvo::desktop::DesktopSetup setup;
    setup.applicationTitle = ruvo::ApplicationTitle;
    setup.dataFolderName = std::string("Quelmar/") + ruvo::VersionName;
    ruvo::desktop::DesktopPlatform desktop(setup);

    ruvo::Ruvometer app(desktop.platform());
    ruvo::gui::ProgramViews views(app);
    if (!app.start()) {
        return desktop.windowSystem().exitCode();
    }
    if (desktop.windowSystem().quitRequested()) {
        return desktop.windowSystem().exitCode();
    }
    return QApplication::exec();
}

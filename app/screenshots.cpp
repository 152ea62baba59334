// ruvo-screenshots FOLDER: renders the program's windows with sample contents and writes one PNG
// per window (or page) into FOLDER. Runs without a display on the offscreen platform.
//
// To add a window: write a function that builds its model and view with sample data and gives
// back the grabbed picture, and add it to the table in main().
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/identity.h"
#include "core/main_window.h"
#include "core/startup_window.h"
#include "gui/german_qt_texts.h"
#include "gui/main_window_view.h"
#include "gui/startup_window_view.h"

namespace {

using ruvo::MainPage;
using ruvo::gui::ActionRunner;

// Actions run as they come; nothing is wired behind the models.
const ActionRunner RunDirectly = [](const std::function<void()>& action) { action(); };

// Shows the view on the offscreen platform and takes its picture.
QPixmap Grab(QWidget& view) {
    view.show();
    QApplication::processEvents();
    return view.grab();
}

void FillMainWindow(ruvo::MainWindow& model) {
    model.label14.setText(ruvo::VersionName);
    model.databaseLabel.setText("/home/anna/.local/share/Quelmar/Ruvometer 2.3/RVDaten99.db");
    model.statusLine.setText(" Dienstag    14:35");
    model.checkBox1.setCheckedQuietly(true);
    model.checkBox2.setCheckedQuietly(true);
    model.checkBox11.setCheckedQuietly(true);

    model.edit5.setText("5");
    model.edit13.setText("600");
    model.edit14.setText("312");

    model.checkBox5.setCheckedQuietly(true);
    model.weekCover.setVisible(false);
    model.weekAmount.setText("50,00 DM");
    model.weekUsed.setText("51,20 DM");
    model.weekLeft.setText("- 1,20 DM");
    model.weekLeft.setRed(true);
    model.monthAmount.setText("0,00 DM");
    model.monthUsed.setText("73,45 DM");

    model.checkBox3.setCheckedQuietly(true);
    model.checkBox4.setCheckedQuietly(true);
    model.trackBar1.setPosition(5);
    model.leadText.setText("10 Sekunden vor neuer Einheit.");
    model.checkBox7.setCheckedQuietly(true);
    model.checkBox9.setCheckedQuietly(true);
}

QPixmap MainWindowPage(MainPage page) {
    ruvo::MainWindow model;
    FillMainWindow(model);
    model.setPageQuietly(page);
    model.shortHelp.setText(ruvo::MainWindow::HelpText(page));
    ruvo::gui::MainWindowView view(model, RunDirectly, {});
    return Grab(view);
}

QPixmap StartupWindow() {
    ruvo::StartupWindow model;
    model.label2.setText(ruvo::VersionName);
    model.label4.setText("/home/anna/.local/share/Quelmar/Ruvometer 2.3/");
    ruvo::gui::StartupWindowView view(model, RunDirectly, {});
    return Grab(view);
}

// Qt's own dialog behind "Drucker &Einrichten...", in the language the program gives it, with
// its settings opened: the button of its button box that neither prints nor cancels.
QPixmap PrinterSetupDialog() {
    QPrinter printer;
    printer.setOutputFileName("/home/anna/Verbindungen.pdf");
    QPrintDialog dialog(&printer);
    dialog.show();
    QApplication::processEvents();
    for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>()) {
        for (QAbstractButton* button : box->buttons()) {
            const QDialogButtonBox::ButtonRole role = box->buttonRole(button);
            if (role != QDialogButtonBox::AcceptRole && role != QDialogButtonBox::RejectRole) {
                button->click();
            }
        }
    }
    QApplication::processEvents();
    dialog.adjustSize();
    return Grab(dialog);
}

struct Screenshot {
    std::string name;
    std::function<QPixmap()> render;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ruvo-screenshots FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const ruvo::gui::GermanQtTexts germanQt(ruvo::gui::QtTranslationsFolder());
    if (!germanQt.loaded()) {
        std::fprintf(stderr, "Qt's German translations are not in %s: Qt's dialogs stay English\n",
                     qPrintable(ruvo::gui::QtTranslationsFolder()));
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    const std::vector<Screenshot> screenshots = {
        {"form1-allgemein", [] { return MainWindowPage(MainPage::Allgemein); }},
        {"form1-provider", [] { return MainWindowPage(MainPage::Provider); }},
        {"form1-budgets", [] { return MainWindowPage(MainPage::Budgets); }},
        {"form1-warnungen", [] { return MainWindowPage(MainPage::Warnungen); }},
        {"form1-info", [] { return MainWindowPage(MainPage::Info); }},
        {"form2", [] { return StartupWindow(); }},
        {"drucker-einrichten", [] { return PrinterSetupDialog(); }},
    };

    int failures = 0;
    for (const Screenshot& shot : screenshots) {
        const QString path = folder.filePath(QString::fromStdString(shot.name) + ".png");
        if (!shot.render().save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

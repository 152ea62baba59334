#include "window_models/main_window.h"

#include "base/identity.h"

namespace ruvo {

MainWindow::MainWindow() : WindowModel("Form1", VersionName) {
    for (CheckBox* hidden : {&active, &online, &windowsTrigger, &clearWindowsTrigger}) {
        hidden->setVisible(false);
    }
    leadField.setVisible(false);
    saveTariffsButton.setVisible(false);
    tablesViewButton.setVisible(false);
    tariffLookupButton.setVisible(false);
    shortHelp.setText(helpText(MainPage::General));
}

void MainWindow::selectPage(MainPage page) {
    if (page == page_) {
        return;
    }
    const MainPage from = page_;
    page_ = page;
    changed();
    if (onPageChange) {
        onPageChange(from, page);
    }
}

void MainWindow::setPageQuietly(MainPage page) {
    if (page != page_) {
        page_ = page;
        changed();
    }
}

std::string MainWindow::helpText(MainPage page) {
    switch (page) {
        case MainPage::General:
            return "Hier können Sie allgemeine Programmein- stellungen machen und Ihren Ruvometer, "
                   "falls er die Anwahl nicht erkennen sollte durch den Button 'Reparieren' neu "
                   "kalibrieren.";
        case MainPage::Telephone:
            return "Die Telefontarife können hier geändert werden. Sie sollten aber die "
                   "entsprechende Datei aus dem Internet herunterladen (falls sich die "
                   "Telefongebüren geändert haben)";
        case MainPage::Provider:
            return "Geben Sie hier an, was Sie bei Ihrem Provider in der Minuten an Gebüren "
                   "bezahlen und wieviel Freistunden sie evtl. im Monat haben.";
        case MainPage::Budgets:
            return "Im Quelmar Ruvometer können Budgets eingerichtet werden. Darüber haben Sie "
                   "die Möglichkeit sich bestimmte Grenzen, was die Onlineausgaben betrifft, "
                   "einzurichten.";
        case MainPage::Warnings:
            return "Hier können Sie die Warnungen konfigurieren. Z.B. stellen Sie hier ein, wenn "
                   "Sie die laufenden Gebüren im aktuellen Fensterangezeigt haben wollen.";
        case MainPage::Info:
            return "Hier finden Sie einige Informationen zum Ruvometer.";
    }
    return "";
}

std::string MainWindow::pageCaption(MainPage page) {
    switch (page) {
        case MainPage::General:
            return "Allgemein";
        case MainPage::Telephone:
            return "Telefon";
        case MainPage::Provider:
            return "Provider";
        case MainPage::Budgets:
            return "Budgets";
        case MainPage::Warnings:
            return "Warnungen";
        case MainPage::Info:
            return "Info";
    }
    return "";
}

}  // namespace ruvo

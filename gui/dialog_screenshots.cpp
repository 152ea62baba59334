#include "gui/dialog_screenshots.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <functional>

#include "gui/autostart_question_view.h"
#include "gui/budget_closure_view.h"
#include "gui/counter_window_view.h"
#include "gui/new_budget_view.h"
#include "gui/recovery_window_view.h"
#include "gui/summary_window_view.h"

namespace ruvo::gui {

namespace {

void RunDirectly(const std::function<void()>& action) {
    action();
}

// Shows the view through its model, lets the layout settle and writes what it shows.
bool Save(WindowModel& model, QWidget& view, const QString& path) {
    model.show();
    QApplication::processEvents();
    const bool written = view.grab().save(path, "PNG");
    model.hide();
    return written;
}

void FillRunningConnection(CounterWindow& counter) {
    counter.zoneName.setText("Nacht");
    counter.priceLine.setText("12 Pf in 240 Sekunden.");
    counter.dayLine.setText("Dienstag, 07.12.99, Werktag");
    counter.durationText.setText("00:47:13");
    counter.telephoneText.setText("1,44 DM");
    counter.providerText.setText("2,40 DM");
    counter.totalText.setText("3,84 DM");
    counter.unitText.setText("12");
    counter.restText.setText("Rest von 240 Sekunden : 7  ");
    counter.progressMaximum = 240;
    counter.progressPosition = 233;

    counter.weekAmount.setText("50,00 DM");
    counter.weekUsed.setText("51,20 DM");
    counter.weekLeft.setText("- 1,20 DM");
    counter.weekLeft.setRed(true);
    counter.weekCover.setVisible(false);
    counter.monthAmount.setText("0,00 DM");
    counter.monthUsed.setText("0,00 DM");
    counter.monthLeft.setText("0,00 DM");

    counter.warnInTray.setCheckedQuietly(true);
    counter.chargesInTitle.setCheckedQuietly(true);
    counter.onlineTimeInTitle.setCheckedQuietly(true);
    counter.leadSlider.setPosition(5);
    counter.leadText.setText("10 Sekunden vor neuer Einheit.");
}

bool RenderCounter(const QDir& folder) {
    CounterWindow counter;
    CounterWindowView view(counter, RunDirectly);
    FillRunningConnection(counter);
    counter.show();
    bool written = true;
    const std::pair<CounterPage, const char*> pages[] = {
        {CounterPage::Connection, "form6-verbindung.png"},
        {CounterPage::BudgetStatus, "form6-budgetstatus.png"},
        {CounterPage::Warnings, "form6-warnungen.png"},
    };
    for (const auto& [page, file] : pages) {
        counter.selectPage(page);
        QApplication::processEvents();
        written = view.grab().save(folder.filePath(QString::fromUtf8(file)), "PNG") && written;
    }
    // A connection at a time no tariff covers (the default tariff file).
    counter.selectPage(CounterPage::Connection);
    counter.zoneName.setText("");
    counter.priceLine.setText(
        "Zu dieser Zeit gilt kein Tarif.\nKeine Telefongebühren.\nTarifzeiten auf der Seite "
        "'Telefon' einstellen.");
    counter.telephoneText.setText("0,00 DM");
    counter.totalText.setText("2,40 DM");
    counter.unitText.setText("0");
    counter.restText.setText("Rest von 0 Sekunden : 0  ");
    counter.progressMaximum = 0;
    // As at a connection's start: the tariff is looked up before the window is shown.
    counter.hide();
    counter.show();
    QApplication::processEvents();
    written =
        view.grab().save(folder.filePath(QStringLiteral("form6-ohne-tarif.png")), "PNG") && written;
    counter.hide();
    return written;
}

bool RenderSummary(const QDir& folder) {
    SummaryWindow summary;
    SummaryWindowView view(summary, RunDirectly);
    summary.durationText.setText("00:47:13");
    summary.unitsText.setText("12");
    summary.telephoneText.setText("1,44 DM");
    summary.providerText.setText("2,40 DM");
    summary.totalText.setText("3,84 DM");
    bool written = Save(summary, view, folder.filePath(QStringLiteral("form4.png")));
    summary.unitsText.setText("0");
    summary.telephoneText.setText("0,00 DM");
    summary.totalText.setText("2,40 DM");
    summary.tariffNote.setText(
        "Für diese Verbindung galt kein Tarif.\nKeine Telefongebühren.\nTarifzeiten auf der Seite "
        "'Telefon' einstellen.");
    return Save(summary, view, folder.filePath(QStringLiteral("form4-ohne-tarif.png"))) && written;
}

bool RenderRecovery(const QDir& folder) {
    RecoveryWindow recovery;
    RecoveryWindowView view(recovery, RunDirectly);
    recovery.saveButton.setCaption("Speichern in 37 Sek");
    return Save(recovery, view, folder.filePath(QStringLiteral("form14.png")));
}

bool RenderAutostartQuestion(const QDir& folder) {
    AutostartQuestion question;
    AutostartQuestionView view(question, RunDirectly);
    return Save(question, view, folder.filePath(QStringLiteral("form5.png")));
}

bool RenderBudgetClosure(const QDir& folder) {
    BudgetClosureWindow closure;
    BudgetClosureView view(closure, RunDirectly);
    closure.kind = BudgetKind::Weekly;
    closure.kindLine.setText("(für die letzte Woche)");
    closure.periodLine.setText("vom 28.11.99 bis zum 04.12.99");
    closure.amount.setText("50,00 DM");
    closure.used.setText("51,20 DM");
    closure.left.setText("- 1,20 DM");
    closure.left.setRed(true);
    closure.overdrawn.setVisible(true);
    closure.kept.setVisible(false);
    closure.keepAmount.setCaption("Erneut Budget in Höhe von 50,00 DM festlegen.");
    return Save(closure, view, folder.filePath(QStringLiteral("form3.png")));
}

bool RenderNewBudget(const QDir& folder) {
    NewBudgetWindow newBudget;
    NewBudgetView view(newBudget, RunDirectly);
    newBudget.kind = BudgetKind::Monthly;
    return Save(newBudget, view, folder.filePath(QStringLiteral("form9.png")));
}

}  // namespace

bool RenderDialogScreenshots(const std::string& folder) {
    const QDir dir(QString::fromStdString(folder));
    bool written = RenderCounter(dir);
    written = RenderSummary(dir) && written;
    written = RenderRecovery(dir) && written;
    written = RenderAutostartQuestion(dir) && written;
    written = RenderBudgetClosure(dir) && written;
    written = RenderNewBudget(dir) && written;
    return written;
}

}  // namespace ruvo::gui

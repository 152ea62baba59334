#include "features/desktop_notices.h"

namespace ruvo {

namespace {

std::string BudgetName(BudgetKind kind) {
    return kind == BudgetKind::Weekly ? "Wochenbudget" : "Monatsbudget";
}

}  // namespace

void DesktopNotices::BudgetUsedUp(BudgetKind kind, const std::string& amount,
                                  const std::string& used) {
    if (!main_.notifyBudgetUsedUp.checked()) {
        return;
    }
    notifications_.notify(
        {BudgetName(kind) + " aufgebraucht",
         "Verbraucht: " + used + " von " + amount + ", die laufende Verbindung eingerechnet."});
}

void DesktopNotices::ClosureDue(BudgetKind kind, const std::string& period,
                                const std::string& amount, const std::string& used) {
    if (!main_.notifyClosureDue.checked()) {
        return;
    }
    notifications_.notify(
        {"Budgetabschluss: " + BudgetName(kind),
         (kind == BudgetKind::Weekly ? "Die letzte Woche " : "Der letzte Monat ") + period +
             ": verbraucht " + used + " von " + amount + "."});
}

void DesktopNotices::ConnectionNotSaved(const std::string& connection) {
    if (!main_.notifyNotSaved.checked()) {
        return;
    }
    notifications_.notify({"Verbindung nicht gespeichert",
                           connection +
                               " konnte nicht in der Datenbank gespeichert werden. Ruvometer "
                               "bewahrt sie auf und speichert sie, sobald es wieder geht."});
}

}  // namespace ruvo

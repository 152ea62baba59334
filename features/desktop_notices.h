// What the desktop's notifications tell the user who works in other programs: a budget used up
// during a connection, a budget closure due, a connection that could not be saved. Each kind can
// be switched off on the main window's "Warnungen" page; a notice is given besides the
// program's own windows and message boxes, never instead of them.
#pragma once

#include <string>

#include "domain/budget_kind.h"
#include "platform/platform.h"
#include "window_models/main_window.h"

namespace ruvo {

class DesktopNotices {
public:
    DesktopNotices(platform::Notifications& notifications, const MainWindow& mainWindow)
        : notifications_(notifications), main_(mainWindow) {}

    // The money texts as the counter's "Budgetstatus" page shows them.
    void BudgetUsedUp(BudgetKind kind, const std::string& amount, const std::string& used);
    // The period ("vom 01.11.99 bis zum 30.11.99") and its money texts, as the closure shows them.
    void ClosureDue(BudgetKind kind, const std::string& period, const std::string& amount,
                    const std::string& used);
    // `connection` names the connection by its start ("Die Verbindung vom 07.12.99 um 10:00:00").
    void ConnectionNotSaved(const std::string& connection);

private:
    platform::Notifications& notifications_;
    const MainWindow& main_;
};

}  // namespace ruvo

// The main window (Form1): the options dialog with its menu, the page control, the three buttons,
// the short help of the current page and the status line.
#pragma once

#include <functional>

#include "gui/window_view.h"
#include "window_models/main_window.h"

class QMenuBar;
class QTabWidget;

namespace ruvo::gui {

// What the main window asks of the program beyond its model: the menu items that open other
// windows or end the program, and minimising through the title bar. Each is called as it is;
// the caller runs it as a user action.
struct MainWindowActions {
    std::function<void()> showConnections;  // "&Verbindungen"
    std::function<void()> editHolidays;     // "Feiertage..."
    std::function<void()> quit;             // "&Beenden" of the menu
    std::function<void()> minimised;        // the title bar's minimise button
    std::function<void()> showStatistics;   // "&Statistik..."
    std::function<void()> showShortHelp;    // "&Kurzhilfe" (F1)
    std::function<void()> compareTariffs;   // "Tarif&vergleich..."
};

class MainWindowView final : public WindowView {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 514;
    static constexpr int ClientHeight = 308;

    MainWindowView(MainWindow& model, ActionRunner run, MainWindowActions actions,
                   QWidget* parent = nullptr);

    // The "Telefon" page with the tariff editor's controls.
    QWidget* telephonePage() { return telephonePage_; }

protected:
    void changeEvent(QEvent* event) override;
    void reject() override;  // Escape: the window has no cancel button

private:
    QMenuBar* buildMenu();
    QTabWidget* buildPages(QWidget* body);
    void buildButtons(QWidget* body);
    void buildShortHelp(QWidget* body);
    void buildStatusBar(QWidget* body);

    MainWindow& model_;
    MainWindowActions actions_;
    QWidget* telephonePage_ = nullptr;
};

}  // namespace ruvo::gui

// The connection list (Form10): the period box and the toolbar, the table of the connections
// (as a report, a list or icons), the status bar with the totals of the selected rows, and the
// menus "&Datei" and "&Bearbeiten". A normal, resizable window that is not modal.
#pragma once

#include "gui/window_view.h"
#include "window_models/connection_list_window.h"

class QEvent;
class QListView;
class QMenuBar;
class QResizeEvent;
class QStackedWidget;
class QTimer;
class QTreeView;

namespace ruvo::gui {

class PanelStrip;

class ConnectionListView final : public WindowView {
    Q_OBJECT

public:
    ConnectionListView(ConnectionListWindow& model, ActionRunner run, QWidget* parent = nullptr);
    ~ConnectionListView() override;

protected:
    // Every activation reads the list again.
    bool event(QEvent* event) override;
    void reject() override;  // Escape: the window has no cancel button
    void resizeEvent(QResizeEvent* event) override;
    void prepareToShow() override { applyLayout(); }

private:
    QMenuBar* buildMenu();
    QWidget* buildToolbar();
    QWidget* buildTable();
    QWidget* buildStatusBar();
    void showStyle();
    // The remembered size and column widths, or the first ones.
    void applyLayout();
    // The user resized the window or a column: once that rests, the program is told.
    void userChangedLayout();
    void tellLayout();

    ConnectionListWindow& list_;
    QStackedWidget* table_ = nullptr;
    QTreeView* report_ = nullptr;
    QListView* items_ = nullptr;
    PanelStrip* statusBar_ = nullptr;
    QTimer* layoutRest_ = nullptr;
    QSize firstSize_;
    bool applyingLayout_ = false;
    // The program reads the list when it shows the window; the activation that follows the
    // showing is that one.
    bool shownByProgram_ = false;
};

}  // namespace ruvo::gui

#include "gui/connection_list_view.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "gui/list_pictures.h"
#include "gui/widget_kit.h"

namespace ruvo::gui {

namespace {

// The window's first size on the screen, frame included.
constexpr int InitialWidth = 588;
constexpr int InitialHeight = 421;
constexpr int StatusBarHeight = 20;

// The status bar: panels of fixed widths side by side; what the window is too narrow for is
// cut off at its right edge, and the bar asks for no width of its own.
class PanelStrip final : public QWidget {
public:
    explicit PanelStrip(QWidget* parent) : QWidget(parent) {
        setFixedHeight(StatusBarHeight);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }

    QLabel* addPanel(int width) {
        auto* panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(2);
        panel->setGeometry(nextX_, 1, width - 2, StatusBarHeight - 2);
        nextX_ += width;
        return panel;
    }

    QSize sizeHint() const override { return {0, StatusBarHeight}; }
    QSize minimumSizeHint() const override { return {0, StatusBarHeight}; }

private:
    int nextX_ = 0;
};

// Lets the window's menu keys win over the keys an edit field handles itself (Ctrl+C, Ctrl+X
// and Ctrl+A copy, cut and select in a field): with the focus in the period box they still
// copy the selected rows, close the window and select every row.
class MenuKeysFirst final : public QObject {
public:
    MenuKeysFirst(QWidget* window, QObject* parent) : QObject(parent), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
            for (const QAction* action : window_->actions()) {
                if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
                    event->ignore();
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
};

QToolButton* ToolbarButton(QWidget* parent, const QPixmap& picture, const std::string& hint) {
    auto* button = new QToolButton(parent);
    button->setIcon(picture);
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setFixedSize(24, 23);
    button->setToolTip(Q(hint));
    return button;
}

}  // namespace

ConnectionListView::ConnectionListView(ConnectionListWindow& model, ActionRunner run,
                                       QWidget* parent)
    : WindowView(model, std::move(run), parent), list_(model) {
    setWindowFlags(Qt::Window);
    setFont(WindowFont());
    resizeWithFrame(InitialWidth, InitialHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(buildMenu());
    layout->addWidget(buildToolbar());
    layout->addWidget(buildTable(), 1);
    layout->addWidget(buildStatusBar());

    list_.onFocusTable = [this] { table_->currentWidget()->setFocus(); };
    model.addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Shown) {
            shownByProgram_ = true;
        } else if (event == WindowEvent::Hidden) {
            shownByProgram_ = false;
        }
    });
}

ConnectionListView::~ConnectionListView() {
    list_.onFocusTable = nullptr;
}

QMenuBar* ConnectionListView::buildMenu() {
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    menuBar->setNativeMenuBar(false);
    // Items run in the window's shortcut context as well, so that their keys work while the
    // menu is closed.
    const auto item = [this](QMenu* menu, const QString& text, Button& button,
                             const QKeySequence& shortcut = {}) {
        QAction* added = menu->addAction(text);
        added->setShortcut(shortcut);
        connect(added, &QAction::triggered, this,
                [this, &button] { binder().run()([&button] { button.click(); }); });
        addAction(added);
    };
    QMenu* datei = menuBar->addMenu(QStringLiteral("&Datei"));
    item(datei, QStringLiteral("&Drucken"), list_.printItem, QKeySequence(Qt::CTRL | Qt::Key_P));
    item(datei, Q(list_.printerSetupItem.caption()), list_.printerSetupItem);
    datei->addSeparator();
    item(datei, Q(list_.closeItem.caption()), list_.closeItem, QKeySequence(Qt::CTRL | Qt::Key_X));
    QMenu* bearbeiten = menuBar->addMenu(QStringLiteral("&Bearbeiten"));
    item(bearbeiten, QStringLiteral("&Kopieren"), list_.copyItem,
         QKeySequence(Qt::CTRL | Qt::Key_C));
    item(bearbeiten, Q(list_.selectAllItem.caption()), list_.selectAllItem,
         QKeySequence(Qt::CTRL | Qt::Key_A));
    return menuBar;
}

QWidget* ConnectionListView::buildToolbar() {
    auto* bar = new QFrame(this);
    bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 3, 4, 3);
    row->setSpacing(1);

    auto* period = new QComboBox(bar);
    period->setFixedWidth(150);
    binder().comboBox(period, list_.periodBox);
    // The box hands the keys to its field as well, so both are told.
    auto* menuKeysFirst = new MenuKeysFirst(this, period);
    period->installEventFilter(menuKeysFirst);
    period->lineEdit()->installEventFilter(menuKeysFirst);
    row->addWidget(period);
    row->addSpacing(8);

    const struct {
        Button& button;
        QPixmap picture;
        bool groupEnds;
    } buttons[] = {
        {list_.printItem, PrinterPicture(16), false}, {list_.copyItem, CopyPicture(16), true},
        {list_.report, ReportViewPicture(16), false}, {list_.list, ListViewPicture(16), false},
        {list_.icon, IconViewPicture(16), true},
    };
    for (const auto& entry : buttons) {
        QToolButton* button = ToolbarButton(bar, entry.picture, entry.button.name());
        binder().button(button, entry.button);
        row->addWidget(button);
        if (entry.groupEnds) {
            row->addSpacing(8);
        }
    }
    row->addStretch(1);
    return bar;
}

QWidget* ConnectionListView::buildTable() {
    table_ = new QStackedWidget(this);

    report_ = ReportList(table_, QAbstractItemView::ExtendedSelection);
    binder().list(report_, list_.connectionTable, ConnectionIcon());
    for (std::size_t column = 0; column < ConnectionListWindow::kColumnWidths.size(); ++column) {
        report_->header()->resizeSection(static_cast<int>(column),
                                         ConnectionListWindow::kColumnWidths[column]);
    }
    table_->addWidget(report_);

    // The list and icon ways of showing the same rows and the same selection.
    items_ = new QListView(table_);
    items_->setObjectName(QStringLiteral("ListView1Items"));
    items_->setModel(report_->model());
    items_->setSelectionModel(report_->selectionModel());
    items_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    items_->setSelectionBehavior(QAbstractItemView::SelectRows);
    items_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    items_->setUniformItemSizes(true);
    table_->addWidget(items_);

    binder().onRender([this] { showStyle(); });
    return table_;
}

void ConnectionListView::showStyle() {
    const ListStyle style = list_.style();
    if (style != ListStyle::Report) {
        const QListView::ViewMode mode =
            style == ListStyle::Icon ? QListView::IconMode : QListView::ListMode;
        if (items_->viewMode() != mode || table_->currentWidget() != items_) {
            // Setting the mode resets the flow and the wrapping; both ways wrap to the window.
            items_->setViewMode(mode);
            items_->setMovement(QListView::Static);
            items_->setResizeMode(QListView::Adjust);
            items_->setWrapping(true);
            const bool icons = mode == QListView::IconMode;
            items_->setIconSize(icons ? QSize(32, 32) : QSize(16, 16));
            items_->setFlow(icons ? QListView::LeftToRight : QListView::TopToBottom);
            items_->setGridSize(icons ? QSize(76, 58) : QSize());
        }
    }
    QWidget* wanted = style == ListStyle::Report ? static_cast<QWidget*>(report_) : items_;
    if (table_->currentWidget() != wanted) {
        const bool hadFocus = table_->currentWidget()->hasFocus();
        table_->setCurrentWidget(wanted);
        if (hadFocus) {
            wanted->setFocus();
        }
    }
}

QWidget* ConnectionListView::buildStatusBar() {
    auto* strip = new PanelStrip(this);
    strip->setObjectName(QStringLiteral("StatusBar1"));
    TextField* panels[] = {&list_.countPanel,    &list_.durationPanel, &list_.telephonePanel,
                           &list_.providerPanel, &list_.totalPanel,    &list_.unitsPanel};
    for (std::size_t i = 0; i < std::size(panels); ++i) {
        binder().label(strip->addPanel(ConnectionListWindow::kPanelWidths[i]), *panels[i]);
    }
    return strip;
}

bool ConnectionListView::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        if (shownByProgram_) {
            shownByProgram_ = false;
        } else {
            binder().run()([this] { list_.activate(); });
        }
    }
    return WindowView::event(event);
}

void ConnectionListView::reject() {}

}  // namespace ruvo::gui

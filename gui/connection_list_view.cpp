#include "gui/connection_list_view.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "features/connection_rows.h"
#include "gui/list_pictures.h"
#include "gui/rows_model.h"
#include "gui/widget_kit.h"

namespace ruvo::gui {

namespace {

// The window's first size on the screen, frame included; wider when the totals need it.
constexpr int InitialWidth = 588;
constexpr int InitialHeight = 421;
constexpr int StatusBarHeight = 20;
constexpr int FrameWidth = 8;
// How long the user's resizing must rest before the new layout is remembered.
constexpr int LayoutRestMs = 400;

}  // namespace

// The status bar: panels side by side, each as wide as its text needs for large totals, the last
// one reaching the right edge. What a window made narrower than that is too narrow for is cut
// off at its right edge, and the bar asks for no width of its own.
class PanelStrip final : public QWidget {
public:
    explicit PanelStrip(QWidget* parent) : QWidget(parent) {
        setFixedHeight(StatusBarHeight);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }

    QLabel* addPanel(const QString& widestText) {
        auto* panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(2);
        panels_.push_back(panel);
        // Frame, indent and a little air on both sides of the text.
        needed_.push_back(panel->fontMetrics().horizontalAdvance(widestText) + 14);
        layOut();
        return panel;
    }

    // The width the panels need side by side.
    int neededWidth() const {
        int sum = 0;
        for (const int width : needed_) {
            sum += width;
        }
        return sum;
    }

    QSize sizeHint() const override { return {0, StatusBarHeight}; }
    QSize minimumSizeHint() const override { return {0, StatusBarHeight}; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        layOut();
    }

private:
    void layOut() {
        int x = 0;
        for (std::size_t i = 0; i < panels_.size(); ++i) {
            const bool last = i + 1 == panels_.size();
            const int width = last ? std::max(needed_[i], this->width() - x) : needed_[i];
            panels_[i]->setGeometry(x, 1, width - 2, StatusBarHeight - 2);
            x += width;
        }
    }

    std::vector<QLabel*> panels_;
    std::vector<int> needed_;
};

namespace {

// The texts of the status panels for totals about as large as a year brings.
std::array<std::string, 6> WidestPanelTexts() {
    RowTotals large;
    large.count = 9999;
    large.seconds = 9999LL * 3600 + 59 * 60 + 59;
    large.telephone = 9999999;
    large.provider = 9999999;
    large.total = 9999999;
    large.units = 999999;
    return StatusPanelTexts(large);
}

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
                if (action->shortcuts().contains(pressed)) {
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

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(buildMenu());
    layout->addWidget(buildToolbar());
    layout->addWidget(buildTable(), 1);
    layout->addWidget(buildStatusBar());
    // At its first size the window shows every total whole.
    resizeWithFrame(std::max(InitialWidth, statusBar_->neededWidth() + FrameWidth), InitialHeight);
    firstSize_ = size();

    layoutRest_ = new QTimer(this);
    layoutRest_->setSingleShot(true);
    layoutRest_->setInterval(LayoutRestMs);
    connect(layoutRest_, &QTimer::timeout, this, [this] { tellLayout(); });

    list_.onFocusTable = [this] { table_->currentWidget()->setFocus(); };
    // The program asks before it replaces a file, in its own words.
    list_.onChooseExportFile = [this](const std::string& offered) -> std::optional<std::string> {
        const QString chosen = QFileDialog::getSaveFileName(
            this, QStringLiteral("Verbindungen exportieren"), Q(offered),
            QStringLiteral("CSV-Dateien (*.csv);;Alle Dateien (*)"), nullptr,
            QFileDialog::DontConfirmOverwrite);
        if (chosen.isEmpty()) {
            return std::nullopt;
        }
        return chosen.toStdString();
    };
    model.addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Shown) {
            shownByProgram_ = true;
        } else if (event == WindowEvent::Hidden) {
            shownByProgram_ = false;
        }
    });
    applyLayout();
}

ConnectionListView::~ConnectionListView() {
    list_.onFocusTable = nullptr;
    list_.onChooseExportFile = nullptr;
}

void ConnectionListView::applyLayout() {
    const std::optional<ListLayout>& remembered = list_.layout();
    applyingLayout_ = true;
    if (remembered && remembered->width > 0 && remembered->height > 0) {
        resize(remembered->width, remembered->height);
    } else {
        resize(firstSize_);
    }
    for (int column = 0; column < report_->header()->count(); ++column) {
        const auto index = static_cast<std::size_t>(column);
        const bool stored = remembered && index < remembered->columnWidths.size();
        report_->header()->resizeSection(column, stored
                                                     ? remembered->columnWidths[index]
                                                     : ConnectionListWindow::kColumnWidths[index]);
    }
    applyingLayout_ = false;
}

void ConnectionListView::userChangedLayout() {
    if (!applyingLayout_ && isVisible()) {
        layoutRest_->start();
    }
}

void ConnectionListView::tellLayout() {
    ListLayout layout{width(), height(), {}};
    for (int column = 0; column < report_->header()->count(); ++column) {
        layout.columnWidths.push_back(report_->header()->sectionSize(column));
    }
    binder().run()([this, &layout] { list_.userChangedLayout(layout); });
}

void ConnectionListView::resizeEvent(QResizeEvent* event) {
    WindowView::resizeEvent(event);
    userChangedLayout();
}

QMenuBar* ConnectionListView::buildMenu() {
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    menuBar->setNativeMenuBar(false);
    // Items run in the window's shortcut context as well, so that their keys work while the
    // menu is closed. A second key is the one Linux programs use for the same item.
    const auto item = [this](QMenu* menu, const QString& text, Button& button,
                             const QList<QKeySequence>& shortcuts = {}) {
        QAction* added = menu->addAction(text);
        added->setShortcuts(shortcuts);
        connect(added, &QAction::triggered, this,
                [this, &button] { binder().run()([&button] { button.click(); }); });
        addAction(added);
    };
    QMenu* datei = menuBar->addMenu(QStringLiteral("&Datei"));
    item(datei, QStringLiteral("&Drucken"), list_.printItem, {QKeySequence(Qt::CTRL | Qt::Key_P)});
    item(datei, Q(list_.printerSetupItem.caption()), list_.printerSetupItem);
    datei->addSeparator();
    item(datei, Q(list_.exportieren.caption()), list_.exportieren,
         {QKeySequence(Qt::CTRL | Qt::Key_E)});
    item(datei, Q(list_.tarifvergleich.caption()), list_.tarifvergleich);
    datei->addSeparator();
    item(datei, Q(list_.closeItem.caption()), list_.closeItem,
         {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_W)});
    QMenu* bearbeiten = menuBar->addMenu(QStringLiteral("&Bearbeiten"));
    item(bearbeiten, QStringLiteral("&Kopieren"), list_.copyItem,
         {QKeySequence(Qt::CTRL | Qt::Key_C)});
    item(bearbeiten, Q(list_.selectAllItem.caption()), list_.selectAllItem,
         {QKeySequence(Qt::CTRL | Qt::Key_A)});
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
    if (auto* rows = dynamic_cast<RowsModel*>(report_->model())) {
        rows->setRightAligned({ConnectionListWindow::kMoneyColumns.begin(),
                               ConnectionListWindow::kMoneyColumns.end()});
    }
    connect(report_->header(), &QHeaderView::sectionResized, this, [this] { userChangedLayout(); });
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
    const std::array<std::string, 6> widest = WidestPanelTexts();
    for (std::size_t i = 0; i < std::size(panels); ++i) {
        binder().label(strip->addPanel(Q(widest[i])), *panels[i]);
    }
    statusBar_ = strip;
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

#include "gui/main_window_view.h"

#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/main_window_pages.h"
#include "gui/program_icon.h"
#include "gui/widget_kit.h"

namespace ruvo::gui {

namespace {

constexpr MainPage AllPages[] = {MainPage::General, MainPage::Telephone, MainPage::Provider,
                                 MainPage::Budgets, MainPage::Warnings,  MainPage::Info};

const QColor ShortHelpYellow(244, 248, 173);

// Tabs with the narrow margins of the classic page control, so that six fit in one row.
class CompactTabsStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) {
            return 12;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

void CallIfSet(const std::function<void()>& action) {
    if (action) {
        action();
    }
}

}  // namespace

MainWindowView::MainWindowView(MainWindow& model, ActionRunner run, MainWindowActions actions,
                               QWidget* parent)
    : WindowView(model, std::move(run), parent), model_(model), actions_(std::move(actions)) {
    // A normal window (a dialog gets no minimise button from some window managers) with the
    // system menu and the minimise button; it cannot be maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    setWindowIcon(ProgramIcon());

    // The menu lies above the client area, as a title bar's menu would.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setMenuBar(buildMenu());
    auto* body = new QWidget(this);
    body->setFixedSize(ClientWidth, ClientHeight);
    layout->addWidget(body);

    buildPages(body);
    buildButtons(body);
    buildShortHelp(body);
    buildStatusBar(body);
}

QMenuBar* MainWindowView::buildMenu() {
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    // The menu stays in the window, also on desktops with a global menu bar.
    menuBar->setNativeMenuBar(false);
    // Items run in the window's shortcut context as well, so that their keys work while the
    // menu is closed. A second key is the one Linux programs use for the same item.
    const auto item = [this](QMenu* menu, const QString& text, std::function<void()> action,
                             const QList<QKeySequence>& shortcuts = {}) {
        QAction* added = menu->addAction(text);
        added->setShortcuts(shortcuts);
        connect(added, &QAction::triggered, this, std::move(action));
        addAction(added);
    };
    const auto selects = [this](MainPage page) {
        return [this, page] { binder().run()([this, page] { model_.selectPage(page); }); };
    };

    QMenu* datei = menuBar->addMenu(QStringLiteral("&Datei"));
    item(datei, QStringLiteral("&Telefontarife"), selects(MainPage::Telephone));
    item(datei, QStringLiteral("&Providertrarife"), selects(MainPage::Provider));
    datei->addSeparator();
    item(datei, QStringLiteral("&Verbindungen"), [this] { CallIfSet(actions_.showConnections); },
         {QKeySequence(Qt::CTRL | Qt::Key_F7)});
    item(datei, QStringLiteral("&Statistik..."), [this] { CallIfSet(actions_.showStatistics); },
         {QKeySequence(Qt::CTRL | Qt::Key_F8)});
    item(datei, QStringLiteral("Tarif&vergleich..."),
         [this] { CallIfSet(actions_.compareTariffs); });
    datei->addSeparator();
    item(datei, QStringLiteral("&Beenden"), [this] { CallIfSet(actions_.quit); },
         {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});

    QMenu* extra = menuBar->addMenu(QStringLiteral("&Extra"));
    item(extra, QStringLiteral("&Buget festlegen"), selects(MainPage::Budgets));
    item(extra, QStringLiteral("W&arnungen"), selects(MainPage::Warnings));
    item(extra, QStringLiteral("Feiertage..."), [this] { CallIfSet(actions_.editHolidays); });
    extra->addSeparator();
    item(extra, QStringLiteral("&Optionen"), selects(MainPage::General));

    QMenu* help = menuBar->addMenu(QStringLiteral("&?"));
    item(help, QStringLiteral("Info"), selects(MainPage::Info));
    item(help, QStringLiteral("&Kurzhilfe"), [this] { CallIfSet(actions_.showShortHelp); },
         {QKeySequence(Qt::Key_F1)});
    return menuBar;
}

QTabWidget* MainWindowView::buildPages(QWidget* body) {
    auto* pages = Place(new QTabWidget(body), QRect(8, 8, 369, 273));
    pages->setObjectName(QStringLiteral("PageControl1"));
    // All six tabs fit in one row without scroll buttons.
    auto* compact = new CompactTabsStyle;
    compact->setParent(pages);
    pages->tabBar()->setStyle(compact);
    int number = 1;
    for (const MainPage page : AllPages) {
        auto* sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(number++));
        pages->addTab(sheet, Q(MainWindow::pageCaption(page)));
    }
    Binder& bind = binder();
    BuildGeneralPage(pages->widget(0), model_, bind);
    telephonePage_ = pages->widget(1);
    BuildTelephonePage(telephonePage_, model_, bind);
    BuildProviderPage(pages->widget(2), model_, bind);
    BuildBudgetsPage(pages->widget(3), model_, bind);
    BuildWarningsPage(pages->widget(4), model_, bind);
    BuildInfoPage(pages->widget(5), model_, bind);

    connect(pages, &QTabWidget::currentChanged, this, [this, pages](int index) {
        if (index >= 0 && index < static_cast<int>(std::size(AllPages))) {
            const MainPage page = AllPages[index];
            binder().run()([this, page] { model_.selectPage(page); });
        }
        // The model may have stayed where it was; show what it holds.
        const QSignalBlocker block(pages);
        pages->setCurrentIndex(static_cast<int>(model_.page()));
    });
    bind.onRender([this, pages] {
        const QSignalBlocker block(pages);
        pages->setCurrentIndex(static_cast<int>(model_.page()));
    });
    return pages;
}

void MainWindowView::buildButtons(QWidget* body) {
    auto* monitoringButton = Place(new QPushButton(body), QRect(385, 8, 121, 28));
    binder().button(monitoringButton, model_.monitoringButton);
    auto* minimizeButton = Place(new QPushButton(body), QRect(385, 42, 121, 28));
    minimizeButton->setDefault(true);
    binder().button(minimizeButton, model_.minimizeButton);
    auto* quitButton = Place(new QPushButton(body), QRect(385, 76, 121, 28));
    binder().button(quitButton, model_.quitButton);
}

void MainWindowView::buildShortHelp(QWidget* body) {
    auto* panel = ColourPanel(body, QRect(385, 112, 121, 169), ShortHelpYellow);
    panel->setObjectName(QStringLiteral("Panel3"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    const QPixmap icon = style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(18, 18);
    Picture(panel, icon, QPoint(6, 6));
    auto* title = StaticText(panel, QStringLiteral("Kurzhilfe :"), QRect(28, 5, 88, 20));
    title->setFont(ArialFont(15, true));
    SetTextColour(title, Qt::black);
    auto* text = WrappedText(panel, QString(), QRect(6, 30, 111, 135));
    SetTextColour(text, Qt::black);
    binder().label(text, model_.shortHelp);
}

void MainWindowView::buildStatusBar(QWidget* body) {
    auto* statusBar = Place(new QStatusBar(body), QRect(0, 289, ClientWidth, 19));
    statusBar->setSizeGripEnabled(false);
    auto* line = new QLabel(statusBar);
    statusBar->addWidget(line, 1);
    binder().label(line, model_.statusLine);
}

void MainWindowView::changeEvent(QEvent* event) {
    WindowView::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !(windowState() & Qt::WindowMinimized)) {
        return;
    }
    // The window is not minimised away: it comes back at once, and the program decides what
    // happens (monitoring is switched, which may hide the window). Both happen after the
    // window system has finished with the state change.
    QMetaObject::invokeMethod(
        this,
        [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            CallIfSet(actions_.minimised);
        },
        Qt::QueuedConnection);
}

void MainWindowView::reject() {}

}  // namespace ruvo::gui

#include "gui/counter_window_view.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/dialog_icons.h"
#include "gui/dialog_widgets.h"
#include "gui/tab_page_repaint.h"
#include "gui/unit_progress_bar.h"

namespace ruvo::gui {

namespace {

constexpr int ClientWidth = 320;
constexpr int ClientHeight = 300;

}  // namespace

CounterWindowView::CounterWindowView(CounterWindow& model, ActionRunner run, QWidget* parent)
    : WindowView(model, std::move(run), parent), counter_(model) {
    useDialogFrame();
    UseDialogFont(this);
    setClientSize(ClientWidth, ClientHeight);
    // The counter comes up when a connection starts, while the user works in another window:
    // that window keeps the focus, and with it the running cost in its title.
    showWithoutActivating();

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    tabs_->addTab(buildConnectionPage(), QStringLiteral("Verbindung"));
    tabs_->addTab(buildBudgetPage(), QStringLiteral("Budgetstatus"));
    tabs_->addTab(buildWarningPage(), QStringLiteral("Warnungen"));

    auto* ok = new QPushButton(this);
    ok->setDefault(true);
    binder().button(ok, counter_.ok);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    // A second of the connection then repaints its figures, not the whole window.
    if (const auto pane = SolidTabPaneColor(tabs_)) {
        PaintOwnBackground(*pane, runningFigures_);
        unitProgress_->paintInStripsOn(*pane);
    }
    KeepTabLayoutFromPageContents(tabs_);

    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        binder().run()([&] { counter_.selectPage(static_cast<CounterPage>(index)); });
    });
    binder().onRender([this] {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(static_cast<int>(counter_.page()));
    });
}

QWidget* CounterWindowView::buildConnectionPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(8);
    layout->addWidget(buildTariffPanel(page));
    layout->addWidget(buildFiguresPanel(page));
    layout->addWidget(buildUnitPanel(page));
    layout->addStretch();
    return page;
}

// The tariff in force: zone name and price on one line, the day below.
QWidget* CounterWindowView::buildTariffPanel(QWidget* page) {
    auto* tariff = RaisedPanel(page);
    auto* tariffGrid = new QGridLayout(tariff);
    tariffGrid->setContentsMargins(6, 3, 6, 3);
    tariffGrid->setVerticalSpacing(1);
    auto* zone = new QLabel(tariff);
    MakeBold(zone);
    binder().label(zone, counter_.zoneName);
    auto* price = ValueText(tariff);
    binder().label(price, counter_.priceLine);
    auto* day = new QLabel(tariff);
    binder().label(day, counter_.dayLine);
    runningFigures_.insert(runningFigures_.end(), {zone, price, day});
    tariffGrid->addWidget(Caption(QStringLiteral("Tarif :"), tariff), 0, 0);
    tariffGrid->addWidget(zone, 0, 1);
    tariffGrid->addWidget(price, 0, 2);
    tariffGrid->addWidget(day, 1, 0, 1, 3);
    tariffGrid->setColumnStretch(1, 1);
    return tariff;
}

// The connected time and the charges.
QWidget* CounterWindowView::buildFiguresPanel(QWidget* page) {
    auto* figures = RaisedPanel(page);
    auto* figuresGrid = new QGridLayout(figures);
    figuresGrid->setContentsMargins(6, 4, 6, 4);
    figuresGrid->setVerticalSpacing(2);
    figuresGrid->setHorizontalSpacing(8);
    figuresGrid->addWidget(Picture(ComputerClockPicture(32), figures), 0, 0, 5, 1,
                           Qt::AlignTop | Qt::AlignLeft);
    const auto addRow = [&](int row, const QString& caption, TextField& field, bool blue) {
        auto* value = ValueText(figures);
        if (blue) {
            MakeBold(value);
            MakeBlue(value);
        }
        binder().label(value, field);
        runningFigures_.push_back(value);
        figuresGrid->addWidget(Caption(caption, figures), row, 1);
        figuresGrid->addWidget(value, row, 2);
    };
    addRow(0, QStringLiteral("verbundene Zeit :"), counter_.durationText, true);
    addRow(1, QStringLiteral("Telefongebüren :"), counter_.telephoneText, false);
    addRow(2, QStringLiteral("Providergebüren :"), counter_.providerText, false);
    figuresGrid->addWidget(BlueRule(figures), 3, 1, 1, 2);
    addRow(4, QStringLiteral("gesamte Gebüren :"), counter_.totalText, true);
    figuresGrid->setColumnStretch(2, 1);
    return figures;
}

// The unit: its number, the time left in it and how far it has run.
QWidget* CounterWindowView::buildUnitPanel(QWidget* page) {
    auto* unit = RaisedPanel(page);
    auto* unitGrid = new QGridLayout(unit);
    unitGrid->setContentsMargins(6, 4, 6, 5);
    unitGrid->setVerticalSpacing(3);
    auto* unitNumber = new QLabel(unit);
    MakeBold(unitNumber);
    binder().label(unitNumber, counter_.unitText);
    auto* rest = ValueText(unit);
    binder().label(rest, counter_.restText);
    unitProgress_ = new UnitProgressBar(unit);
    unitProgress_->setObjectName(QStringLiteral("ProgressBar1"));
    unitProgress_->setTextVisible(false);
    unitProgress_->setFixedHeight(14);
    runningFigures_.insert(runningFigures_.end(), {unitNumber, rest});
    unitGrid->addWidget(Caption(QStringLiteral("Einheit :"), unit), 0, 0);
    unitGrid->addWidget(unitNumber, 0, 1);
    unitGrid->addWidget(rest, 0, 2);
    unitGrid->addWidget(unitProgress_, 1, 0, 1, 3);
    unitGrid->setColumnStretch(2, 1);

    binder().onRender([this] {
        // A unit of no length has no progress; a range of 0 to 0 would show a busy bar.
        const int maximum = counter_.progressMaximum;
        unitProgress_->setRange(0, maximum > 0 ? maximum : 1);
        unitProgress_->setValue(maximum > 0 ? counter_.progressPosition : 0);
    });
    return unit;
}

QWidget* CounterWindowView::buildBudgetBox(const QString& title, TextField& amount, TextField& used,
                                           TextField& left, Panel& cover) {
    auto* box = new QGroupBox(title);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(8);
    grid->addWidget(Picture(CoinPicture(32), box), 0, 0, Qt::AlignTop);

    // The figures and the cover share one cell, the cover on top.
    auto* figures = new QWidget(box);
    auto* figuresGrid = new QGridLayout(figures);
    figuresGrid->setContentsMargins(0, 0, 0, 0);
    figuresGrid->setVerticalSpacing(2);
    const auto addRow = [&](int row, const QString& caption, TextField& field) {
        auto* value = ValueText(figures);
        // A style sheet (the red mark) drops the inherited font; this one is the label's own.
        value->setFont(DialogFont());
        binder().label(value, field);
        figuresGrid->addWidget(Caption(caption, figures), row, 0);
        figuresGrid->addWidget(value, row, 1);
    };
    addRow(0, QStringLiteral("Budgethöhe :"), amount);
    addRow(1, QStringLiteral("Verbraucht :"), used);
    figuresGrid->addWidget(BlueRule(figures), 2, 0, 1, 2);
    addRow(3, QStringLiteral("Übrig :"), left);
    figuresGrid->setColumnStretch(1, 1);
    grid->addWidget(figures, 0, 1);

    auto* coverLabel = new QLabel(Q(cover.caption()), box);
    coverLabel->setAlignment(Qt::AlignCenter);
    coverLabel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    coverLabel->setAutoFillBackground(true);
    QPalette silver = coverLabel->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    silver.setColor(QPalette::WindowText, QColor(0, 0, 0));
    coverLabel->setPalette(silver);
    grid->addWidget(coverLabel, 0, 1);
    coverLabel->raise();
    binder().panel(coverLabel, cover);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* CounterWindowView::buildBudgetPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildBudgetBox(QStringLiteral("Wochenbudget: "), counter_.weekAmount,
                                     counter_.weekUsed, counter_.weekLeft, counter_.weekCover));
    layout->addWidget(buildBudgetBox(QStringLiteral("Monatsbudget: "), counter_.monthAmount,
                                     counter_.monthUsed, counter_.monthLeft, counter_.monthCover));
    layout->addStretch();
    return page;
}

QWidget* CounterWindowView::buildWarningPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* panel = RaisedPanel(page);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 5, 6, 5);
    grid->setVerticalSpacing(2);
    grid->addWidget(Picture(StyleIconPicture(QStyle::SP_MessageBoxWarning, 32), panel), 0, 0, 4, 1,
                    Qt::AlignTop | Qt::AlignLeft);

    auto* inTray = new QCheckBox(panel);
    binder().checkBox(inTray, counter_.warnInTray);
    auto* lead = new QLabel(panel);
    binder().label(lead, counter_.leadText);
    auto* beep = new QCheckBox(panel);
    binder().checkBox(beep, counter_.warnBeep);
    grid->addWidget(inTray, 0, 1);
    grid->addWidget(lead, 1, 1);
    grid->addWidget(beep, 2, 1);

    // The scale above the track bar: 0 to 60 seconds in steps of two.
    auto* scale = new QHBoxLayout;
    scale->addWidget(Caption(QStringLiteral("0"), panel));
    scale->addStretch();
    scale->addWidget(Caption(QStringLiteral("30"), panel));
    scale->addStretch();
    scale->addWidget(Caption(QStringLiteral("60"), panel));
    grid->addLayout(scale, 3, 1);
    auto* slider = new QSlider(Qt::Horizontal, panel);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setPageStep(1);
    binder().trackBar(slider, counter_.leadSlider);
    grid->addWidget(slider, 4, 0, 1, 2);

    auto* rule = new QFrame(panel);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    grid->addWidget(rule, 5, 0, 1, 2);
    int row = 6;
    for (CheckBox* option :
         {&counter_.chargesInTitle, &counter_.onlineTimeInTitle, &counter_.secondsLeftInTitle}) {
        auto* box = new QCheckBox(panel);
        binder().checkBox(box, *option);
        grid->addWidget(box, row++, 0, 1, 2);
    }
    grid->setColumnStretch(1, 1);
    layout->addWidget(panel);
    layout->addStretch();
    return page;
}

}  // namespace ruvo::gui

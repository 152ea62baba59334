// The "Warnungen" page: the unit warning with its lead, what is shown in the title of the window
// in front, and which desktop notifications are given.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <initializer_list>

#include "gui/main_window_pages.h"
#include "gui/widget_kit.h"

namespace ruvo::gui {

namespace {

// The centre of the slider's handle at a value, in the slider's coordinates.
int HandleCentre(const QSlider* slider, int value) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.sliderPosition = value;
    option.sliderValue = value;
    option.subControls = QStyle::SC_SliderHandle;
    return slider->style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
        .center()
        .x();
}

// The scale above the track bar: the lead in seconds at its start, middle and end.
void Scale(QFrame* panel, const QSlider* slider, int y) {
    constexpr int LabelWidth = 30;
    const int middle = (slider->minimum() + slider->maximum()) / 2;
    const int values[] = {slider->minimum(), middle, slider->maximum()};
    for (const int value : values) {
        const int x = slider->x() + HandleCentre(slider, value) - LabelWidth / 2;
        StaticText(panel, QString::number(2 * value), QRect(x, y, LabelWidth, 14), Qt::AlignCenter);
    }
}

}  // namespace

void BuildWarningsPage(QWidget* page, MainWindow& model, Binder& binder) {
    QFrame* panel = BevelPanel(page, QRect(4, 4, 357, 239));

    // The lead text stands right beside the tray option; the icon keeps to the right edge.
    Picture(panel, panel->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32),
            QPoint(315, 10));
    auto* trayOption = new QCheckBox(Q(model.warnInTray.caption()), panel);
    trayOption->setGeometry(10, 8, trayOption->sizeHint().width(), 20);
    binder.checkBox(trayOption, model.warnInTray);
    const int leadX = trayOption->geometry().right() + 6;
    binder.label(StaticText(panel, QString(), QRect(leadX, 8, 305 - leadX, 20)), model.leadText);
    binder.checkBox(Place(new QCheckBox(panel), QRect(10, 30, 290, 20)), model.warnBeep);

    auto* slider = Place(new QSlider(Qt::Horizontal, panel), QRect(10, 68, 295, 28));
    slider->setRange(model.leadSlider.minimum(), model.leadSlider.maximum());
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setPageStep(1);
    Scale(panel, slider, 52);
    binder.trackBar(slider, model.leadSlider);

    // Charges, online time, time left: the order of the title's suffix; then the desktop
    // notifications.
    const auto rows = [panel, &binder](int top, std::initializer_list<CheckBox*> boxes) {
        int y = top;
        for (CheckBox* box : boxes) {
            binder.checkBox(Place(new QCheckBox(panel), QRect(10, y, 335, 19)), *box);
            y += 19;
        }
    };
    EtchedRule(panel, 8, 104, 341);
    rows(110, {&model.chargesInTitle, &model.onlineTimeInTitle, &model.secondsLeftInTitle});
    EtchedRule(panel, 8, 172, 341);
    rows(177, {&model.notifyBudgetUsedUp, &model.notifyClosureDue, &model.notifyNotSaved});
}

}  // namespace ruvo::gui

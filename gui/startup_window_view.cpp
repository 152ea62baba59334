#include "gui/startup_window_view.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QWidget>

#include "base/identity.h"
#include "gui/program_icon.h"
#include "gui/widget_kit.h"

namespace ruvo::gui {

namespace {

const QColor Navy(0, 64, 128);

// The painted background of the white panel: one vertical line per column.
class LinesBackground final : public QWidget {
public:
    LinesBackground(QWidget* parent, int windowWidth)
        : QWidget(parent), windowWidth_(windowWidth) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (int x = 0; x < windowWidth_; ++x) {
            painter.setPen(QColor(StartupLineRed(x, windowWidth_), 120, 255));
            painter.drawLine(x, 7, x, 281);
        }
    }

private:
    int windowWidth_;
};

// The largest Arial size, up to largest pixels, at which the text wrapped at word boundaries
// fits the box.
int FittingPixelSize(const QString& text, const QSize& box, int largest) {
    constexpr int Smallest = 7;
    for (int size = largest; size > Smallest; --size) {
        const QFontMetrics metrics(ArialFont(size));
        if (metrics.boundingRect(QRect(QPoint(), box), Qt::TextWordWrap, text).height() <=
            box.height()) {
            return size;
        }
    }
    return Smallest;
}

}  // namespace

int StartupLineRed(int x, int width) {
    return ((255 - x * (width - 10) / 255) / 2 + 120) & 0xFF;
}

StartupWindowView::StartupWindowView(StartupWindow& model, ActionRunner run,
                                     std::function<void()> closeRequested, QWidget* parent)
    : WindowView(model, std::move(run), parent) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFont(WindowFont());
    setWindowIcon(ProgramIcon());
    setClientSize(ClientWidth, ClientHeight);
    onCloseBox = std::move(closeRequested);

    auto* outer = ColourPanel(this, QRect(0, 0, ClientWidth, ClientHeight), Navy);
    outer->setFrameStyle(QFrame::Panel | QFrame::Raised);
    outer->setLineWidth(1);

    const QRect innerRect(7, 7, ClientWidth - 14, ClientHeight - 14);
    auto* inner = ColourPanel(this, innerRect, Qt::white);
    inner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    inner->setLineWidth(1);
    // The paint box covers the panel inside its bevel; the texts lie on it.
    auto* card = Place(new LinesBackground(inner, ClientWidth),
                       QRect(1, 1, innerRect.width() - 2, innerRect.height() - 2));

    Picture(card, ProgramPixmap(32), QPoint(10, 12));

    auto* maker = StaticText(card, QStringLiteral("Quelmar"), QRect(52, 6, 200, 22));
    maker->setFont(ArialFont(19, true));
    SetTextColour(maker, Navy);

    auto* captionLabel = StaticText(card, QString(), QRect(52, 26, 270, 40));
    captionLabel->setFont(ArialFont(33, true));
    binder().label(captionLabel, model.captionLabel);

    auto* freeware = StaticText(card, QStringLiteral("F R E E W A R E"), QRect(54, 68, 200, 18));
    freeware->setFont(ArialFont(13, true));
    SetTextColour(freeware, Qt::blue);

    const QString description = QStringLiteral(
        "Stand-Alone-Application um die Internetverbindungen und die anfallenden Gebüren im "
        "Überblick zu behalten.");
    const QRect descriptionBox(20, 96, 289, 33);
    WrappedText(card, description, descriptionBox)
        ->setFont(ArialFont(FittingPixelSize(description, descriptionBox.size(), 12)));

    auto* dataDirectoryLabel =
        StaticText(card, QString(), QRect(4, 145, card->width() - 8, 16), Qt::AlignCenter);
    dataDirectoryLabel->setFont(ArialFont(10, true));
    BindElidedLabel(binder(), dataDirectoryLabel, model.dataDirectoryLabel);
}

void StartupWindowView::reject() {}

}  // namespace ruvo::gui

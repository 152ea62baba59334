#include "gui/widget_kit.h"

#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QTreeView>
#include <QValidator>
#include <QWidget>

#include "platform/desktop/plain_text.h"

namespace ruvo::gui {

namespace {

// Accepts every text, in upper case.
class UpperCaseValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

}  // namespace

QFont ArialFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont WindowFont() {
    return ArialFont(11);
}

QFont FixedPitchFont(int pixelSize) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixelSize);
    return font;
}

QFrame* BevelPanel(QWidget* parent, const QRect& geometry, bool raised) {
    auto* panel = Place(new QFrame(parent), geometry);
    panel->setFrameStyle(QFrame::Panel | (raised ? QFrame::Raised : QFrame::Sunken));
    panel->setLineWidth(1);
    return panel;
}

QFrame* ColourPanel(QWidget* parent, const QRect& geometry, const QColor& colour) {
    auto* panel = Place(new QFrame(parent), geometry);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    return panel;
}

QFrame* EtchedRule(QWidget* parent, int x, int y, int width) {
    auto* rule = Place(new QFrame(parent), QRect(x, y, width, 2));
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return rule;
}

QFrame* ColourRule(QWidget* parent, int x, int y, int width, const QColor& colour) {
    return ColourPanel(parent, QRect(x, y, width, 1), colour);
}

QLabel* StaticText(QWidget* parent, const QString& text, const QRect& geometry,
                   Qt::Alignment alignment) {
    auto* label = Place(new QLabel(text, parent), geometry);
    label->setAlignment(alignment);
    return label;
}

QLabel* WrappedText(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = StaticText(parent, text, geometry, Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QTreeView* ReportList(QWidget* parent, QAbstractItemView::SelectionMode selection) {
    auto* list = new QTreeView(parent);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(selection);
    list->header()->setStretchLastSection(false);
    return list;
}

QLineEdit* TwoDigitField(QWidget* parent, int x, int y) {
    auto* field = Place(new QLineEdit(parent), QRect(x, y, TwoDigitFieldWidth, 21));
    field->setAlignment(Qt::AlignCenter);
    return field;
}

QLabel* Picture(QWidget* parent, const QPixmap& pixmap, QPoint topLeft) {
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    label->setGeometry(QRect(topLeft, pixmap.deviceIndependentSize().toSize()));
    return label;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void UpperCaseInput(QLineEdit* widget) {
    widget->setValidator(new UpperCaseValidator(widget));
}

void BindElidedLabel(Binder& binder, QLabel* widget, TextField& control) {
    widget->setObjectName(Q(control.name()));
    widget->setTextFormat(Qt::PlainText);
    binder.onRender([widget, &control] {
        const QString text = Q(control.text());
        const QFontMetrics metrics(widget->font());
        widget->setText(metrics.elidedText(text, Qt::ElideMiddle, widget->width()));
        widget->setToolTip(desktop::PlainToolTip(text));
        widget->setEnabled(control.enabled());
    });
}

void BindDisplayField(Binder& binder, QLineEdit* widget, TextField& control) {
    widget->setObjectName(Q(control.name()));
    widget->setReadOnly(true);
    widget->setFocusPolicy(Qt::NoFocus);
    binder.onRender([widget, &control] {
        if (widget->text().toStdString() != control.text()) {
            widget->setText(Q(control.text()));
        }
        widget->setEnabled(control.enabled());
    });
}

}  // namespace ruvo::gui

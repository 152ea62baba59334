#include "gui/dialog_widgets.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace ruvo::gui {

QFont DialogFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    return font;
}

void UseDialogFont(QWidget* window) {
    window->setFont(DialogFont());
}

QFrame* RaisedPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    return panel;
}

QFrame* BlueRule(QWidget* parent) {
    auto* rule = new QFrame(parent);
    rule->setFrameStyle(QFrame::NoFrame);
    rule->setFixedHeight(1);
    rule->setAutoFillBackground(true);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 255));
    rule->setPalette(palette);
    return rule;
}

QLabel* Caption(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QLabel* Picture(const QPixmap& pixmap, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    label->setFixedSize(pixmap.deviceIndependentSize().toSize());
    return label;
}

QLabel* ValueText(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void MakeBold(QLabel* label) {
    // Only the weight is set here; family and size still come from the window.
    QFont font;
    font.setBold(true);
    label->setFont(font);
}

void MakeBlue(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
}

}  // namespace ruvo::gui

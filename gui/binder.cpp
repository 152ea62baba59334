#include "gui/binder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>
#include <QSlider>
#include <QWidget>

namespace ruvo::gui {

namespace {

void RenderCommon(QWidget* widget, const Control& control) {
    widget->setEnabled(control.enabled());
    // Hidden controls carry state only; their widgets are never shown.
    if (!control.visible()) {
        widget->setVisible(false);
    }
}

}  // namespace

Binder::Binder(WindowModel& model, ActionRunner run) : model_(model), run_(std::move(run)) {
    model_.addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Changed || event == WindowEvent::Shown) {
            render();
        }
    });
}

void Binder::render() {
    for (const auto& renderer : renderers_) {
        renderer();
    }
}

void Binder::onRender(std::function<void()> render) {
    renderers_.push_back(std::move(render));
    renderers_.back()();
}

void Binder::checkBox(QCheckBox* widget, CheckBox& control) {
    widget->setObjectName(Q(control.name()));
    QObject::connect(widget, &QCheckBox::clicked, widget, [this, widget, &control](bool checked) {
        run_([&] { control.setChecked(checked); });
        // The model may refuse or change the state; show what it holds.
        const QSignalBlocker block(widget);
        widget->setChecked(control.checked());
    });
    onRender([widget, &control] {
        const QSignalBlocker block(widget);
        widget->setText(Q(control.caption()));
        widget->setChecked(control.checked());
        RenderCommon(widget, control);
    });
}

void Binder::button(QAbstractButton* widget, Button& control) {
    widget->setObjectName(Q(control.name()));
    QObject::connect(widget, &QAbstractButton::clicked, widget,
                     [this, &control] { run_([&] { control.click(); }); });
    onRender([widget, &control] {
        widget->setText(Q(control.caption()));
        RenderCommon(widget, control);
    });
}

void Binder::label(QLabel* widget, TextField& control) {
    widget->setObjectName(Q(control.name()));
    onRender([widget, &control] {
        widget->setText(Q(control.text()));
        // The palette, not a style sheet, so that the label keeps the font its view gave it.
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText,
                         control.red() ? QColor(255, 0, 0)
                                       : QApplication::palette().color(QPalette::WindowText));
        widget->setPalette(palette);
        RenderCommon(widget, control);
    });
}

void Binder::edit(QLineEdit* widget, TextField& control, int maxLength) {
    widget->setObjectName(Q(control.name()));
    if (maxLength > 0) {
        widget->setMaxLength(maxLength);
    }
    QObject::connect(widget, &QLineEdit::editingFinished, widget, [this, widget, &control] {
        const std::string typed = widget->text().toStdString();
        run_([&] { control.enter(typed); });
        render();
    });
    onRender([widget, &control] {
        if (!widget->hasFocus() || widget->text().toStdString() != control.text()) {
            const QSignalBlocker block(widget);
            if (widget->text().toStdString() != control.text()) {
                widget->setText(Q(control.text()));
            }
        }
        RenderCommon(widget, control);
    });
}

void Binder::trackBar(QSlider* widget, TrackBar& control) {
    widget->setObjectName(Q(control.name()));
    widget->setRange(control.minimum(), control.maximum());
    QObject::connect(widget, &QSlider::valueChanged, widget,
                     [this, &control](int value) { run_([&] { control.setPosition(value); }); });
    onRender([widget, &control] {
        const QSignalBlocker block(widget);
        widget->setValue(control.position());
        RenderCommon(widget, control);
    });
}

void Binder::panel(QWidget* widget, Panel& control) {
    widget->setObjectName(Q(control.name()));
    onRender([widget, &control] {
        widget->setVisible(control.visible());
        widget->setEnabled(control.enabled());
    });
}

}  // namespace ruvo::gui

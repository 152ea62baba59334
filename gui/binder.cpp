#include "gui/binder.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>
#include <QSlider>
#include <QWidget>

#include <memory>

#include "gui/rows_model.h"

namespace ruvo::gui {

namespace {

void RenderCommon(QWidget* widget, const Control& control) {
    widget->setEnabled(control.enabled());
    // Hidden controls carry state only; their widgets are never shown.
    if (!control.visible()) {
        widget->setVisible(false);
    }
}

// Shows the control's text unless the field already holds it (the cursor stays where it is).
void RenderEditText(QLineEdit* widget, const TextField& control) {
    if (widget->text().toStdString() != control.text()) {
        const QSignalBlocker block(widget);
        widget->setText(Q(control.text()));
    }
    RenderCommon(widget, control);
}

void RenderItems(QComboBox* widget, const ComboBox& control) {
    QStringList items;
    for (const std::string& item : control.items()) {
        items << Q(item);
    }
    QStringList shown;
    for (int i = 0; i < widget->count(); ++i) {
        shown << widget->itemText(i);
    }
    const int selected = control.selectedIndex();
    if (items != shown) {
        widget->clear();
        widget->addItems(items);
        widget->setCurrentIndex(selected);
    } else if (selected >= 0 && selected != widget->currentIndex()) {
        // Only a picked item moves the list's mark; a typed text leaves it where it was.
        widget->setCurrentIndex(selected);
    }
    if (widget->currentText() != Q(control.text())) {
        widget->setEditText(Q(control.text()));
    }
}

// The model's selection as the view's, in as few ranges as there are runs of selected rows.
void RenderSelection(QItemSelectionModel* selection, const RowsModel& rows,
                     const ListControl& control) {
    const int count = rows.rowCount();
    bool differs = false;
    for (int row = 0; row < count && !differs; ++row) {
        differs = selection->isSelected(rows.index(row, 0)) !=
                  control.selected(static_cast<std::size_t>(row));
    }
    if (!differs) {
        return;
    }
    QItemSelection wanted;
    for (int row = 0; row < count;) {
        if (!control.selected(static_cast<std::size_t>(row))) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < count && control.selected(static_cast<std::size_t>(row))) {
            ++row;
        }
        wanted.select(rows.index(first, 0), rows.index(row - 1, rows.columnCount() - 1));
    }
    selection->select(wanted, QItemSelectionModel::ClearAndSelect);
    const int first = control.firstSelected();
    if (first >= 0 && !selection->isSelected(selection->currentIndex())) {
        selection->setCurrentIndex(rows.index(first, 0), QItemSelectionModel::NoUpdate);
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
    QObject::connect(widget, &QCheckBox::clicked, &receiver_,
                     [this, widget, &control](bool checked) {
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
    QObject::connect(widget, &QAbstractButton::clicked, &receiver_,
                     [this, &control] { run_([&] { control.click(); }); });
    onRender([widget, &control] {
        widget->setText(Q(control.caption()));
        RenderCommon(widget, control);
    });
}

void Binder::label(QLabel* widget, TextField& control) {
    widget->setObjectName(Q(control.name()));
    widget->setTextFormat(Qt::PlainText);
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
    QObject::connect(widget, &QLineEdit::editingFinished, &receiver_, [this, widget, &control] {
        const std::string typed = widget->text().toStdString();
        run_([&] { control.enter(typed); });
        render();
    });
    onRender([widget, &control] { RenderEditText(widget, control); });
}

void Binder::liveEdit(QLineEdit* widget, TextField& control, int maxLength) {
    edit(widget, control, maxLength);
    QObject::connect(widget, &QLineEdit::textEdited, &receiver_,
                     [this, &control](const QString& text) {
                         const std::string typed = text.toStdString();
                         run_([&] { control.setText(typed); });
                     });
}

void Binder::comboBox(QComboBox* widget, ComboBox& control) {
    widget->setObjectName(Q(control.name()));
    widget->setEditable(true);
    // The typed text stays as typed: no completion, and Enter adds no item.
    widget->setCompleter(nullptr);
    widget->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(widget, &QComboBox::activated, &receiver_, [this, &control](int index) {
        run_([&] { control.choose(index); });
        render();
    });
    QObject::connect(widget->lineEdit(), &QLineEdit::textEdited, &receiver_,
                     [this, &control](const QString& text) {
                         const std::string typed = text.toStdString();
                         run_([&] { control.setText(typed); });
                     });
    onRender([widget, &control] {
        {
            const QSignalBlocker block(widget);
            const QSignalBlocker blockEdit(widget->lineEdit());
            RenderItems(widget, control);
        }
        RenderCommon(widget, control);
    });
}

void Binder::chooser(QComboBox* widget, ComboBox& control) {
    widget->setObjectName(Q(control.name()));
    widget->setEditable(false);
    QObject::connect(widget, &QComboBox::activated, &receiver_, [this, &control](int index) {
        run_([&] { control.choose(index); });
        render();
    });
    onRender([widget, &control] {
        {
            const QSignalBlocker block(widget);
            RenderItems(widget, control);
            widget->setCurrentIndex(control.selectedIndex());
        }
        RenderCommon(widget, control);
    });
}

void Binder::list(QAbstractItemView* widget, ListControl& control, const QIcon& rowIcon) {
    widget->setObjectName(Q(control.name()));
    auto* rows = new RowsModel(control.columns(), widget);
    rows->setRowIcon(rowIcon);
    widget->setModel(rows);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->setSelectionBehavior(QAbstractItemView::SelectRows);
    QItemSelectionModel* selection = widget->selectionModel();
    // Set while the view is brought in line with the model, whose own changes must not be
    // reported back to it.
    auto rendering = std::make_shared<bool>(false);
    QObject::connect(selection, &QItemSelectionModel::selectionChanged, &receiver_,
                     [this, rows, selection, rendering, &control] {
                         if (*rendering) {
                             return;
                         }
                         std::vector<bool> chosen(static_cast<std::size_t>(rows->rowCount()));
                         for (std::size_t row = 0; row < chosen.size(); ++row) {
                             chosen[row] =
                                 selection->isSelected(rows->index(static_cast<int>(row), 0));
                         }
                         run_([&] { control.setSelection(std::move(chosen)); });
                     });
    onRender([widget, rows, selection, rendering, &control] {
        *rendering = true;
        if (!rows->holds(control.rows())) {
            rows->setRows(control.rows());
        }
        RenderSelection(selection, *rows, control);
        *rendering = false;
        RenderCommon(widget, control);
    });
}

void Binder::trackBar(QSlider* widget, TrackBar& control) {
    widget->setObjectName(Q(control.name()));
    widget->setRange(control.minimum(), control.maximum());
    QObject::connect(widget, &QSlider::valueChanged, &receiver_,
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

#include "gui/window_view.h"

#include <QCloseEvent>

namespace ruvo::gui {

WindowView::WindowView(WindowModel& model, ActionRunner run, QWidget* parent)
    : QDialog(parent), model_(model), binder_(model, std::move(run)) {
    setObjectName(Q(model.windowName()));
    binder_.onRender([this] { setWindowTitle(Q(model_.caption())); });
    model_.addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Shown) {
            show();
            raise();
            activateWindow();
        } else if (event == WindowEvent::Hidden) {
            hide();
        }
    });
}

void WindowView::setClientSize(int width, int height) {
    setFixedSize(width, height);
}

void WindowView::resizeWithFrame(int width, int height) {
    constexpr int Border = 4;
    constexpr int TitleBar = 23;
    resize(width - 2 * Border, height - 2 * Border - TitleBar);
}

void WindowView::useDialogFrame() {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
}

void WindowView::closeEvent(QCloseEvent* event) {
    // The program decides: the model is told, and the widget follows the model.
    event->ignore();
    binder_.run()([this] {
        if (onCloseBox) {
            onCloseBox();
        } else {
            model_.hide();
        }
    });
}

void WindowView::reject() {
    binder_.run()([this] {
        if (onCloseBox) {
            onCloseBox();
        } else {
            model_.hide();
        }
    });
}

}  // namespace ruvo::gui

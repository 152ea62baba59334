#include "gui/window_view.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QLayout>
#include <QScreen>

#include "gui/window_placement.h"

namespace ruvo::gui {

WindowView::WindowView(WindowModel& model, ActionRunner run, QWidget* parent)
    : QDialog(parent), model_(model), binder_(model, std::move(run)) {
    setObjectName(Q(model.windowName()));
    binder_.onRender([this] { setWindowTitle(Q(model_.caption())); });
    model_.addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Shown) {
            present();
        } else if (event == WindowEvent::Hidden) {
            hide();
        }
    });
}

void WindowView::present() {
    if (!isVisible()) {
        prepareToShow();
        placeOnScreen();
    }
    show();
    raise();
    if (activateWhenShown_) {
        activateWindow();
    }
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

void WindowView::showWithoutActivating() {
    setAttribute(Qt::WA_ShowWithoutActivating);
    activateWhenShown_ = false;
}

void WindowView::placeOnScreen() {
    QWidget* parentWindow = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    const bool overParent = parentWindow != nullptr && parentWindow->isVisible();
    QScreen* onScreen = overParent ? parentWindow->screen() : screen();
    if (onScreen == nullptr) {
        return;
    }
    // A window whose layout fixes its size has that size only once the layout has run.
    if (layout() != nullptr) {
        layout()->activate();
    }
    PlacementRequest request;
    request.available = onScreen->availableGeometry();
    request.frame = windowFlags().testFlag(Qt::FramelessWindowHint) ? QMargins() : frame_;
    request.clientSize = size();
    request.minimumSize = minimumSize();
    request.maximumSize = maximumSize();
    if (placed_) {
        request.frameTopLeft = pos();
    } else if (overParent) {
        request.centre = parentWindow->frameGeometry();
    }
    const WindowPlacement placement = PlaceWindow(request);
    if (placement.clientSize != size()) {
        resize(placement.clientSize);
    }
    move(placement.frameTopLeft);
    placed_ = true;
}

void WindowView::hideEvent(QHideEvent* event) {
    // The frame is known while the window is shown; the next placement reckons with it.
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    if (outer != inner && outer.contains(inner)) {
        frame_ = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                          outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    QDialog::hideEvent(event);
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

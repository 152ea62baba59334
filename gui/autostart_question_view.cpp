#include "gui/autostart_question_view.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialog_icons.h"
#include "gui/dialog_widgets.h"

namespace ruvo::gui {

namespace {

constexpr int ClientWidth = 360;
constexpr int ClientHeight = 211;

}  // namespace

AutostartQuestionView::AutostartQuestionView(AutostartQuestion& model, ActionRunner run,
                                             QWidget* parent)
    : WindowView(model, std::move(run), parent) {
    useDialogFrame();
    UseDialogFont(this);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);
    setClientSize(ClientWidth, ClientHeight);
    // The close box (and Escape) close the question like its buttons do.
    onCloseBox = [&model] { model.close(); };

    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    for (const char* text : {
             "Quelmar Ruvometer ist nicht so eingestellt, daß er bei jedem Windows-Start "
             "automatisch gestartet wird.",
             "Damit alle Ihre Verbindungen überwacht werden können, sollte Quelmar Ruvomet "
             "allerdings bei jedem Windows-Start gestartet werden.",
             "Möchten Sie, daß Ruvometer automatsch gestartet wird, wenn Sie Windows starten?",
         }) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setWordWrap(true);
        texts->addWidget(label);
    }
    auto* askAgain = new QCheckBox(this);
    binder().checkBox(askAgain, model.askAtEveryStart);
    texts->addSpacing(2);
    texts->addWidget(askAgain);

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(Picture(ComputerClockPicture(32), this), 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* yes = new QPushButton(this);
    yes->setDefault(true);
    binder().button(yes, model.yes);
    auto* no = new QPushButton(this);
    binder().button(no, model.no);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 10);
    layout->addLayout(top);
    layout->addStretch();
    layout->addLayout(buttons);
}

}  // namespace ruvo::gui

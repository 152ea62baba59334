#include "gui/recovery_window_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialog_icons.h"
#include "gui/dialog_widgets.h"

namespace ruvo::gui {

namespace {

constexpr int ClientWidth = 420;
constexpr int ClientHeight = 300;

QLabel* Paragraph(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QHBoxLayout* HeadingRow(QWidget* parent) {
    auto* heading = new QLabel(QStringLiteral("Sicherung Wiederherstellen"), parent);
    QFont headingFont(QStringLiteral("Arial"));
    headingFont.setPointSize(13);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    QPalette headingColour = heading->palette();
    headingColour.setColor(QPalette::WindowText, QColor(0, 128, 192));
    heading->setPalette(headingColour);
    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(Picture(StyleIconPicture(QStyle::SP_MessageBoxWarning, 32), parent));
    top->addWidget(heading, 1);
    return top;
}

// What may have broken off the connection, in small print.
QVBoxLayout* CausesList(QWidget* parent) {
    auto* causes = new QVBoxLayout;
    causes->setContentsMargins(12, 0, 0, 0);
    causes->setSpacing(0);
    QFont small;
    small.setPointSize(7);
    for (const char* cause : {
             "- Der Computer wurde während einer Verbindung einfach ausgeschaltet",
             "- Windows ist während einer Verbindung abgestürzt",
             "- Ruvometer ist während einer Verbindung abgestürzt",
             "- Ruvometer wurde durch ein anderes Programm beendet",
             "- Ein anderer hier nicht aufgeführter Fehler trat auf",
         }) {
        auto* line = new QLabel(QString::fromUtf8(cause), parent);
        line->setFont(small);
        causes->addWidget(line);
    }
    return causes;
}

}  // namespace

RecoveryWindowView::RecoveryWindowView(RecoveryWindow& model, ActionRunner run, QWidget* parent)
    : WindowView(model, std::move(run), parent), recovery_(model) {
    useDialogFrame();
    UseDialogFont(this);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);
    setClientSize(ClientWidth, ClientHeight);
    onCloseBox = [this] { recovery_.closeBox(); };

    auto* top = HeadingRow(this);
    auto* causes = CausesList(this);

    auto* question = Paragraph(QStringLiteral("Möchten Sie, daß Ruvometer diese abgebrochene "
                                              "Verbindung jetzt wiederherstellt und speichert?"),
                               this);
    MakeBold(question);

    auto* save = new QPushButton(this);
    save->setDefault(true);
    save->setMinimumWidth(130);
    binder().button(save, model.saveButton);
    auto* discard = new QPushButton(this);
    discard->setMinimumWidth(90);
    binder().button(discard, model.discardButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(discard);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addWidget(Paragraph(QStringLiteral("Ruvometer hat erkannt, daß die letzte Verbindung "
                                               "nicht ordnungsgemäß beendet wurde."),
                                this));
    layout->addWidget(Caption(QStringLiteral("Dies kann folgende Ursachen haben :"), this));
    layout->addLayout(causes);
    layout->addWidget(Paragraph(
        QStringLiteral("Ruvometer hat die Verbindung ständig überwacht und kann sie mit Hilfe "
                       "einer Autosicherung wiederherstellen und speichern."),
        this));
    layout->addWidget(question);
    layout->addStretch();
    layout->addLayout(buttons);
}

void RecoveryWindowView::reject() {
    binder().run()([this] { recovery_.discardButton.click(); });
}

}  // namespace ruvo::gui

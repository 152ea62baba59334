#include "gui/summary_window_view.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/dialog_icons.h"
#include "gui/dialog_widgets.h"

namespace ruvo::gui {

namespace {

constexpr int ClientWidth = 280;
constexpr int ClientHeight = 210;

}  // namespace

SummaryWindowView::SummaryWindowView(SummaryWindow& model, ActionRunner run, QWidget* parent)
    : WindowView(model, std::move(run), parent) {
    useDialogFrame();
    UseDialogFont(this);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setClientSize(ClientWidth, ClientHeight);

    auto* panel = RaisedPanel(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(3);
    auto* heading = new QLabel(QStringLiteral("Die Verbindung wurde getrennt."), panel);
    MakeBold(heading);
    grid->addWidget(Picture(StyleIconPicture(QStyle::SP_MessageBoxInformation, 32), panel), 0, 0,
                    Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(heading, 0, 1, 1, 2, Qt::AlignVCenter);
    grid->setRowMinimumHeight(1, 4);

    const auto addRow = [&](int row, const QString& caption, TextField& field, bool blue) {
        auto* value = ValueText(panel);
        if (blue) {
            MakeBold(value);
            MakeBlue(value);
        }
        binder().label(value, field);
        grid->addWidget(Caption(caption, panel), row, 1);
        grid->addWidget(value, row, 2);
    };
    addRow(2, QStringLiteral("gesamte Zeit :"), model.durationText, true);
    addRow(3, QStringLiteral("Einheiten :"), model.unitsText, false);
    addRow(4, QStringLiteral("Telefongebüren :"), model.telephoneText, false);
    addRow(5, QStringLiteral("Providergebüren :"), model.providerText, false);
    grid->addWidget(BlueRule(panel), 6, 1, 1, 2);
    addRow(7, QStringLiteral("gesamte Gebüren :"), model.totalText, true);
    grid->setColumnStretch(2, 1);

    // Why the connection cost nothing on the telephone: shown below the figures only when the
    // connection was counted without a tariff; the window grows to hold its lines.
    auto* note = new QLabel(panel);
    binder().label(note, model.tariffNote);
    grid->setRowMinimumHeight(8, 0);
    grid->addWidget(note, 9, 0, 1, 3);
    binder().onRender([this, note, &model] {
        const bool shown = !model.tariffNote.text().empty();
        note->setVisible(shown);
        const QSize needed = note->sizeHint();
        setClientSize(shown ? std::max(ClientWidth, needed.width() + 40) : ClientWidth,
                      shown ? ClientHeight + needed.height() + 6 : ClientHeight);
    });

    auto* save = new QCheckBox(this);
    binder().checkBox(save, model.saveConnection);
    auto* ok = new QPushButton(this);
    ok->setDefault(true);
    binder().button(ok, model.ok);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(save);
    bottom->addStretch();
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(panel);
    layout->addStretch();
    layout->addLayout(bottom);
}

}  // namespace ruvo::gui

#include "gui/budget_closure_view.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialog_icons.h"
#include "gui/dialog_widgets.h"

namespace ruvo::gui {

namespace {

constexpr int ClientWidth = 354;
constexpr int ClientHeight = 253;
constexpr int PictureSize = 48;

QHBoxLayout* HeadingRow(QWidget* parent) {
    auto* heading = new QLabel(QStringLiteral("Budgetabschluss :"), parent);
    QFont headingFont;
    headingFont.setPointSize(14);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(Picture(CoinPicture(32), parent));
    top->addWidget(heading, 1);
    return top;
}

// The figures at the left, the picture of the outcome beside them.
QHBoxLayout* FiguresAndOutcome(BudgetClosureWindow& model, Binder& binder, QWidget* parent) {
    auto* figures = new QGridLayout;
    figures->setVerticalSpacing(2);
    figures->setHorizontalSpacing(10);
    const auto addRow = [figures, &binder, parent](int row, const QString& caption,
                                                   TextField& field) {
        auto* value = ValueText(parent);
        // A style sheet (the red mark) drops the inherited font; this one is the label's own.
        value->setFont(DialogFont());
        binder.label(value, field);
        figures->addWidget(Caption(caption, parent), row, 0);
        figures->addWidget(value, row, 1);
    };
    addRow(0, QStringLiteral("Budgethöhe :"), model.amount);
    addRow(1, QStringLiteral("Verbraucht :"), model.used);
    figures->addWidget(BlueRule(parent), 2, 0, 1, 2);
    addRow(3, QStringLiteral("Übrig :"), model.left);
    figures->setColumnMinimumWidth(1, 90);

    auto* outcome = new QGridLayout;
    for (auto [picture, pixmap] : {std::pair{&model.overdrawn, BudgetOverdrawnPicture(PictureSize)},
                                   std::pair{&model.kept, BudgetKeptPicture(PictureSize)}}) {
        auto* label = Picture(pixmap, parent);
        label->setObjectName(Q(picture->name()));
        // Both pictures share one place; the model shows one of them.
        outcome->addWidget(label, 0, 0, Qt::AlignCenter);
        binder.onRender([label, shown = picture] { label->setVisible(shown->visible()); });
    }
    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(16, 0, 0, 0);
    middle->addLayout(figures);
    middle->addSpacing(24);
    middle->addLayout(outcome);
    middle->addStretch();
    return middle;
}

}  // namespace

BudgetClosureView::BudgetClosureView(BudgetClosureWindow& model, ActionRunner run, QWidget* parent)
    : WindowView(model, std::move(run), parent) {
    useDialogFrame();
    UseDialogFont(this);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::ApplicationModal);
    setClientSize(ClientWidth, ClientHeight);

    auto* top = HeadingRow(this);

    auto* kindLine = new QLabel(this);
    MakeBold(kindLine);
    binder().label(kindLine, model.kindLine);
    auto* periodLine = new QLabel(this);
    binder().label(periodLine, model.periodLine);

    auto* middle = FiguresAndOutcome(model, binder(), this);

    auto* keep = new QCheckBox(this);
    binder().checkBox(keep, model.keepAmount);
    // The caption names the amount of the budget just closed.
    binder().onRender([keep, &model] { keep->setText(Q(model.keepAmount.caption())); });

    auto* ok = new QPushButton(this);
    ok->setDefault(true);
    binder().button(ok, model.ok);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addSpacing(4);
    layout->addWidget(kindLine);
    layout->addWidget(periodLine);
    layout->addSpacing(6);
    layout->addLayout(middle);
    layout->addStretch();
    layout->addWidget(keep);
    layout->addSpacing(4);
    layout->addLayout(buttons);
}

}  // namespace ruvo::gui

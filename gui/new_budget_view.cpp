#include "gui/new_budget_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialog_icons.h"
#include "gui/dialog_widgets.h"

namespace ruvo::gui {

namespace {

constexpr int ClientWidth = 293;
constexpr int ClientHeight = 205;

// The coin and what the amount is for.
QHBoxLayout* ExplanationRow(QWidget* parent) {
    auto* explanation =
        new QLabel(QStringLiteral("Geben Sie einen Betrag in DM an, den Sie nicht überschreiten "
                                  "wollen und legen Sie damit das Wochen/Monats-Budget fest."),
                   parent);
    explanation->setWordWrap(true);
    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(Picture(CoinPicture(32), parent), 0, Qt::AlignTop);
    top->addWidget(explanation, 1);
    return top;
}

}  // namespace

NewBudgetView::NewBudgetView(NewBudgetWindow& model, ActionRunner run, QWidget* parent)
    : WindowView(model, std::move(run), parent), budget_(model) {
    useDialogFrame();
    UseDialogFont(this);
    setWindowModality(Qt::ApplicationModal);
    setClientSize(ClientWidth, ClientHeight);

    auto* top = ExplanationRow(this);

    amount_ = new QLineEdit(this);
    amount_->setFixedWidth(60);
    amount_->setAlignment(Qt::AlignRight);
    binder().edit(amount_, model.amountField, static_cast<int>(NewBudgetWindow::kAmountMaxLength));
    auto* amountRow = new QHBoxLayout;
    amountRow->addSpacing(44);
    amountRow->addWidget(Caption(QStringLiteral("Budgethöhe :"), this));
    amountRow->addWidget(amount_);
    amountRow->addWidget(Caption(QStringLiteral("DM"), this));
    amountRow->addStretch();

    auto* ok = new QPushButton(this);
    ok->setDefault(true);
    binder().button(ok, model.ok);
    auto* cancel = new QPushButton(this);
    binder().button(cancel, model.cancel);
    // The amount must reach the model before "&Ok" acts, also when the button is pressed by
    // its shortcut while the field still has the focus.
    connect(ok, &QPushButton::pressed, this, [this] {
        const std::string typed = amount_->text().toStdString();
        if (typed != budget_.amountField.text()) {
            binder().run()([&] { budget_.amountField.enter(typed); });
        }
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 10);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addLayout(amountRow);
    layout->addStretch();
    layout->addLayout(buttons);

    // The amount field receives the focus every time the dialog opens.
    model.addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Shown) {
            amount_->setFocus(Qt::OtherFocusReason);
            amount_->selectAll();
        }
    });
}

void NewBudgetView::reject() {
    binder().run()([this] { budget_.cancel.click(); });
}

}  // namespace ruvo::gui

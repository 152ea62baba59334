#include "window_models/new_budget_window.h"

#include <string>

namespace ruvo {
namespace {

// The text cut after `count` characters (UTF-8 code points, so no character is split).
std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0U) == 0x80U;
        if (!continuation) {
            if (seen == count) {
                return text.substr(0, i);
            }
            ++seen;
        }
    }
    return text;
}

}  // namespace

NewBudgetWindow::NewBudgetWindow() : WindowModel("Form9", "Neues Budget") {
    // Like the edit field's length limit: a longer text is cut, whoever sets it.
    amountField.onChange = [this] {
        amountField.setText(FirstCharacters(amountField.text(), kAmountMaxLength));
    };
    addObserver([this](const WindowModel&, WindowEvent event) {
        if (event == WindowEvent::Shown) {
            amountField.setText("0");
            // The title says which budget the dialog sets.
            setCaption(kind == BudgetKind::Weekly ? "Neues Wochenbudget" : "Neues Monatsbudget");
        }
    });
}

}  // namespace ruvo

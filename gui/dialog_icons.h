// The pictures of the dialogs, drawn in code so that the program needs no image files: the
// program's own picture (a small computer with a clock on its screen), a coin for the budget
// windows, and the two closure pictures (budget kept, budget overdrawn). Message-style icons
// come from the platform style.
#pragma once

#include <QPixmap>
#include <QStyle>

namespace ruvo::gui {

QPixmap ComputerClockPicture(int size);
QPixmap CoinPicture(int size);
QPixmap BudgetKeptPicture(int size);
QPixmap BudgetOverdrawnPicture(int size);
// Information, question or warning icon of the current style.
QPixmap StyleIconPicture(QStyle::StandardPixmap icon, int size);

}  // namespace ruvo::gui

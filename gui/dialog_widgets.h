// Small building blocks shared by the dialog views: raised panels, the thin blue rule between
// the figures and their total, captions and value texts in the styles the windows use.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace ruvo::gui {

// The windows are laid out in fixed pixel sizes, so they ask for a font of a known size.
QFont DialogFont();
void UseDialogFont(QWidget* window);

// A frame drawn as a raised panel; its layout is left to the caller.
QFrame* RaisedPanel(QWidget* parent);
// A one-pixel blue line across the figures, above their sum.
QFrame* BlueRule(QWidget* parent);
// A fixed caption ("Verbraucht :").
QLabel* Caption(const QString& text, QWidget* parent);
// A label showing a picture at its natural size.
QLabel* Picture(const QPixmap& pixmap, QWidget* parent);
// A label for a value text, right-aligned as money and counts are shown.
QLabel* ValueText(QWidget* parent);

void MakeBold(QLabel* label);
// Blue text (the running figures); the colour comes from the palette, so that a red mark set
// by the binder's style sheet still wins.
void MakeBlue(QLabel* label);

}  // namespace ruvo::gui

// Small building blocks shared by the window views. The windows are laid out to the pixel, as
// their design gives them, so children are placed at fixed positions in their parent.
#pragma once

#include <QAbstractItemView>
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "gui/binder.h"
#include "window_models/window_model.h"

class QFrame;
class QLabel;
class QLineEdit;
class QTreeView;
class QPixmap;
class QWidget;

namespace ruvo::gui {

// Arial at a height in pixels (fontconfig gives the metric-compatible Liberation Sans).
QFont ArialFont(int pixelSize, bool bold = false);
// The text font of every window: the size the fixed layouts are measured for, whatever the
// desktop's own font is.
QFont WindowFont();

// Puts a widget at a fixed place in its parent and gives it back.
template <class Widget>
Widget* Place(Widget* widget, const QRect& geometry) {
    widget->setGeometry(geometry);
    return widget;
}

// A panel with a raised (or lowered) bevel.
QFrame* BevelPanel(QWidget* parent, const QRect& geometry, bool raised = true);
// A flat coloured panel.
QFrame* ColourPanel(QWidget* parent, const QRect& geometry, const QColor& colour);
// A horizontal rule, etched in the window's colours, or one pixel of the given colour.
QFrame* EtchedRule(QWidget* parent, int x, int y, int width);
QFrame* ColourRule(QWidget* parent, int x, int y, int width, const QColor& colour);

// A fixed text.
QLabel* StaticText(QWidget* parent, const QString& text, const QRect& geometry,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// A fixed text wrapped at word boundaries inside its box, from the top.
QLabel* WrappedText(QWidget* parent, const QString& text, const QRect& geometry);
// A picture at a place.
QLabel* Picture(QWidget* parent, const QPixmap& pixmap, QPoint topLeft);
// A list of rows in columns as a report: whole rows, no tree decoration, columns that keep their
// widths. `selection` says how many rows the user may select.
QTreeView* ReportList(QWidget* parent, QAbstractItemView::SelectionMode selection);
// A narrow edit field for two digits (an hour, a day, a month), its text centred, with its top
// left at (x, y); 21 pixels high.
QLineEdit* TwoDigitField(QWidget* parent, int x, int y);
constexpr int TwoDigitFieldWidth = 26;

void SetTextColour(QWidget* widget, const QColor& colour);

// Letters typed into the field appear in upper case.
void UpperCaseInput(QLineEdit* widget);
// The fixed-pitch font of the windows (Courier New).
QFont FixedPitchFont(int pixelSize);

// A label that shows a long text (a path) shortened in the middle to fit its width; the whole
// text is its tool tip.
void BindElidedLabel(Binder& binder, QLabel* widget, TextField& control);
// A display field: looks like an edit field, but only shows the control's text.
void BindDisplayField(Binder& binder, QLineEdit* widget, TextField& control);

}  // namespace ruvo::gui

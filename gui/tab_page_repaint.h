// A tab widget whose pages show figures that change every second (the live counter), kept from
// repainting itself whole at every change.
#pragma once

#include <QColor>
#include <optional>
#include <vector>

class QTabWidget;
class QWidget;

namespace ruvo::gui {

// The colour the style fills the inside of the tab widget's pane with; nothing when it is not
// one opaque colour (a gradient, a texture, a transparent pane).
std::optional<QColor> SolidTabPaneColor(QTabWidget* tabs);

// Lets widgets lying on a background of one colour paint that background themselves, so that a
// widget that changes is repainted alone instead of together with the tab widget and the window
// around it. They look the same.
void PaintOwnBackground(const QColor& background, const std::vector<QWidget*>& widgets);

// A QTabWidget lays itself out again, and repaints itself whole, at every layout request, and a
// label on one of its pages sends one up through the page whenever its text changes. In a window
// of fixed size what the pages hold never moves the pane or the tab bar: only the requests that
// can (the tab widget's size or its tab bar's wanted size has changed) are let through.
void KeepTabLayoutFromPageContents(QTabWidget* tabs);

}  // namespace ruvo::gui

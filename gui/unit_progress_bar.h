// The progress bar of the running unit, which moves every second of a connection.
#pragma once

#include <QColor>
#include <QImage>
#include <QProgressBar>
#include <optional>

namespace ruvo::gui {

// Looks and behaves as a QProgressBar. On a background of one colour it paints itself in narrow
// strips: the raster engine hands a drawing call that touches many pixels of a row to helper
// threads, and the style's bar holds such calls, so a bar that moves every second would wake
// those threads several times a second. Each strip is drawn by the same style call into a strip
// image of the background's colour, which the drawing cannot leave, and copied into place: the
// pixels are those of the bar drawn whole.
class UnitProgressBar final : public QProgressBar {
    Q_OBJECT

public:
    using QProgressBar::QProgressBar;

    void paintInStripsOn(const QColor& background);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QColor> background_;
    QImage strip_;
};

}  // namespace ruvo::gui

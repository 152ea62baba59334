// The program's picture: a small grey computer with a clock at its top left. The same drawing
// in its states serves as the window icon and for the notification area.
#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

namespace ruvo::gui {

enum class ProgramPicture {
    Program,   // the program's own icon: a dark blue screen
    Inactive,  // monitoring off: the computer crossed out by a large red X
    Offline,   // red screen
    Online,    // green screen
    Warning,   // computer and clock all in red: a new unit is about to begin
};

// Draws the picture into the square from (0, 0) to (size, size) of the painter's coordinates:
// on a pixmap, or on a vector device for a scalable copy of the same drawing.
void PaintProgramPicture(QPainter& painter, int size, ProgramPicture picture);
// The picture drawn at size by size device-independent pixels, at the screen's device pixel
// ratio, or at the ratio given.
QPixmap ProgramPixmap(int size, ProgramPicture picture = ProgramPicture::Program);
QPixmap ProgramPixmap(int size, ProgramPicture picture, qreal ratio);
// The picture at the usual icon sizes.
QIcon ProgramIcon(ProgramPicture picture = ProgramPicture::Program);

}  // namespace ruvo::gui

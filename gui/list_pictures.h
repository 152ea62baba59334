// The small pictures of the connection list's toolbar (print, copy, and the three ways of
// showing the table) and the picture of a connection in its rows, drawn in code.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace ruvo::gui {

QPixmap PrinterPicture(int size);
QPixmap CopyPicture(int size);
QPixmap ReportViewPicture(int size);
QPixmap ListViewPicture(int size);
QPixmap IconViewPicture(int size);
// A connection: a telephone receiver, at the small and the large size of the list.
QIcon ConnectionIcon();

}  // namespace ruvo::gui

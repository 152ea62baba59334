// What the view tests share: the QApplication (made by a test environment before the first test,
// on the offscreen platform unless the environment names another) and the keys the tests press.
#pragma once

#include <QApplication>
#include <QKeyEvent>

namespace ruvo::test {

inline void PressEscape(QWidget& widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

// Types the text key by key into the widget, as the keyboard would.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
    }
}

}  // namespace ruvo::test

#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace sockwright::testing {

// Presses and releases a mouse button on a widget, by default at its centre.
inline void click(QWidget& widget, Qt::MouseButton button = Qt::LeftButton,
                  QPoint at = QPoint(-1, -1)) {
    if (at == QPoint(-1, -1)) at = widget.rect().center();
    const QPointF global = widget.mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

// Presses and releases a key on a widget.
inline void pressKey(QWidget& widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

}  // namespace sockwright::testing

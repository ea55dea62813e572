#include "platform/ui/Focus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace platform {

void selectAllText(QLineEdit& field) {
    field.setSelection(0, static_cast<int>(field.text().size()));
}

void setFocusTo(QWidget& control) {
    control.setFocus(Qt::OtherFocusReason);
}

void sendKey(QWidget& window, int key, const QString& text) {
    QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void sendTab(QWidget& window) {
    sendKey(window, Qt::Key_Tab, QStringLiteral("\t"));
}

} // namespace platform

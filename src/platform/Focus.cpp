#include "platform/Focus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace platform {

void SelectAllText(QLineEdit& field) {
    field.setSelection(0, static_cast<int>(field.text().size()));
}

void setFocusTo(QWidget& control) {
    control.setFocus(Qt::OtherFocusReason);
}

void sendTab(QWidget& window) {
    QWidget* target = window.focusWidget();
    if (!target)
        target = &window;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QApplication::sendEvent(target, &release);
}

} // namespace platform

#include "windows/ModalWindow.h"

#include <QKeyEvent>
#include <QPushButton>

namespace windows {

ModalWindow::ModalWindow(QWidget* owner, Qt::WindowFlags flags)
    : QDialog(owner, flags) {
    setWindowModality(Qt::ApplicationModal);
}

void ModalWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    // No button is the window's default, yet Enter presses the button that
    // has the focus, as Space does. Qt's auto-default buttons would do the
    // same, but would also draw the focused button as the default one; the
    // builder turns them off and this takes their place.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* focusedButton = qobject_cast<QPushButton*>(focusWidget());
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && focusedButton &&
        focusedButton->isEnabled()) {
        focusedButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace windows

#include "windows/order/OrderWindow.h"

#include <QKeyEvent>

namespace windows::order {

OrderWindow::OrderWindow(QWidget* parent) : QDialog(parent) {}

void OrderWindow::showModal(QWidget* owner) {
    OrderWindow window(owner);
    window.exec();
}

void OrderWindow::keyPressEvent(QKeyEvent* event) {
    // Neither Enter nor Esc has a meaning of its own in this window.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace windows::order

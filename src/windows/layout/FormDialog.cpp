#include "windows/layout/FormDialog.h"

#include <QKeyEvent>

namespace windows::layout {

void FormDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace windows::layout

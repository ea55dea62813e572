#include "platform/ui/WindowIcon.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>

namespace platform {

void showNoWindowIcon(QWidget& window) {
    QPixmap empty(16, 16);
    empty.fill(Qt::transparent);
    window.setWindowIcon(QIcon(empty));
}

} // namespace platform

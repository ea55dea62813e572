#include "platform/ui/MousePointer.h"

#include <QGuiApplication>
#include <QWidget>

namespace platform {

void setMousePointer(QWidget& window, MousePointer pointer) {
    if (pointer == MousePointer::Hourglass)
        window.setCursor(Qt::WaitCursor);
    else
        window.unsetCursor();
}

BusyPointer::BusyPointer() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer() {
    release();
}

void BusyPointer::release() {
    if (m_active) {
        QGuiApplication::restoreOverrideCursor();
        m_active = false;
    }
}

} // namespace platform

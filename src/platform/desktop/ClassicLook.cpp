#include "platform/desktop/ClassicLook.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace platform {

void applyClassicLook() {
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) {
        QApplication::setStyle(classic);
        QApplication::setPalette(classic->standardPalette());
    }
}

} // namespace platform

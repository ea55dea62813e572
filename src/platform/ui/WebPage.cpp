#include "platform/ui/WebPage.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace platform {

void openWebPage(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace platform

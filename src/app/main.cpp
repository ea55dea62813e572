#include "platform/desktop/ClassicLook.h"
#include "platform/desktop/DesktopSession.h"
#include "windows/shell/SplashWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    platform::QtCommandLine commandLine(argc, argv);
    QApplication app(commandLine.count(), commandLine.arguments());
    platform::applyClassicLook();
    windows::shell::SplashWindow::start();
    return QApplication::exec();
}

#include "platform/system/CommandLine.h"
#include "platform/system/DesktopSession.h"
#include "platform/ui/ClassicLook.h"
#include "windows/shell/SplashWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = platform::handleCommandLine(argc, argv))
        return *status;
    platform::QtCommandLine commandLine(argc, argv);
    QApplication app(commandLine.count(), commandLine.arguments());
    platform::applyClassicLook();
    windows::shell::SplashWindow::start();
    return QApplication::exec();
}

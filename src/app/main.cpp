#include "platform/desktop/ClassicLook.h"
#include "platform/system/CommandLine.h"
#include "windows/shell/SplashWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = platform::handleCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    platform::applyClassicLook();
    windows::shell::SplashWindow::start();
    return QApplication::exec();
}

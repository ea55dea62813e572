#include "platform/desktop/ClassicLook.h"
#include "windows/shell/SplashWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::applyClassicLook();
    windows::shell::SplashWindow::start();
    return QApplication::exec();
}

#include "platform/desktop/ClassicLook.h"
#include "windows/shell/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::applyClassicLook();
    windows::shell::Startup::start();
    return QApplication::exec();
}

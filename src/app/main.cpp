#include "platform/ClassicLook.h"
#include "windows/order/OrderWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::applyClassicLook();
    windows::order::OrderWindow::showModal(nullptr);
    return 0;
}

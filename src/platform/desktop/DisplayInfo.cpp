#include "platform/desktop/DisplayInfo.h"

#include "platform/ServiceSlot.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace platform {
namespace {

class ScreenDisplayInfo final : public DisplayInfo {
public:
    QRect screenArea() const override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    }
    int bitsPerPixel() const override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->depth() : 24;
    }
    // Qt describes every display as one plane of `depth` bits.
    int planes() const override { return 1; }
};

using DisplayInfoSlot = ServiceSlot<const DisplayInfo, ScreenDisplayInfo>;

} // namespace

const DisplayInfo& DisplayInfo::current() {
    return DisplayInfoSlot::current();
}

void DisplayInfo::install(const DisplayInfo* display) {
    DisplayInfoSlot::install(display);
}

double DisplayInfo::colourCount() const {
    return std::pow(2.0, bitsPerPixel()) * planes();
}

} // namespace platform

#include "platform/DisplayInfo.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {

class ScreenDisplayInfo final : public DisplayInfo {
public:
    QSize screenSize() const override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry().size() : QSize(1024, 768);
    }
    int bitsPerPixel() const override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->depth() : 24;
    }
    // Qt describes every display as one plane of `depth` bits.
    int planes() const override { return 1; }
};

const DisplayInfo* installedDisplay = nullptr;

} // namespace

const DisplayInfo& DisplayInfo::current() {
    static const ScreenDisplayInfo screen;
    return installedDisplay ? *installedDisplay : screen;
}

void DisplayInfo::install(const DisplayInfo* display) {
    installedDisplay = display;
}

} // namespace platform

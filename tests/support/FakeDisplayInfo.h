#pragma once

#include "platform/desktop/DisplayInfo.h"
#include "support/Installed.h"

#include <functional>

// Stands in for the screen while it lives: any size, any colour depth, and a
// primary monitor anywhere in the desktop.
class FakeDisplayInfo final : public Installed<platform::DisplayInfo> {
public:
    explicit FakeDisplayInfo(QSize size = {1024, 768}, int bitsPerPixel = 24, int planes = 1)
        : area({0, 0}, size)
        , bits(bitsPerPixel)
        , colourPlanes(planes) {}

    QRect screenArea() const override {
        if (whileAsked)
            whileAsked();
        return area;
    }
    int bitsPerPixel() const override { return bits; }
    int planes() const override { return colourPlanes; }

    QRect area;
    int bits;
    int colourPlanes;
    // Runs whenever a window asks for the screen, e.g. while it centres
    // itself during its load: a way to make that load slow.
    std::function<void()> whileAsked;
};

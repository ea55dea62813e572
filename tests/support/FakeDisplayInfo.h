#pragma once

#include "platform/desktop/DisplayInfo.h"
#include "support/Installed.h"

#include <functional>

// Stands in for the screen while it lives: any size, any colour depth.
class FakeDisplayInfo final : public Installed<platform::DisplayInfo> {
public:
    explicit FakeDisplayInfo(QSize size = {1024, 768}, int bitsPerPixel = 24, int planes = 1)
        : size(size)
        , bits(bitsPerPixel)
        , colourPlanes(planes) {}

    QSize screenSize() const override {
        if (whileAsked)
            whileAsked();
        return size;
    }
    int bitsPerPixel() const override { return bits; }
    int planes() const override { return colourPlanes; }

    QSize size;
    int bits;
    int colourPlanes;
    // Runs whenever a window asks for the screen size, e.g. while it centres
    // itself during its load: a way to make that load slow.
    std::function<void()> whileAsked;
};

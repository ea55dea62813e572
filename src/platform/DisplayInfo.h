#pragma once

#include <QSize>

namespace platform {

// What the program asks of the display: its size and how many colours it shows.
class DisplayInfo {
public:
    virtual ~DisplayInfo() = default;
    virtual QSize screenSize() const = 0; // device-independent pixels
    virtual int bitsPerPixel() const = 0;
    virtual int planes() const = 0;

    static const DisplayInfo& current();
    // nullptr goes back to the real screen.
    static void install(const DisplayInfo* display);
};

} // namespace platform

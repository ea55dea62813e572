#pragma once

#include <QRect>
#include <QSize>

namespace platform {

// What the program asks of the display: its size and how many colours it shows.
class DisplayInfo {
public:
    virtual ~DisplayInfo() = default;
    // The primary monitor's place and size in the desktop, in device-independent
    // pixels: the screen that windows are centred on. It need not start at (0, 0):
    // other monitors may lie left of or above it.
    virtual QRect screenArea() const = 0;
    virtual int bitsPerPixel() const = 0;
    virtual int planes() const = 0;

    QSize screenSize() const { return screenArea().size(); }

    // How many colours the display shows: 2 to the bits per pixel, times the
    // planes.
    double colourCount() const;

    static const DisplayInfo& current();
    // nullptr goes back to the real screen.
    static void install(const DisplayInfo* display);
};

} // namespace platform

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

    // How many colours the display shows: 2 to the bits per pixel, times the
    // planes.
    double colourCount() const;

    static const DisplayInfo& current();
    // nullptr goes back to the real screen.
    static void install(const DisplayInfo* display);
};

} // namespace platform

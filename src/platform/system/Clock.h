#pragma once

#include "documents/CalendarDate.h"

namespace platform {

// Today's local date, for the date line of the order documents.
class Clock {
public:
    virtual ~Clock() = default;
    virtual documents::CalendarDate today() const = 0;

    static const Clock& current();
    // nullptr goes back to the system clock.
    static void install(const Clock* clock);
};

} // namespace platform

#include "platform/system/Clock.h"

#include "platform/ServiceSlot.h"

#include <QDate>

namespace platform {
namespace {

class SystemClock final : public Clock {
public:
    documents::CalendarDate today() const override {
        const QDate date = QDate::currentDate();
        return {date.year(), date.month(), date.day()};
    }
};

using ClockSlot = ServiceSlot<const Clock, SystemClock>;

} // namespace

const Clock& Clock::current() {
    return ClockSlot::current();
}

void Clock::install(const Clock* clock) {
    ClockSlot::install(clock);
}

} // namespace platform

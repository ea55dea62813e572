#include "platform/Clock.h"

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

const Clock* installedClock = nullptr;

} // namespace

const Clock& Clock::current() {
    static const SystemClock systemClock;
    return installedClock ? *installedClock : systemClock;
}

void Clock::install(const Clock* clock) {
    installedClock = clock;
}

} // namespace platform

#pragma once

#include "platform/system/Clock.h"
#include "support/Installed.h"

// A clock that always says the same day, installed while it lives.
class FixedClock final : public Installed<platform::Clock> {
public:
    explicit FixedClock(documents::CalendarDate date)
        : m_date(date) {}

    documents::CalendarDate today() const override { return m_date; }

private:
    documents::CalendarDate m_date;
};

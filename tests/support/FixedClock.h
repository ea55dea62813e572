#pragma once

#include "platform/Clock.h"

// A clock that always says the same day, installed while it lives.
class FixedClock final : public platform::Clock {
public:
    explicit FixedClock(documents::CalendarDate date)
        : m_date(date) {
        install(this);
    }
    ~FixedClock() override { install(nullptr); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    documents::CalendarDate today() const override { return m_date; }

private:
    documents::CalendarDate m_date;
};

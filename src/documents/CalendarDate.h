#pragma once

namespace documents {

struct CalendarDate {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
};

} // namespace documents

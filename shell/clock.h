#pragma once
// Today's date and time for report headings. Every model asks its own Clock,
// so a test can fix the moment a report is printed.

#include <functional>
#include <string>

namespace corvell {

struct LocalTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

using Clock = std::function<LocalTime()>;

// The computer's local date and time.
LocalTime systemNow();

// A clock that always answers the same moment.
Clock fixedClock(LocalTime moment);

// Date$: mm-dd-yyyy. Time$: hh:mm:ss on the 24-hour clock.
std::string dateText(const LocalTime& now);
std::string timeText(const LocalTime& now);

}  // namespace corvell

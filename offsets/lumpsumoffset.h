#pragma once
// How long a lump sum stands in for weekly compensation: the amount buys
// whole days at the daily rate (the weekly rate over 7), shown as weeks and
// days, from the beginning date, which is the first day of the offset; what
// is left over pays part of one more day.

#include "shell/dates.h"
#include "shell/daycount.h"

namespace corvell {

// How the window shows the remainder.
inline constexpr const char* kRemainderPattern = "$##0.00";

struct LumpSumOffset {
    // Whether the last day of the offset is a date the calendar holds.
    enum class End {
        OnCalendar,       // endDate holds it
        AfterLastDate,    // it would fall after 12/31/9999: nothing else is computed
        BeforeFirstDate,  // it would fall before 01/01/100: nothing else is computed
    };

    End end = End::OnCalendar;
    double rawDays = 0;    // amount / weekly rate x 7, before taking whole days
    double totalDays = 0;  // the whole days of rawDays
    double weeks = 0;
    double days = 0;       // beyond the whole weeks, 0 to 6
    Date endDate;          // the day before `begin` when the amount buys no whole day
    double dailyRate = 0;  // the weekly rate over 7
    double remainder = 0;
};

// `weeklyRate` must not be 0; the amount and the rate are used as they are,
// negative ones included.
LumpSumOffset lumpSumOffset(Date begin, double amount, double weeklyRate);

// Whole days that `amount` buys at `weeklyRate` (a nearly whole day counts
// whole: 42075 at 595 a week is 495 days, not 494 and a day's pay left over).
double wholeDaysBought(double amount, double weeklyRate);

}  // namespace corvell

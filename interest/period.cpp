#include "interest/period.h"

#include "shell/format.h"
#include "shell/values.h"

namespace corvell {

PeriodFigures calculatePeriod(Date begin, Date end, std::optional<double> rate) {
    PeriodFigures p;
    p.DayCount = DateDiff(begin, end) + 1;
    const auto n = static_cast<double>(p.DayCount);
    p.TotalDays = Format(n, "##,###");
    const double w = n / 7;
    p.exactWeeks = w;
    // Adding a half before rounding down keeps 8 days at 1 week and 1 day:
    // (8/7 - 1) x 7 is 0.9999999999999996 in double precision.
    p.partWeekHalfUp = (w - Int(w)) * 7 + 0.5;
    p.PartWeekDays = Int(p.partWeekHalfUp);
    p.Weeks = Int(w);
    if (rate) {
        p.CompRate = *rate;
        p.TotalComp = p.CompRate * n / 7;
    }
    return p;
}

}  // namespace corvell

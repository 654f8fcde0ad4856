#include "offsets/lumpsumoffset.h"

#include <cmath>
#include <cstdint>

#include "shell/values.h"

namespace corvell {

double wholeDaysBought(double amount, double weeklyRate) {
    return wholeDays(amount / weeklyRate * kDaysPerWeek);
}

LumpSumOffset lumpSumOffset(Date begin, double amount, double weeklyRate) {
    LumpSumOffset offset;
    offset.rawDays = amount / weeklyRate * kDaysPerWeek;
    offset.totalDays = wholeDays(offset.rawDays);
    // The beginning date is the first day of the offset.
    const double lastDay = static_cast<double>(begin.day) + offset.totalDays - 1;
    if (std::isnan(lastDay) || lastDay > kLastDate.day) {
        offset.end = LumpSumOffset::End::AfterLastDate;
        return offset;
    }
    if (lastDay < kFirstDate.day) {
        offset.end = LumpSumOffset::End::BeforeFirstDate;
        return offset;
    }
    offset.weeks = Int(offset.totalDays / kDaysPerWeek);
    offset.days = Int(offset.totalDays - offset.weeks * kDaysPerWeek);
    offset.endDate = *DateAdd(static_cast<std::int64_t>(offset.totalDays) - 1, begin);
    offset.dailyRate = weeklyRate / kDaysPerWeek;
    offset.remainder = amount - offset.totalDays * offset.dailyRate;
    return offset;
}

}  // namespace corvell

#include "shell/daycount.h"

#include <algorithm>
#include <cmath>

#include "shell/values.h"

namespace corvell {

double unroundedDays(double weeks) {
    return weeks * kDaysPerWeek;
}

std::optional<std::int16_t> daysInWeeks(double weeks) {
    return CInt(unroundedDays(weeks));
}

double wholeDays(double days) {
    const double nearest = std::round(days);
    if (nearest > days && nearest - days <= kNearlyWholeDay * std::max(1.0, std::fabs(days))) {
        return nearest;
    }
    return Int(days);
}

}  // namespace corvell

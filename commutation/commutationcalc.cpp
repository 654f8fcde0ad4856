#include "commutation/commutationcalc.h"

#include <cmath>

#include "shell/daycount.h"

namespace corvell {

std::optional<std::int16_t> commutationDays(double weeks) {
    if (!(weeks > 0)) {
        return std::nullopt;  // 0, negative, or no number at all
    }
    const std::optional<std::int16_t> days = daysInWeeks(weeks);
    if (!days || *days < 0) {
        return std::nullopt;
    }
    return days;
}

std::optional<Date> commutationEndDate(Date begin, std::int16_t days) {
    return DateAdd(days, begin);
}

std::optional<double> commutationRate(double amount, double weeks) {
    const double rate = amount / weeks;
    if (!std::isfinite(rate)) {
        return std::nullopt;
    }
    return rate;
}

}  // namespace corvell

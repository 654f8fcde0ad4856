#include "subrogation/subrogationcalc.h"

#include <algorithm>
#include <cmath>

#include "shell/values.h"

namespace corvell {
namespace {

// A quotient of typed amounts that should be a whole number of days can
// come out a hair below it (7700 / 350 as 21.999...); within this relative
// distance it counts as the whole number.
constexpr double kWholeTolerance = 1e-12;

double wholeDaysIn(double days) {
    const double nearest = std::round(days);
    if (std::fabs(days - nearest) <= kWholeTolerance * std::max(1.0, std::fabs(days))) {
        return nearest;
    }
    return Int(days);
}

}  // namespace

WeeksAndDays WeeksAndDaysAt(double amount, double weeklyRate) {
    const double days = wholeDaysIn(7 * amount / weeklyRate);
    double weeks = Int(days / 7);
    if (weeks == 0) {
        weeks = 0;  // no "-0" weeks when nothing is left over
    }
    // Beyond 15 digits of days the rest of a week is noise; keep it a day of the week.
    const double rest = std::clamp(days - 7 * weeks, 0.0, 6.0);
    return WeeksAndDays{weeks, static_cast<int>(rest)};
}

std::optional<SubrogationDistribution> Distribute(const SubrogationAmounts& a) {
    const double costRatio = a.costs / a.total;
    SubrogationDistribution d;
    if (a.lien != 0) {
        d.lienRecovery = a.lien - a.lien * costRatio;
        d.excessRecovery = a.total - a.lien;
    } else if (a.agreedRecovery > 0) {
        d.excessRecovery = a.total - a.agreedRecovery;
    } else {
        d.excessRecovery = a.total;
    }
    d.newWeeklyRate = a.rate * costRatio;
    const double periodDays = 7 * d.excessRecovery / a.rate;
    if (!std::isfinite(periodDays) || !std::isfinite(d.newWeeklyRate) ||
        !std::isfinite(d.lienRecovery.value_or(0))) {
        return std::nullopt;
    }
    d.period = WeeksAndDaysAt(d.excessRecovery, a.rate);
    return d;
}

}  // namespace corvell

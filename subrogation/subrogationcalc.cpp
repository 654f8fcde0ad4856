#include "subrogation/subrogationcalc.h"

#include <algorithm>
#include <cmath>

#include "shell/daycount.h"
#include "shell/values.h"

namespace corvell {
WeeksAndDays weeksAndDaysAt(double amount, double weeklyRate) {
    const double rawDays = kDaysPerWeek * amount / weeklyRate;
    const double days = wholeDays(rawDays);
    double weeks = Int(days / kDaysPerWeek);
    if (weeks == 0) {
        weeks = 0;  // no "-0" weeks when nothing is left over
    }
    // Beyond 15 digits of days the rest of a week is noise; keep it a day of the week.
    const double rest = std::clamp(days - kDaysPerWeek * weeks, 0.0, 6.0);
    return WeeksAndDays{rawDays, days, weeks, static_cast<int>(rest)};
}

std::optional<SubrogationDistribution> distribute(const SubrogationAmounts& a) {
    const double costRatio = a.costs / a.total;
    SubrogationDistribution d;
    d.costRatio = costRatio;
    if (a.lien != 0) {
        d.lienRecovery = a.lien - a.lien * costRatio;
        d.excessFrom = SubrogationDistribution::Excess::LessLien;
        d.excessRecovery = a.total - a.lien;
    } else if (a.agreedRecovery > 0) {
        d.excessFrom = SubrogationDistribution::Excess::LessAgreed;
        d.excessRecovery = a.total - a.agreedRecovery;
    } else {
        d.excessFrom = SubrogationDistribution::Excess::Whole;
        d.excessRecovery = a.total;
    }
    d.newWeeklyRate = a.rate * costRatio;
    const double periodDays = kDaysPerWeek * d.excessRecovery / a.rate;
    if (!std::isfinite(periodDays) || !std::isfinite(d.newWeeklyRate) ||
        !std::isfinite(d.lienRecovery.value_or(0))) {
        return std::nullopt;
    }
    d.period = weeksAndDaysAt(d.excessRecovery, a.rate);
    return d;
}

}  // namespace corvell

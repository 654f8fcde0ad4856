#include "offsets/weeklyrateoffset.h"

#include <cmath>

#include "shell/values.h"

namespace corvell {

double weeklyEquivalent(double monthly) {
    return monthly / kWeeksPerMonth;
}

double socialSecurityNewRate(double monthlyNet, double weeklyRate) {
    return weeklyRate - weeklyEquivalent(monthlyNet) / 2 + 0.005;
}

double employerFundedMonthly(double monthlyPension, double employerPercent) {
    const double amount = monthlyPension * employerPercent * 0.01;
    if (!std::isfinite(amount)) {
        return amount;  // written out it would read back as 0
    }
    return Val(CStr(amount));
}

double pensionNewRate(double weeklyRate, double employerMonthly) {
    return weeklyRate - weeklyEquivalent(employerMonthly);
}

}  // namespace corvell

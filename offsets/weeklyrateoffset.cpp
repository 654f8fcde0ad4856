#include "offsets/weeklyrateoffset.h"

#include <cmath>

#include "shell/values.h"

namespace corvell {

double weeklyEquivalent(double monthly) {
    return monthly / kWeeksPerMonth;
}

SocialSecurityOffset socialSecurityOffset(double monthlyNet, double weeklyRate) {
    SocialSecurityOffset o;
    o.weeklySocialSecurity = weeklyEquivalent(monthlyNet);
    o.offset = o.weeklySocialSecurity / 2;
    o.beforeHalfCent = weeklyRate - o.offset;
    o.newRate = o.beforeHalfCent + 0.005;
    return o;
}

double socialSecurityNewRate(double monthlyNet, double weeklyRate) {
    return socialSecurityOffset(monthlyNet, weeklyRate).newRate;
}

namespace {

double employerShare(double monthlyPension, double employerPercent) {
    return monthlyPension * employerPercent * 0.01;
}

double toFifteenDigits(double amount) {
    if (!std::isfinite(amount)) {
        return amount;  // written out it would read back as 0
    }
    return Val(CStr(amount));
}

}  // namespace

double employerFundedMonthly(double monthlyPension, double employerPercent) {
    return toFifteenDigits(employerShare(monthlyPension, employerPercent));
}

double pensionNewRate(double weeklyRate, double employerMonthly) {
    return weeklyRate - weeklyEquivalent(employerMonthly);
}

PensionOffset pensionOffset(double monthlyPension, double employerPercent, double weeklyRate) {
    PensionOffset o;
    o.employerShare = employerShare(monthlyPension, employerPercent);
    o.employerMonthly = toFifteenDigits(o.employerShare);
    o.weeklyEquivalent = weeklyEquivalent(o.employerMonthly);
    o.newRate = weeklyRate - o.weeklyEquivalent;
    return o;
}

}  // namespace corvell

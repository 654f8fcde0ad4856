#pragma once
// Social security and employer-funded pensions are paid by the month; the
// weekly compensation rate is reduced by a weekly equivalent of them, a month
// counting 4.34 weeks. Results are carried unrounded; a result that does not
// fit a double comes back as infinity for the window to refuse.

namespace corvell {

inline constexpr double kWeeksPerMonth = 4.34;

double weeklyEquivalent(double monthly);

// Half the weekly equivalent of the net monthly social security is offset.
// Half a cent is added before the new rate is shown to two decimals, so
// 1000 a month against a rate of 500 shows 384.80 rather than 384.79.
double socialSecurityNewRate(double monthlyNet, double weeklyRate);

// The part of the monthly pension the employer funded, `employerPercent` 60
// meaning 60 %. It is kept to 15 significant digits, as if written out and
// read back.
double employerFundedMonthly(double monthlyPension, double employerPercent);

// The whole weekly equivalent of the employer-funded part is offset.
double pensionNewRate(double weeklyRate, double employerMonthly);

}  // namespace corvell

#pragma once
// Social security and employer-funded pensions are paid by the month; the
// weekly compensation rate is reduced by a weekly equivalent of them, a month
// counting 4.34 weeks. Results are carried unrounded; a result that does not
// fit a double comes back as infinity for the window to refuse.

namespace corvell {

inline constexpr double kWeeksPerMonth = 4.34;

// How the two windows show their new weekly rate.
inline constexpr const char* kSocialSecurityRatePattern = "##,##0.00";
inline constexpr const char* kPensionRatePattern = "$##,##0.00";

double weeklyEquivalent(double monthly);

// Half the weekly equivalent of the net monthly social security is offset.
// Half a cent is added before the new rate is shown to two decimals, so
// 1000 a month against a rate of 500 shows 384.80 rather than 384.79.
struct SocialSecurityOffset {
    double weeklySocialSecurity = 0;  // the monthly amount over 4.34
    double offset = 0;                // half of it
    double beforeHalfCent = 0;        // the weekly rate less the offset
    double newRate = 0;               // that plus half a cent
    bool operator==(const SocialSecurityOffset&) const = default;
};
SocialSecurityOffset socialSecurityOffset(double monthlyNet, double weeklyRate);
double socialSecurityNewRate(double monthlyNet, double weeklyRate);

// The part of the monthly pension the employer funded, `employerPercent` 60
// meaning 60 %. It is kept to 15 significant digits, as if written out and
// read back.
double employerFundedMonthly(double monthlyPension, double employerPercent);

// The whole weekly equivalent of the employer-funded part is offset.
double pensionNewRate(double weeklyRate, double employerMonthly);

struct PensionOffset {
    double employerShare = 0;     // pension x percent x 0.01, unrounded
    double employerMonthly = 0;   // that to 15 significant digits
    double weeklyEquivalent = 0;  // that over 4.34
    double newRate = 0;           // the weekly rate less that
    bool operator==(const PensionOffset&) const = default;
};
PensionOffset pensionOffset(double monthlyPension, double employerPercent, double weeklyRate);

}  // namespace corvell

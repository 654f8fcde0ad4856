#pragma once
// How a third-party (tort) recovery is split. The lien holder bears its
// share of the costs of recovery in the ratio costs / total: its net
// recovery is the lien less that share, and the weekly rate it still owes is
// the rate times that ratio. The claimant's excess recovery stands in for
// full weekly compensation for as many weeks and days as it lasts.

#include <optional>

namespace corvell {

struct SubrogationAmounts {
    double total = 0;           // total tort recovery; must not be 0
    double costs = 0;           // attorney fees and costs of the recovery
    double rate = 0;            // weekly compensation rate; must not be 0
    double lien = 0;            // compensation and medical paid; 0: none given
    double agreedRecovery = 0;  // agreed net lien recovery, used when no lien is given
};

// How the window shows its results.
inline constexpr const char* kLienRecoveryPattern = "##,###,##0.00";
inline constexpr const char* kSubrogationRatePattern = "$#,##0.00";

struct WeeksAndDays {
    double rawDays = 0;    // 7 x amount / rate
    double wholeDays = 0;  // the whole days of rawDays
    double weeks = 0;      // whole weeks, rounded down
    int days = 0;          // whole days of the week begun, 0..6
};

struct SubrogationDistribution {
    // Where the excess recovery comes from.
    enum class Excess {
        LessLien,    // the total less the lien
        LessAgreed,  // no lien: the total less the agreed net recovery
        Whole,       // neither: the whole total
    };
    double costRatio = 0;  // costs / total
    // The lien holder's net recovery, worked out only when a lien is given.
    std::optional<double> lienRecovery;
    Excess excessFrom = Excess::Whole;
    double excessRecovery = 0;
    double newWeeklyRate = 0;
    WeeksAndDays period;
};

// Whole weeks and days that `amount` pays at `weeklyRate` a week. Worked out
// from the days (7 × amount / rate) so that a period of exact days, 1100 at
// 350 a week is 3 weeks and 1 day, is not cut a day short by the rounding
// of a fraction of a week.
WeeksAndDays weeksAndDaysAt(double amount, double weeklyRate);

// The distribution; std::nullopt when a figure is no finite number (amounts
// so large or so small that the quotients overflow).
std::optional<SubrogationDistribution> distribute(const SubrogationAmounts& amounts);

}  // namespace corvell

#pragma once
// The arithmetic of the present value window: the length of a period in
// weeks, the days a weeks entry stands for, the weeks of a life expectancy,
// the annual discount rate as typed, and the discounted sum of weekly
// payments. Plain numbers in, plain numbers out; the window's model reads
// and writes the fields.

#include <cstdint>
#include <optional>

#include "shell/dates.h"

namespace corvell {

// A life expectancy converts to weeks at 52.25 weeks a year...
inline constexpr double kWeeksPerYear = 52.25;
// ...while the annual discount rate is spread over 52 weekly periods.
inline constexpr double kDiscountPeriodsPerYear = 52;

// Rates above this are percentages: 5 means 5 percent, 0.99 means 99
// percent, 1 means one percent.
inline constexpr double kLargestFractionRate = 0.99;

// The interest rate the window assumes when none is typed.
inline constexpr const char* kDefaultInterestRate = ".05";

// Weeks from one date to another, unrounded, without a day added for the
// last date; negative when the end comes first.
double weeksBetween(Date from, Date to);

double weeksOfLife(double lifeYears);

// The annual discount rate as a fraction: a typed rate above 0.99 is a
// percentage and is divided by 100.
double discountRateOf(double typed);

// Whether a discount rate (a fraction) can be used: above -1 and at most
// 0.99. A fraction above 0.99 comes only from a percentage above 99, and
// written back into the field (" .995", " 1") it would read as a percentage
// again on the next Calculate, giving another figure; a rate of -1 or less
// makes the present value many times the total paid.
bool discountRateInRange(double discountRate);

// The sum of compRate / (1 + discountRate / 52)^i over i = 1, 2, ... while
// i <= weeks: each whole week's payment discounted from one week out; a part
// week at the end counts for nothing, and fewer than one week gives 0.
// std::nullopt when the discount makes the sum not a finite number (a weekly
// factor of zero, or one so small that the terms overflow).
std::optional<double> discountedSum(double compRate, double weeks, double discountRate);

// The same sum with what it was made of.
struct DiscountedSum {
    double factor = 1;  // 1 + discountRate / 52: each week's payment is divided by it once more
    double terms = 0;   // the whole weeks summed
    double sum = 0;
};
std::optional<DiscountedSum> discountWeeks(double compRate, double weeks, double discountRate);

// How the window shows its amounts.
inline constexpr const char* kPresentValueAmountPattern = "#,###,##0.00";

}  // namespace corvell

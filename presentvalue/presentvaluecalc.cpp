#include "presentvalue/presentvaluecalc.h"

#include <cmath>

#include "shell/values.h"

namespace corvell {

double weeksBetween(Date from, Date to) {
    return static_cast<double>(DateDiff(from, to)) / 7;
}

double weeksOfLife(double lifeYears) {
    return lifeYears * kWeeksPerYear;
}

double discountRateOf(double typed) {
    return typed > kLargestFractionRate ? typed / 100 : typed;
}

bool discountRateInRange(double discountRate) {
    return discountRate > -1 && discountRate <= kLargestFractionRate;
}

std::optional<DiscountedSum> discountWeeks(double compRate, double weeks, double discountRate) {
    DiscountedSum d;
    d.factor = 1 + discountRate / kDiscountPeriodsPerYear;
    // The bound is read once; weeks never exceed what two dates 01/01/100
    // and 12/31/9999 span, so the loop stays short.
    for (double i = 1; i <= weeks; ++i) {
        d.sum += compRate / std::pow(d.factor, i);
        d.terms = i;
        if (!std::isfinite(d.sum)) {
            return std::nullopt;
        }
    }
    return d;
}

std::optional<double> discountedSum(double compRate, double weeks, double discountRate) {
    const std::optional<DiscountedSum> d = discountWeeks(compRate, weeks, discountRate);
    return d ? std::optional<double>(d->sum) : std::nullopt;
}

}  // namespace corvell

#include "fuzz/interestfigures.h"

#include <cmath>

#include "fuzz/figures.h"
#include "fuzz/fuzzcheck.h"
#include "shell/values.h"

namespace corvell::fuzz {
namespace {

// Ten percent a year: by the day on a 360-day year, by the week on 52 weeks.
constexpr double kDailyRate = 0.1 / 360;
constexpr double kWeeklyRate = 0.1 / 52;

// What the earlier entries left unpaid and since when.
struct Balance {
    double amount = 0;
    double scale = 0;  // the sum of the sizes of its terms
    Date since;
};

Balance balanceOf(std::span<const ExpectedEntry> earlier) {
    Balance b;
    for (const ExpectedEntry& e : earlier) {
        b.amount = e.comp + b.amount + e.simple + e.accrued - e.payment;
        b.scale +=
            std::fabs(e.comp) + std::fabs(e.simple) + std::fabs(e.accrued) + std::fabs(e.payment);
    }
    if (!earlier.empty()) {
        b.since = earlier.back().paid.value_or(earlier.back().end);
    }
    return b;
}

// Simple interest on the earlier balance and on this period, as the days
// the balance ran (0 or `balanceDays`) make it.
struct Simple {
    double amount = 0;
    double priorDays = 0;
};

}  // namespace

ExpectedEntry ExpectedCalculation::entry() const {
    ExpectedEntry e;
    e.end = end;
    // Day 0 (12/30/1899) stands for no date: the entry keeps none.
    if (figured && paid != kNoDate) {
        e.paid = paid;
    }
    e.payment = payment;
    e.comp = comp;
    e.accrued = accrued;
    e.simple = simple;
    e.total = total;
    return e;
}

ExpectedCalculation expectCalculation(const CalculationInput& in,
                                      std::span<const ExpectedEntry> earlier) {
    ExpectedCalculation c;
    const auto begin = CDate(in.beginningDate);
    FUZZ_CHECK(begin.has_value(), "Calculate passed the beginning date \"%s\"",
               in.beginningDate.c_str());
    c.begin = *begin;
    if (in.endingDate.empty()) {
        // The period holds weeks x 7 days, halves to even, both ends included.
        const auto days = CInt(readNumber(in.weeks) * 7);
        FUZZ_CHECK(days && *days >= 1, "Calculate passed %s weeks", in.weeks.c_str());
        const auto end = DateAdd(*days - 1, c.begin);
        FUZZ_CHECK(end.has_value(), "Calculate passed %s weeks from %s", in.weeks.c_str(),
                   in.beginningDate.c_str());
        c.end = *end;
        c.endFromWeeks = true;
    } else {
        const auto end = CDate(in.endingDate);
        FUZZ_CHECK(end.has_value(), "Calculate passed the ending date \"%s\"",
                   in.endingDate.c_str());
        c.end = *end;
    }
    c.days = DateDiff(c.begin, c.end) + 1;
    FUZZ_CHECK(c.days >= 1, "Calculate passed %s to %s", in.beginningDate.c_str(),
               in.endingDate.c_str());
    c.weeks = c.days / 7;
    c.partWeekDays = c.days % 7;

    if (!in.rate.empty()) {
        const auto rate = CDbl(in.rate);
        FUZZ_CHECK(rate.has_value(), "Calculate passed the rate \"%s\"", in.rate.c_str());
        c.hasRate = true;
        c.rate = *rate;
        c.comp = c.rate * static_cast<double>(c.days) / 7;
    }
    c.payment = readNumber(in.paymentAmount);

    const auto paid = CDate(in.paymentDate);
    const double comp = c.comp;
    c.total = comp;
    c.totalScale = std::fabs(comp);
    if (paid && *paid < c.end) {
        c.paidBeforeEnd = true;
    } else if (paid) {
        c.figured = true;
        c.paid = *paid;
        const auto weeks = static_cast<double>(c.weeks);
        c.accrued = weeks * (weeks + 1) * kWeeklyRate / 2 * c.rate;
        const auto simpleDays = static_cast<double>(DateDiff(c.end, c.paid));

        const Balance balance = balanceOf(earlier);
        const bool balanceRuns = !earlier.empty() && balance.since <= c.paid;
        const auto balanceDays =
            balanceRuns ? static_cast<double>(DateDiff(balance.since, c.paid)) : 0.0;
        const double balanceSlack = kFigureSlack * balance.scale;
        const auto simpleWith = [&](bool balanceCounts) {
            Simple s;
            if (balanceCounts) {
                s.priorDays = balanceDays;
                s.amount = balance.amount * kDailyRate * balanceDays;
            }
            s.amount = s.amount + (c.accrued + comp) * kDailyRate * simpleDays;
            return s;
        };
        // A balance too close to zero to tell bears interest or not: both.
        std::vector<Simple> choices;
        if (balanceRuns && balance.amount > balanceSlack) {
            choices = {simpleWith(true)};
        } else if (balanceRuns && balance.amount > -balanceSlack) {
            choices = {simpleWith(true), simpleWith(false)};
        } else {
            choices = {simpleWith(false)};
        }
        c.simple = choices.front().amount;
        c.simpleScale = balance.scale * kDailyRate * balanceDays +
                        (std::fabs(c.accrued) + std::fabs(comp)) * kDailyRate * simpleDays;
        const double simpleSlack = kFigureSlack * c.simpleScale;
        c.simpleShown = c.simple > simpleSlack;
        c.simpleShownUncertain = std::fabs(c.simple) <= simpleSlack;
        for (const Simple& s : choices) {
            c.simpleDaysTexts.push_back(CStr(simpleDays + s.priorDays));
        }
        if (!(c.simple > 0)) {
            c.simple = 0;
        }
        c.total = c.simple + (c.accrued + comp);
        c.totalScale = c.simpleScale + std::fabs(c.accrued) + std::fabs(comp);
    }
    c.net = c.total - c.payment;
    c.netScale = c.totalScale + std::fabs(c.payment);
    return c;
}

}  // namespace corvell::fuzz

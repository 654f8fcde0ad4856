#include "fuzz/interestfigures.h"

#include <algorithm>
#include <cmath>

#include "fuzz/figures.h"
#include "fuzz/finiteness.h"
#include "fuzz/reading.h"
#include "shell/values.h"

namespace corvell::fuzz {
namespace {

using namespace calculationform;

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
    e.begin = begin;
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

CalculationAnswer expectCalculation(const CalculationInput& in,
                                    std::span<const ExpectedEntry> earlier) {
    const auto refuse = [](std::string message, ControlName field) {
        return CalculationAnswer{Expected::refuse(std::move(message), field), std::nullopt};
    };
    const auto refusal = [](const ExpectedRefusal& r) {
        return CalculationAnswer{Expected::of(r), std::nullopt};
    };
    ExpectedCalculation c;
    if (in.beginningDate.empty()) {
        return refuse("Beginning Date is required for any calculation.", txtBeginningDate);
    }
    const auto begin = typedDate(in.beginningDate);
    if (!begin) {
        return refusal(notADate(in.beginningDate, txtBeginningDate));
    }
    c.begin = *begin;
    if (!in.rate.empty()) {
        const FieldNumber rate = fieldAsRead(kRateRule, in.rate);
        if (rate.refusal) {
            return refusal(*rate.refusal);
        }
        c.hasRate = true;
        c.rate = rate.value;
    }
    if (in.endingDate.empty()) {
        if (in.weeks.empty()) {
            return refuse("Ending Date or Weeks is required for any calculation.", txtEndingDate);
        }
        const FieldNumber weeks = fieldAsRead(kWeeksRule, in.weeks);
        if (weeks.refusal) {
            return refusal(*weeks.refusal);
        }
        // The period holds weeks x 7 days, halves to even, both ends included.
        const auto days = CInt(weeks.value * 7);
        if (!days || *days < 1) {
            return refuse("Weeks must be more than 0 and at most 4681.", txtWeeks);
        }
        const auto end = DateAdd(*days - 1, c.begin);
        if (!end) {
            return refuse("The ending date would fall after 12/31/9999.", txtWeeks);
        }
        c.end = *end;
        c.endFromWeeks = true;
    } else {
        const auto end = typedDate(in.endingDate);
        if (!end) {
            return refusal(notADate(in.endingDate, txtEndingDate));
        }
        if (*end < c.begin) {
            return refuse("Ending date must be later than beginning date", txtEndingDate);
        }
        c.end = *end;
    }
    c.days = DateDiff(c.begin, c.end) + 1;
    c.weeks = c.days / 7;
    c.partWeekDays = c.days % 7;
    c.comp = c.rate * static_cast<double>(c.days) / 7;

    // A blank payment date is none; any other text must be a date.
    std::optional<Date> paid;
    if (!isBlank(in.paymentDate)) {
        paid = typedDate(in.paymentDate);
        if (!paid) {
            return refusal(notADate(in.paymentDate, txtPaymentDate));
        }
    }
    const FieldNumber payment = fieldAsRead(kPaymentAmountRule, in.paymentAmount);
    if (payment.refusal) {
        return refusal(*payment.refusal);
    }
    c.payment = payment.value;

    const double comp = c.comp;
    c.total = comp;
    c.totalScale = std::fabs(comp);
    long double balanceSize = 0;
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
        balanceSize = static_cast<long double>(balance.scale) * std::max(balanceDays, 1.0);
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

    CalculationAnswer answer{{}, c};
    if (c.paidBeforeEnd) {
        answer.expected = Expected::refuse(
            in.paymentDate + " Payment Date is before Ending Date - make two entries",
            txtEndingDate);
    }
    // Amounts beyond what a double holds are refused.
    const long double rate = c.rate;
    const long double n = static_cast<double>(c.days);
    const long double w = static_cast<double>(c.weeks);
    const long double wideComp = rate * n / 7;
    const long double wideAccrued = w * (w + 1) * kWeeklyRate / 2 * rate;
    const long double interestOn = c.figured ? wideAccrued + wideComp : 0;
    const long double simpleDays = c.figured ? static_cast<double>(DateDiff(c.end, c.paid)) : 0;
    const ExpectedRefusal tooLarge{"The amounts are too large to calculate.", txtRate};
    const bool finite = std::isfinite(c.comp) && std::isfinite(c.accrued) &&
                        std::isfinite(c.simple) && std::isfinite(c.total) && std::isfinite(c.net);
    switch (finiteness(
        {wideComp, interestOn, c.figured ? 0 : wideComp - c.payment},
        {rate * n, w * (w + 1) * rate, wideAccrued, interestOn,
         interestOn * std::max(simpleDays, 1.0L), balanceSize,
         interestOn * std::max(simpleDays, 1.0L) + balanceSize + interestOn + c.payment})) {
        case Finite::Never:
            return CalculationAnswer{Expected::of(tooLarge), std::nullopt};
        case Finite::EitherWay:
            if (!finite) {
                return CalculationAnswer{Expected::of(tooLarge), std::nullopt};
            }
            answer.expected.orRefusal = tooLarge;
            break;
        case Finite::Surely:
            break;
    }
    return answer;
}

}  // namespace corvell::fuzz

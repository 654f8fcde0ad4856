#include "interest/calculation.h"

#include <cmath>

#include "interest/calculationformcontrols.h"
#include "shell/daycount.h"
#include "shell/values.h"

namespace corvell {

using namespace calculationform;

namespace {

CalculationRefusal refuse(std::string message, ControlName control) {
    return CalculationRefusal{std::move(message), control};
}

CalculationRefusal notADate(const std::string& text, ControlName control) {
    return refuse(text + " is not a valid date.", control);
}

bool allFinite(const Calculation& c) {
    return std::isfinite(c.period.TotalComp) && std::isfinite(c.interest.AccruedInterest) &&
           std::isfinite(c.interest.SimpleInterest) && std::isfinite(c.interest.TotalAmount) &&
           std::isfinite(c.netAmount);
}

}  // namespace

std::string paymentBeforeEndingMessage(const std::string& paymentDateText) {
    return paymentDateText + " Payment Date is before Ending Date - make two entries";
}

CalculationOutcome calculate(const CalculationInput& in, const Ledger& ledger) {
    return calculate(
        in, in.CurrentEntry > 1 ? SumPriorBalance(ledger, in.CurrentEntry - 1) : PriorBalance{});
}

CalculationOutcome calculate(const CalculationInput& in, const PriorBalance& prior) {
    Calculation c;
    if (in.beginningDate.empty()) {
        return refuse("Beginning Date is required for any calculation.", txtBeginningDate);
    }
    const std::optional<Date> begin = CDate(in.beginningDate);
    if (!begin) {
        return notADate(in.beginningDate, txtBeginningDate);
    }
    c.BeginDate = *begin;

    std::optional<double> rate;
    if (!in.rate.empty()) {
        const NumberRead read = readField(kRateField, in.rate);
        if (!read) {
            return *read.refusal;
        }
        rate = *read;
        c.hasRate = true;
    }

    if (in.endingDate.empty()) {
        if (in.weeks.empty()) {
            return refuse("Ending Date or Weeks is required for any calculation.", txtEndingDate);
        }
        const NumberRead weeks = readField(kWeeksField, in.weeks);
        if (!weeks) {
            return *weeks.refusal;
        }
        // A period of weeks holds at least one day.
        const std::optional<std::int16_t> days = daysInWeeks(*weeks);
        if (!days || *days < 1) {
            return refuse("Weeks must be more than 0 and at most 4681.", txtWeeks);
        }
        // The period holds exactly `days` days, both ends included.
        const std::optional<Date> end = DateAdd(*days - 1, c.BeginDate);
        if (!end) {
            return refuse("The ending date would fall after 12/31/9999.", txtWeeks);
        }
        c.endingDateFromWeeks = true;
        c.weeksRead = *weeks;
        c.Days = *days;
        c.EndDate = *end;
    } else {
        const std::optional<Date> end = CDate(in.endingDate);
        if (!end) {
            return notADate(in.endingDate, txtEndingDate);
        }
        if (DateDiff(c.BeginDate, *end) < 0) {
            return refuse("Ending date must be later than beginning date", txtEndingDate);
        }
        c.EndDate = *end;
    }

    c.period = calculatePeriod(c.BeginDate, c.EndDate, rate);

    // Without a payment date there is no interest; a payment date that is
    // no date is refused rather than taken for none.
    std::optional<Date> paid;
    if (!trim(in.paymentDate).empty()) {
        paid = CDate(in.paymentDate);
        if (!paid) {
            return notADate(in.paymentDate, txtPaymentDate);
        }
    }
    const NumberRead paymentAmount = readField(kPaymentAmountField, in.paymentAmount);
    if (!paymentAmount) {
        return *paymentAmount.refusal;
    }
    c.PaymentAmount = *paymentAmount;

    if (!paid) {
        c.payment = PaymentOutcome::NoPaymentDate;
    } else if (*paid < c.EndDate) {
        c.payment = PaymentOutcome::BeforeEndingDate;
    } else {
        c.payment = PaymentOutcome::Figured;
        c.PaymentDate = *paid;
        c.interest =
            calculateInterest(InterestInput{c.EndDate, *paid, c.period.Weeks, c.period.CompRate,
                                            c.period.TotalComp, in.CurrentEntry},
                              prior);
    }
    if (c.payment != PaymentOutcome::Figured) {
        // Without a payment date there is no interest: what is owed is the
        // compensation alone.
        c.interest = InterestFigures{};
        c.interest.PriorEntry = in.CurrentEntry - 1;
        c.interest.TotalAmount = c.period.TotalComp;
    }
    c.netAmount = c.interest.TotalAmount - c.PaymentAmount;
    if (!allFinite(c)) {
        return refuse("The amounts are too large to calculate.", txtRate);
    }
    return c;
}

}  // namespace corvell

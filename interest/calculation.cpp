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
    return std::isfinite(c.Period.TotalComp) && std::isfinite(c.Interest.AccruedInterest) &&
           std::isfinite(c.Interest.SimpleInterest) && std::isfinite(c.Interest.TotalAmount) &&
           std::isfinite(c.NetAmount);
}

}  // namespace

std::string paymentBeforeEndingMessage(const std::string& paymentDateText) {
    return paymentDateText + " Payment Date is before Ending Date - make two entries";
}

CalculationOutcome calculate(const CalculationInput& in, const Ledger& ledger) {
    Calculation c;
    if (in.BeginningDate.empty()) {
        return refuse("Beginning Date is required for any calculation.", txtBeginningDate);
    }
    const std::optional<Date> begin = CDate(in.BeginningDate);
    if (!begin) {
        return notADate(in.BeginningDate, txtBeginningDate);
    }
    c.BeginDate = *begin;

    std::optional<double> rate;
    if (!in.Rate.empty()) {
        rate = CDbl(in.Rate);
        if (!rate) {
            return refuse(in.Rate + " is not a valid number.", txtRate);
        }
        c.HasRate = true;
    }

    if (in.EndingDate.empty()) {
        if (in.Weeks.empty()) {
            return refuse("Ending Date or Weeks is required for any calculation.", txtEndingDate);
        }
        // A period of weeks holds at least one day.
        const std::optional<std::int16_t> days = daysInWeeks(FieldNumber(in.Weeks));
        if (!days || *days < 1) {
            return refuse("Weeks must be more than 0 and at most 4681.", txtWeeks);
        }
        // The period holds exactly `days` days, both ends included.
        const std::optional<Date> end = DateAdd(*days - 1, c.BeginDate);
        if (!end) {
            return refuse("The ending date would fall after 12/31/9999.", txtWeeks);
        }
        c.EndingDateFromWeeks = true;
        c.Days = *days;
        c.EndDate = *end;
    } else {
        const std::optional<Date> end = CDate(in.EndingDate);
        if (!end) {
            return notADate(in.EndingDate, txtEndingDate);
        }
        if (DateDiff(c.BeginDate, *end) < 0) {
            return refuse("Ending date must be later than beginning date", txtEndingDate);
        }
        c.EndDate = *end;
    }

    c.Period = calculatePeriod(c.BeginDate, c.EndDate, rate);
    c.PaymentAmount = FieldNumber(in.PaymentAmount);

    const std::optional<Date> paid = CDate(in.PaymentDate);
    if (!paid) {
        c.Payment = PaymentOutcome::NoPaymentDate;
    } else if (*paid < c.EndDate) {
        c.Payment = PaymentOutcome::BeforeEndingDate;
    } else {
        c.Payment = PaymentOutcome::Figured;
        c.PaymentDate = *paid;
        c.Interest =
            calculateInterest(InterestInput{c.EndDate, *paid, c.Period.Weeks, c.Period.CompRate,
                                            c.Period.TotalComp, in.CurrentEntry},
                              ledger);
    }
    if (c.Payment != PaymentOutcome::Figured) {
        // Without a payment date there is no interest: what is owed is the
        // compensation alone.
        c.Interest = InterestFigures{};
        c.Interest.PriorEntry = in.CurrentEntry - 1;
        c.Interest.TotalAmount = c.Period.TotalComp;
    }
    c.NetAmount = c.Interest.TotalAmount - c.PaymentAmount;
    if (!allFinite(c)) {
        return refuse("The amounts are too large to calculate.", txtRate);
    }
    return c;
}

}  // namespace corvell

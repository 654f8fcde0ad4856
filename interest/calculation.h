#pragma once
// The Calculate command of the compensation-and-interest window, as one
// function of what the fields show: it checks them in a fixed order and
// stops at the first refusal, or returns the period, the interest and the
// amounts the window shows and a Save keeps. Nothing here touches a window.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "interest/interest.h"
#include "interest/ledger.h"
#include "interest/period.h"
#include "shell/controlname.h"
#include "shell/dates.h"
#include "shell/numberfield.h"

namespace corvell {

// The field texts the calculation reads, and where the ledger stands.
struct CalculationInput {
    std::string beginningDate;
    std::string endingDate;
    std::string rate;
    std::string weeks;
    std::string paymentDate;
    std::string paymentAmount;
    int CurrentEntry = 0;
};

using CalculationRefusal = Refusal;

enum class PaymentOutcome {
    Figured,           // interest figured up to the payment date
    NoPaymentDate,     // payment date empty (or blanks): no interest
    BeforeEndingDate,  // payment dated before the period ended: no interest
};

struct Calculation {
    Date BeginDate;
    Date EndDate;
    Date PaymentDate;  // kNoDate unless the interest was figured
    bool endingDateFromWeeks = false;
    double weeksRead = 0;   // the weeks as read, when endingDateFromWeeks
    std::int16_t Days = 0;  // days the weeks gave, when endingDateFromWeeks
    bool hasRate = false;
    PeriodFigures period;
    PaymentOutcome payment = PaymentOutcome::NoPaymentDate;
    InterestFigures interest;  // zero interest unless Figured
    double PaymentAmount = 0;
    double netAmount = 0;  // TotalAmount less PaymentAmount
};

using CalculationOutcome = std::variant<CalculationRefusal, Calculation>;

// Checks, in order: beginning date given and a date; rate (when given) a
// number not below zero; ending date given and a date, or else weeks a
// number given and in range; ending date not before the beginning date;
// payment date (when given) a date; payment amount (when given) a number not
// below zero; amounts within what a double carries. A payment date that is missing or
// before the ending date does not refuse: the period is figured without
// interest.
CalculationOutcome calculate(const CalculationInput& in, const Ledger& ledger);
// The same, with what the earlier entries left owing already summed
// (SumPriorBalance of the entries before in.CurrentEntry).
CalculationOutcome calculate(const CalculationInput& in, const PriorBalance& prior);

// The message shown when the payment date is before the ending date.
std::string paymentBeforeEndingMessage(const std::string& paymentDateText);

}  // namespace corvell

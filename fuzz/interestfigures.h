#pragma once
// What one Calculate on the compensation-and-interest window must answer and
// the figures it must show, as the rules make them, worked out here from the
// texts of the fields as fuzz/reading.h reads them and from the earlier
// entries of a ledger the target keeps itself (amounts it worked out itself),
// with none of the window's own calculation or reading code:
// - the checks, in the window's order: the beginning date given and a date;
//   the rate (when given) a number not below zero; the ending date given and
//   a date not before the beginning date, or else the weeks given, a number,
//   more than 0 and at most 4681 and ending on the calendar; the payment date
//   (when not blank) a date; the payment amount a number not below zero; and
//   figures a double holds;
// - the period: days counted inclusively, whole weeks and the days beyond;
//   weeks typed without an ending date make weeks x 7 days (halves to even);
// - the compensation: the weekly rate x days / 7;
// - with a payment date on or after the ending date, interest at 10 % a
//   year: accrued interest Weeks x (Weeks + 1) x 0.1/52 / 2 x rate; simple
//   interest at 0.1/360 a day on compensation plus accrued interest from the
//   ending date, and on what the earlier entries left unpaid from the latest
//   earlier entry's payment date (its ending date when it has none);
// - the total, and the net amount after the payment.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "fuzz/expectedanswer.h"
#include "interest/calculation.h"
#include "interest/calculationformcontrols.h"
#include "shell/dates.h"

namespace corvell::fuzz {

// The window's number fields and the ranges its rules give them.
inline constexpr NumberRule kRateRule{calculationform::txtRate, "Rate"};
inline constexpr NumberRule kWeeksRule{calculationform::txtWeeks, "Weeks", Range::Any};
inline constexpr NumberRule kPaymentAmountRule{calculationform::txtPaymentAmount, "Payment Amount"};

// One saved period, as the target worked it out.
struct ExpectedEntry {
    Date begin;
    Date end;
    std::optional<Date> paid;  // the payment date the interest ran to
    double payment = 0;
    double comp = 0;
    double accrued = 0;
    double simple = 0;
    double total = 0;
};

struct ExpectedCalculation {
    Date begin;
    Date end;
    bool endFromWeeks = false;
    std::int64_t days = 0;  // inclusive
    std::int64_t weeks = 0;
    std::int64_t partWeekDays = 0;
    bool hasRate = false;
    double rate = 0;
    double comp = 0;
    bool paidBeforeEnd = false;  // the payment date came before the ending date
    bool figured = false;        // interest figured to the payment date
    Date paid;
    double accrued = 0;
    double simple = 0;
    // Whether simple interest is shown, and its days (ending date to
    // payment, plus the days the earlier balance ran); when the figures sit
    // too close to zero to tell, either of the two.
    bool simpleShown = false;
    bool simpleShownUncertain = false;
    std::vector<std::string> simpleDaysTexts;
    double total = 0;
    double payment = 0;
    double net = 0;
    // The size of the terms each figure is made of (see figures.h).
    double simpleScale = 0;
    double totalScale = 0;
    double netScale = 0;

    ExpectedEntry entry() const;
};

// What a Calculate must answer and, when it may go through, its figures: a
// calculation with a payment dated before the ending date shows its figures
// and then refuses with the message that says so.
struct CalculationAnswer {
    Expected expected;
    std::optional<ExpectedCalculation> calculation;
};

// From the field texts before the Calculate and the entries before the
// current one.
CalculationAnswer expectCalculation(const CalculationInput& in,
                                    std::span<const ExpectedEntry> earlier);

}  // namespace corvell::fuzz

#pragma once
// The figures of one Calculate on the compensation-and-interest window as the
// rules make them, worked out here from the texts of the fields and from the
// earlier entries of a ledger the target keeps itself (amounts it worked out
// itself), with none of the window's own calculation code:
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

#include "interest/calculation.h"
#include "shell/dates.h"

namespace corvell::fuzz {

// One saved period, as the target worked it out.
struct ExpectedEntry {
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

// The figures of a Calculate that the window carried out, from the field
// texts before it and the entries before the current one.
ExpectedCalculation expectCalculation(const CalculationInput& in,
                                      std::span<const ExpectedEntry> earlier);

}  // namespace corvell::fuzz

#pragma once
// One saved period of the ledger, and the figures of the period being worked
// on that a Save turns into one. An entry keeps both the texts the panel, the
// report and recall show and the unrounded amounts that the totals and the
// interest on earlier entries are figured from.

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

#include "shared/calculationvalues.h"
#include "shell/dates.h"

namespace corvell {

// What stands in an entry's payment date when the payment has no date.
inline constexpr std::string_view kNoPayDateText = "          ";  // ten blanks

// The figures of the current entry beyond the calculation values: what the
// period and interest calculation leave behind, and what recall brings back.
struct EntryFigures {
    double PartWeekDays = 0;  // days beyond the whole weeks, 0 to 6
    std::string TotalDays;    // inclusive day count as shown, "##,###"
    double PaymentAmount = 0;
    double SimpleDays = 0;  // days from the ending date to the payment date
    double AccruedInterest = 0;
    double SimpleInterest = 0;
    double TotalAmount = 0;  // compensation plus both interests
};

struct LedgerEntry {
    std::string BeginText;      // mm/dd/yyyy
    std::string EndText;        // mm/dd/yyyy
    std::string PayDateText;    // mm/dd/yyyy, or kNoPayDateText
    std::string PayAmountText;  // "#,###,###.00"
    std::string WeeksText;      // "#,###": empty for no whole week
    std::string DaysText;       // "#####": empty for no extra day
    std::string RateText;       // "#,###.00"
    std::string CompText;       // "##,###,###.00"
    std::string AccruedText;    // "##,###.00"
    std::string SimpleText;     // "##,###.00"
    std::string TotalText;      // "##,###,###.00"
    std::string TotalDaysText;  // as the calculation showed it
    std::string SimpleDaysText;
    double PayAmount = 0;
    double SimpleAmount = 0;
    double AccruedAmount = 0;
    double CompAmount = 0;
    double TotalAmountValue = 0;
    double RateValue = 0;
    Date EndDateValue;

    bool hasPaymentDate() const { return PayDateText != kNoPayDateText; }
    bool operator==(const LedgerEntry&) const = default;
};

// The entry a Save writes for the current figures.
LedgerEntry makeLedgerEntry(const CalculationValues& values, const EntryFigures& figures);

}  // namespace corvell

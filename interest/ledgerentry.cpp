#include "interest/ledgerentry.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "shell/format.h"
#include "shell/savedstate.h"
#include "shell/values.h"

namespace corvell {

LedgerEntry makeLedgerEntry(const CalculationValues& values, const EntryFigures& figures) {
    LedgerEntry e;
    e.BeginText = Format(values.BeginDate, "mm/dd/yyyy");
    e.EndText = Format(values.EndDate, "mm/dd/yyyy");
    // Day 0 means no payment date; days before it are real (if unlikely) dates.
    e.PayDateText = values.PaymentDate != kNoDate ? Format(values.PaymentDate, "mm/dd/yyyy")
                                                  : std::string(kNoPayDateText);
    e.PayAmountText = Format(figures.PaymentAmount, "#,###,###.00");
    e.WeeksText = Format(values.Weeks, "#,###");
    e.DaysText = Format(figures.PartWeekDays, "#####");
    e.RateText = Format(values.CompRate, "#,###.00");
    e.CompText = Format(values.TotalComp, "##,###,###.00");
    e.AccruedText = Format(figures.AccruedInterest, "##,###.00");
    e.SimpleText = Format(figures.SimpleInterest, "##,###.00");
    e.TotalText = Format(figures.TotalAmount, "##,###,###.00");
    e.TotalDaysText = figures.TotalDays;
    e.SimpleDaysText = CStr(figures.SimpleDays);
    e.PayAmount = figures.PaymentAmount;
    e.SimpleAmount = figures.SimpleInterest;
    e.AccruedAmount = figures.AccruedInterest;
    e.CompAmount = values.TotalComp;
    e.TotalAmountValue = figures.TotalAmount;
    e.RateValue = values.CompRate;
    e.EndDateValue = values.EndDate;
    return e;
}

}  // namespace corvell

#include "interest/calculationrecord.h"

#include <nlohmann/json.hpp>

#include "interest/calculationformcontrols.h"
#include "shell/format.h"
#include "shell/savedstate.h"
#include "shell/values.h"

namespace corvell {

EntryFigures figuresOf(const Calculation& c) {
    EntryFigures f;
    f.PartWeekDays = c.period.PartWeekDays;
    f.TotalDays = c.period.TotalDays;
    f.PaymentAmount = c.PaymentAmount;
    f.SimpleDays = c.interest.SimpleDays;
    f.AccruedInterest = c.interest.AccruedInterest;
    f.SimpleInterest = c.interest.SimpleInterest;
    f.TotalAmount = c.interest.TotalAmount;
    return f;
}

LedgerEntry entryOf(const Calculation& c) {
    CalculationValues v;
    v.BeginDate = c.BeginDate;
    v.EndDate = c.EndDate;
    v.PaymentDate = c.PaymentDate;
    v.Weeks = c.period.Weeks;
    v.CompRate = c.period.CompRate;
    v.TotalComp = c.period.TotalComp;
    return makeLedgerEntry(v, figuresOf(c));
}

std::vector<ShownField> shownFields(const Calculation& c) {
    using namespace calculationform;
    const auto money = [](double amount) { return Format(amount, "#,###,##0.00"); };
    std::vector<ShownField> shown;
    if (c.endingDateFromWeeks) {
        shown.push_back({txtEndingDate, "Ending Date", Format(c.EndDate, "mm/dd/yyyy")});
    }
    shown.push_back({txtTotalDays, "Total Days", c.period.TotalDays});
    shown.push_back({txtWeeks, "Weeks", CStr(c.period.Weeks)});
    shown.push_back({lblDays, "Days", CStr(c.period.PartWeekDays)});
    // Without a rate there is no compensation to show, and without a payment
    // date no accrued interest.
    shown.push_back({txtTotalComp, "Total Comp", c.hasRate ? money(c.period.TotalComp) : ""});
    shown.push_back(
        {txtAccruedInterest, "Accrued Int.",
         c.payment == PaymentOutcome::Figured ? money(c.interest.AccruedInterest) : ""});
    const bool simple = c.interest.SimpleInterest > 0;
    shown.push_back({txtSimpleInterest, "Simple Int.",
                     simple ? Format(c.interest.SimpleInterest, "###,##0.00") : ""});
    shown.push_back({txtSimpleDays, "Simple Days",
                     simple ? CStr(c.interest.SimpleDays + c.interest.PriorDays) : ""});
    shown.push_back({txtTotalAmount, "Total Amount", money(c.interest.TotalAmount)});
    shown.push_back({txtNetAmount, "Net Amount", money(c.netAmount)});
    return shown;
}

}  // namespace corvell

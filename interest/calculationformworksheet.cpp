#include "interest/calculationformworksheet.h"

#include "interest/calculationformcontrols.h"
#include "interest/interest.h"
#include "interest/ledgerlines.h"
#include "shell/format.h"
#include "shell/values.h"

namespace corvell {

using namespace calculationform;

namespace {

std::string money(double amount) {
    return Format(amount, "#,###,##0.00");
}

// "entry 1" or "entries 1 to n".
std::string entriesUpTo(int last) {
    return last == 1 ? std::string("entry 1") : "entries 1 to " + std::to_string(last);
}

// The entry a calculation is for, in the words of the ledger.
std::string entryLine(int currentEntry) {
    if (currentEntry == 0) {
        return "Ledger entry: none chosen yet (the first Save makes it entry 1)";
    }
    std::string line = "Ledger entry: " + std::to_string(currentEntry);
    if (currentEntry > 1) {
        line += "; " + entriesUpTo(currentEntry - 1) + (currentEntry == 2 ? " comes" : " come") +
                " before it";
    }
    return line;
}

void inputs(Worksheet& sheet, const CalculationRecord& r) {
    const CalculationInput& in = r.input;
    const Calculation& c = r.result;
    sheet.heading(std::string(kInputsHeading));
    sheet.text(readAs("Beginning Date", in.beginningDate, dateFigure(c.BeginDate)));
    if (c.endingDateFromWeeks) {
        sheet.text("Ending Date: " + typed(in.endingDate) + " (none: it comes from the weeks)");
        sheet.text(readAs("Weeks", in.weeks, figure(c.weeksRead)));
    } else {
        sheet.text(readAs("Ending Date", in.endingDate, dateFigure(c.EndDate)));
        sheet.text("Weeks: " + typed(in.weeks) + " (not read: the ending date is given)");
    }
    if (c.hasRate) {
        sheet.text(readAs("Rate (weekly)", in.rate, figure(c.period.CompRate)));
    } else {
        sheet.text("Rate (weekly): " + typed(in.rate) + " (none: no compensation is figured)");
    }
    switch (c.payment) {
        case PaymentOutcome::Figured:
            sheet.text(readAs("Payment Date", in.paymentDate, dateFigure(c.PaymentDate)));
            break;
        case PaymentOutcome::NoPaymentDate:
            sheet.text("Payment Date: " + typed(in.paymentDate) + " (none)");
            break;
        case PaymentOutcome::BeforeEndingDate:
            sheet.text("Payment Date: " + typed(in.paymentDate) + ", before the ending date");
            break;
    }
    sheet.text(readAs("Payment Amt.", in.paymentAmount, figure(c.PaymentAmount)));
    sheet.text(entryLine(in.CurrentEntry));
}

void constants(Worksheet& sheet, const Calculation& c) {
    sheet.heading(std::string(kConstantsHeading));
    sheet.text("7: days in a week");
    if (c.payment == PaymentOutcome::Figured) {
        sheet.text("WeeklyInterestRate = 0.1 / 52 = " + figure(WeeklyInterestRate) +
                   ": 10 % a year on a 52-week year, per week");
        sheet.text("DailyInterestRate = 0.1 / 360 = " + figure(DailyInterestRate) +
                   ": 10 % a year on a 360-day year, per day");
    }
}

void period(Worksheet& sheet, const Calculation& c) {
    const PeriodFigures& p = c.period;
    if (c.endingDateFromWeeks) {
        weeksInDays(sheet, "Days of the weeks", c.weeksRead, c.Days);
        sheet.text("Ending Date = " + dateFigure(c.BeginDate) + " + " + figure(c.Days) +
                   " - 1 days = " + dateFigure(c.EndDate));
        sheet.rule("The period holds exactly that many days, both ends counted.");
    }
    const std::string dayCount = figure(static_cast<double>(p.DayCount));
    sheet.text("Total Days = " + dateFigure(c.EndDate) + " - " + dateFigure(c.BeginDate) +
               " + 1 = " + dayCount + ", shown " + p.TotalDays);
    sheet.rule("Both the beginning and the ending date count.");
    const std::string weeks = figure(p.Weeks);
    sheet.text("Weeks = Int(" + dayCount + " / 7) = Int(" + figure(p.exactWeeks) + ") = " + weeks);
    sheet.text("Days = Int((" + figure(p.exactWeeks) + " - " + weeks + ") x 7 + 0.5) = Int(" +
               figure(p.partWeekHalfUp) + ") = " + figure(p.PartWeekDays));
    sheet.rule(
        "Half a day is added before rounding down, so that 8 days make 1 week and 1 day "
        "although (8 / 7 - 1) x 7 comes out a hair below 1.");
    if (c.hasRate) {
        sheet.text("Total Comp = " + figure(p.CompRate) + " x " + dayCount +
                   " / 7 = " + figure(p.TotalComp) + ", shown " + money(p.TotalComp));
        sheet.rule(
            "The weekly rate is prorated by the day over all the days, the partial week "
            "included.");
    } else {
        sheet.text("Total Comp = 0: no rate was given, and its field is left empty");
    }
}

void priorBalance(Worksheet& sheet, const Calculation& c) {
    const InterestFigures& f = c.interest;
    if (f.PriorEntry < 1) {
        return;
    }
    const PriorBalance& prior = f.prior;
    sheet.text("Balance of " + entriesUpTo(f.PriorEntry) +
               ", entry by entry: compensation + balance + simple + accrued - payment");
    double before = 0;
    int n = 1;
    for (const PriorEntryAmounts& e : prior.entries) {
        sheet.text("Entry " + std::to_string(n++) + ": " + figure(e.CompAmount) + " + " +
                   figure(before) + " + " + figure(e.SimpleAmount) + " + " +
                   figure(e.AccruedAmount) + " - " + figure(e.PayAmount) + " = " +
                   figure(e.balanceAfter));
        before = e.balanceAfter;
    }
    sheet.text("Earlier balance = " + figure(prior.balance));
    const std::string from = prior.fromPaymentDate
                                 ? "the payment date of entry " + std::to_string(f.PriorEntry)
                                 : "the ending date of entry " + std::to_string(f.PriorEntry) +
                                       ", which has no payment date";
    if (f.priorBears) {
        sheet.rule("What the earlier entries left unpaid bears simple interest by the day from " +
                   from + " (" + dateFigure(prior.balanceDate) + ") to this payment date.");
        sheet.text("Days on the earlier balance = " + dateFigure(c.PaymentDate) + " - " +
                   dateFigure(prior.balanceDate) + " = " + figure(f.PriorDays));
        sheet.text("Interest on the earlier balance = " + figure(prior.balance) +
                   " x 0.1 / 360 x " + figure(f.PriorDays) + " = " + figure(f.priorInterest));
    } else if (!(prior.balance > 0)) {
        sheet.rule(
            "The earlier entries are paid in full (their balance is 0 or less), so no "
            "interest is charged on them.");
    } else {
        sheet.rule("The earlier balance runs from " + from + " (" + dateFigure(prior.balanceDate) +
                   "), after this payment date; interest never runs backwards, so none is "
                   "charged on it.");
    }
}

void interest(Worksheet& sheet, const Calculation& c) {
    const PeriodFigures& p = c.period;
    const InterestFigures& f = c.interest;
    switch (c.payment) {
        case PaymentOutcome::NoPaymentDate:
            sheet.rule(
                "Without a payment date no interest is figured: the total is the "
                "compensation alone.");
            break;
        case PaymentOutcome::BeforeEndingDate:
            sheet.rule(
                "The payment date is before the ending date, so no interest is figured and "
                "the window asks for two entries.");
            break;
        case PaymentOutcome::Figured: {
            const std::string weeks = figure(p.Weeks);
            sheet.text("Accrued Int. = " + weeks + " x (" + weeks + " + 1) x 0.1 / 52 / 2 x " +
                       figure(p.CompRate) + " = " + figure(f.AccruedInterest) + ", shown " +
                       money(f.AccruedInterest));
            std::string installments = "Each of the " + weeks +
                                       " weekly installments bears interest for the whole weeks "
                                       "left to the ending date";
            if (p.PartWeekDays > 0) {
                installments +=
                    "; the " + figure(p.PartWeekDays) + " days of the partial week bear none";
            }
            sheet.rule(installments + ".");
            priorBalance(sheet, c);
            sheet.text("Simple days = " + dateFigure(c.PaymentDate) + " - " +
                       dateFigure(c.EndDate) + " = " + figure(f.daysToPayment));
            sheet.text("Interest on this entry = (" + figure(f.AccruedInterest) + " + " +
                       figure(p.TotalComp) + ") x 0.1 / 360 x " + figure(f.daysToPayment) + " = " +
                       figure(f.entryInterest));
            std::string simple = "Simple Int. = ";
            if (f.priorBears) {
                simple += figure(f.priorInterest) + " + " + figure(f.entryInterest) + " = ";
            }
            simple += figure(f.simpleBeforeFloor);
            if (f.SimpleInterest > 0) {
                simple += ", shown " + Format(f.SimpleInterest, "###,##0.00");
                sheet.text(simple);
                std::string days = "Simple Days shown = " + figure(f.SimpleDays);
                if (f.PriorDays != 0) {
                    days += " + " + figure(f.PriorDays) + " = " + CStr(f.SimpleDays + f.PriorDays);
                }
                sheet.text(days);
            } else {
                sheet.text(simple);
                sheet.rule(
                    "Simple interest of 0 or less counts as none: Simple Int. and Simple "
                    "Days are left empty.");
            }
            break;
        }
    }
    sheet.text("Total Amount = " + figure(f.SimpleInterest) + " + (" + figure(f.AccruedInterest) +
               " + " + figure(p.TotalComp) + ") = " + figure(f.TotalAmount) + ", shown " +
               money(f.TotalAmount));
    sheet.text("Net Amount = " + figure(f.TotalAmount) + " - " + figure(c.PaymentAmount) + " = " +
               figure(c.netAmount) + ", shown " + money(c.netAmount));
}

// The inputs, constants and steps of one calculation, then its results.
Worksheet entrySheet(std::string title, const CalculationRecord& r) {
    Worksheet sheet(std::move(title));
    inputs(sheet, r);
    constants(sheet, r.result);
    sheet.heading(std::string(kStepsHeading));
    period(sheet, r.result);
    interest(sheet, r.result);
    for (const ShownField& shown : shownFields(r.result)) {
        sheet.result(shown.field, std::string(shown.label), shown.text);
    }
    return sheet;
}

std::string sumOf(const Ledger& ledger, double LedgerEntry::*amount) {
    std::string terms;
    for (int i = 1; i <= ledger.EntryCount(); ++i) {
        terms += (i > 1 ? " + " : "") + figure(ledger.entry(i).*amount);
    }
    return terms;
}

}  // namespace

Worksheet calculationWorksheet(const CalculationLog<CalculationRecord>& log) {
    return loggedWorksheet(
        "Compensation and Interest: how the figures were calculated", log,
        [](const CalculationRecord& record) {
            return entrySheet("Compensation and Interest", record);
        },
        {{txtBeginningDate, "Beginning Date"},
         {txtEndingDate, "Ending Date"},
         {txtRate, "Rate"},
         {txtWeeks, "Weeks"},
         {txtPaymentDate, "Payment Date"},
         {txtPaymentAmount, "Payment Amt."}},
        "A refused Calculate changes no figure the window shows.");
}

Worksheet ledgerWorksheet(const Ledger& ledger, const std::vector<CalculationRecord>& records,
                          const LedgerTotals& totals) {
    Worksheet sheet("Interest Calculation: how the ledger was calculated");
    if (ledger.EntryCount() == 0) {
        sheet.text("No entry saved yet: Calculate, then Save.");
        return sheet;
    }
    for (int i = 1; i <= ledger.EntryCount() && i <= static_cast<int>(records.size()); ++i) {
        sheet.append(entrySheet("Entry " + std::to_string(i) + ": " + ledger.entry(i).BeginText +
                                    " to " + ledger.entry(i).EndText,
                                records[static_cast<std::size_t>(i - 1)]));
    }
    sheet.heading("How the totals add up");
    sheet.rule(
        "Each total adds the unrounded amounts of the saved entries; only the sum is "
        "rounded to cents.");
    const auto total = [&](std::string_view name, double LedgerEntry::*amount, double sum) {
        sheet.text(std::string(name) + " = " + sumOf(ledger, amount) + " = " + figure(sum) +
                   ", shown " + Format(sum, "#,###,##0.00"));
    };
    total("Payments", &LedgerEntry::PayAmount, totals.PaymentsTotal);
    total("Accrued", &LedgerEntry::AccruedAmount, totals.AccruedTotal);
    total("Simple", &LedgerEntry::SimpleAmount, totals.SimpleTotal);
    total("Comp", &LedgerEntry::CompAmount, totals.CompTotal);
    total("Amount", &LedgerEntry::TotalAmountValue, totals.AmountTotal);
    sheet.text("Net = " + figure(totals.AmountTotal) + " - " + figure(totals.PaymentsTotal) +
               " = " + figure(totals.NetTotal) + ", shown " +
               Format(totals.NetTotal, "#,###,##0.00"));
    sheet.text("The printed ledger's totals line: " + reportTotalsLine(totals));
    sheet.result(List1, "Panel totals line", panelTotalsLine(totals));
    return sheet;
}

}  // namespace corvell

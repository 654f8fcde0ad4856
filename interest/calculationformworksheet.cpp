#include "interest/calculationformworksheet.h"

#include "interest/calculationformcontrols.h"
#include "interest/interest.h"
#include "interest/ledgercents.h"
#include "interest/ledgerlines.h"
#include "shell/format.h"
#include "shell/keyed.h"
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

// The rules every entry follows, stated with the constants in the ledger's
// worksheet and beside their steps in a calculation's.
constexpr std::string_view kBothDatesCount = "Both the beginning and the ending date count.";
constexpr std::string_view kHalfDayAdded =
    "Half a day is added before rounding down, so that 8 days make 1 week and 1 day although "
    "(8 / 7 - 1) x 7 comes out a hair below 1.";
constexpr std::string_view kProrated =
    "The weekly rate is prorated by the day over all the days, the partial week included.";

void constants(Worksheet& sheet, bool interest) {
    sheet.heading(std::string(kConstantsHeading));
    sheet.text("7: days in a week");
    if (interest) {
        sheet.step("WeeklyInterestRate (10 % a year on a 52-week year, per week)",
                   {Keyed(0.1) / 52, WeeklyInterestRate});
        sheet.step("DailyInterestRate (10 % a year on a 360-day year, per day)",
                   {Keyed(0.1) / 360, DailyInterestRate});
    }
    sheet.text(std::string(kRoundingRule));
}

// The steps of the period; with `rules`, the fixed rules beside them.
void period(Worksheet& sheet, const Calculation& c, bool rules) {
    const PeriodFigures& p = c.period;
    if (c.endingDateFromWeeks) {
        weeksInDays(sheet, "Days of the weeks", c.weeksRead, c.Days);
        sheet.step("Ending Date", {Keyed::date(c.BeginDate) + c.Days - 1, Keyed::date(c.EndDate)});
        if (rules) {
            sheet.rule("The period holds exactly that many days, both ends counted.");
        }
    }
    const auto dayCount = static_cast<double>(p.DayCount);
    sheet.step("Total Days", {Keyed::date(c.EndDate) - Keyed::date(c.BeginDate) + 1, dayCount});
    if (rules) {
        sheet.rule(std::string(kBothDatesCount));
    }
    sheet.step("Weeks", {Int(Keyed(dayCount) / 7), Int(Keyed(p.exactWeeks)), p.Weeks});
    sheet.step("Days", {Int((Keyed(p.exactWeeks) - p.Weeks) * 7 + 0.5),
                        Int(Keyed(p.partWeekHalfUp)), p.PartWeekDays});
    if (rules) {
        sheet.rule(std::string(kHalfDayAdded));
    }
    if (c.hasRate) {
        sheet.step("Total Comp", {Keyed(p.CompRate) * dayCount / 7}, p.TotalComp,
                   money(p.TotalComp));
        if (rules) {
            sheet.rule(std::string(kProrated));
        }
    } else {
        sheet.text("Total Comp = 0: no rate was given, and its field is left empty");
    }
}

// "52 + 51 + ... + 1": the weeks each installment bears interest for.
std::string countdown(double weeks) {
    if (weeks > 4) {
        return figure(weeks) + " + " + figure(weeks - 1) + " + ... + 1";
    }
    std::string terms;
    for (double w = weeks; w >= 1; --w) {
        terms += (terms.empty() ? "" : " + ") + figure(w);
    }
    return terms;
}

void accrued(Worksheet& sheet, const PeriodFigures& p, const InterestFigures& f, bool rules) {
    if (!rules) {
        // The rule heads the ledger's worksheet.
    } else if (p.Weeks < 1) {
        sheet.rule(
            "The period holds no whole week, so no weekly installment bears accrued interest.");
    } else {
        sheet.rule("Each of the " + figure(p.Weeks) +
                   " weekly installments bears interest from its own week to the ending date: " +
                   countdown(p.Weeks) + " = " + figure(p.Weeks * (p.Weeks + 1) / 2) +
                   " weeks of installments, which is " + figure(p.Weeks) + " x (" +
                   figure(p.Weeks) + " + 1) / 2.");
    }
    if (rules && p.PartWeekDays > 0) {
        sheet.rule("The " + figure(p.PartWeekDays) + " days of the partial week bear none.");
    }
    sheet.step("Accrued Int.", {Keyed(p.Weeks) * (Keyed(p.Weeks) + 1) * 0.1 / 52 / 2 * p.CompRate},
               f.AccruedInterest, money(f.AccruedInterest));
}

// Interest on what the earlier entries left unpaid.
void earlierBalance(Worksheet& sheet, const Calculation& c, bool rules) {
    const InterestFigures& f = c.interest;
    const PriorBalance& prior = f.prior;
    const std::string from = prior.fromPaymentDate
                                 ? "the payment date of entry " + std::to_string(f.PriorEntry)
                                 : "the ending date of entry " + std::to_string(f.PriorEntry) +
                                       ", which has no payment date";
    if (f.priorBears) {
        sheet.step("Interest on the earlier balance",
                   {Keyed(prior.balance) * 0.1 / 360 *
                        (Keyed::date(c.PaymentDate) - Keyed::date(prior.balanceDate)),
                    f.priorInterest});
        if (!rules) {
            return;
        }
        sheet.rule("What " + entriesUpTo(f.PriorEntry) + " left unpaid, " + figure(prior.balance) +
                   ", bears simple interest by the day from " + from + " (" +
                   dateFigure(prior.balanceDate) +
                   ") to this payment date: " + figure(f.PriorDays) + " days.");
    } else if (!rules) {
        sheet.text("Interest on the earlier balance, " + figure(prior.balance) + ": none (" +
                   (prior.balance > 0 ? "it runs from after this payment date" : "0 or less") +
                   ")");
    } else if (!(prior.balance > 0)) {
        sheet.rule("The earlier entries are paid in full (their balance is " +
                   figure(prior.balance) + ", 0 or less), so no interest is charged on them.");
    } else {
        sheet.rule("The earlier balance, " + figure(prior.balance) + ", runs from " + from + " (" +
                   dateFigure(prior.balanceDate) +
                   "), after this payment date; interest never runs backwards, so none is "
                   "charged on it.");
    }
}

// Each earlier entry's balance, as a calculation's worksheet lists them.
void priorBalances(Worksheet& sheet, const Calculation& c) {
    const InterestFigures& f = c.interest;
    sheet.text("Balance of " + entriesUpTo(f.PriorEntry) +
               ", entry by entry: compensation + balance before + simple + accrued - payment");
    double before = 0;
    int n = 1;
    for (const PriorEntryAmounts& e : f.prior.entries) {
        sheet.step("Balance after entry " + std::to_string(n++),
                   {Keyed(e.CompAmount) + before + e.SimpleAmount + e.AccruedAmount - e.PayAmount,
                    e.balanceAfter});
        before = e.balanceAfter;
    }
}

void simple(Worksheet& sheet, const Calculation& c, bool rules) {
    const InterestFigures& f = c.interest;
    sheet.step("Interest on this entry",
               {(Keyed(f.AccruedInterest) + c.period.TotalComp) * 0.1 / 360 *
                    (Keyed::date(c.PaymentDate) - Keyed::date(c.EndDate)),
                f.entryInterest});
    if (rules) {
        sheet.rule(
            "The compensation and its accrued interest bear simple interest by the day from the "
            "ending date to the payment date: " +
            figure(f.daysToPayment) + " days.");
    }
    if (f.priorBears && f.SimpleInterest > 0) {
        sheet.step("Simple Int.", {Keyed(f.priorInterest) + f.entryInterest}, f.simpleBeforeFloor,
                   Format(f.SimpleInterest, "###,##0.00"));
    } else if (f.priorBears) {
        sheet.step("Simple Int.", {Keyed(f.priorInterest) + f.entryInterest, f.simpleBeforeFloor});
    } else if (f.SimpleInterest > 0) {
        sheet.step("Simple Int.", {}, f.simpleBeforeFloor, Format(f.SimpleInterest, "###,##0.00"));
    }
    if (!(f.SimpleInterest > 0)) {
        sheet.rule(
            "Simple interest of 0 or less counts as none: Simple Int. and Simple Days are left "
            "empty.");
    } else if (f.PriorDays != 0) {
        sheet.step("Simple Days shown",
                   {Keyed(f.SimpleDays) + f.PriorDays, f.SimpleDays + f.PriorDays});
    }
}

// With `rules`, a calculation's worksheet: the rules beside their steps and
// the earlier entries' balances listed; otherwise an entry of the ledger's.
void interest(Worksheet& sheet, const Calculation& c, bool rules) {
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
        case PaymentOutcome::Figured:
            accrued(sheet, p, f, rules);
            if (f.PriorEntry >= 1) {
                if (rules) {
                    priorBalances(sheet, c);
                }
                earlierBalance(sheet, c, rules);
            }
            simple(sheet, c, rules);
            break;
    }
    sheet.step("Total Amount", {Keyed(f.SimpleInterest) + (Keyed(f.AccruedInterest) + p.TotalComp)},
               f.TotalAmount, money(f.TotalAmount));
    sheet.step("Net Amount", {Keyed(f.TotalAmount) - c.PaymentAmount}, c.netAmount,
               money(c.netAmount));
}

// The inputs, constants and steps of one calculation, then its results.
Worksheet entrySheet(std::string title, const CalculationRecord& r) {
    Worksheet sheet(std::move(title));
    inputs(sheet, r);
    constants(sheet, r.result.payment == PaymentOutcome::Figured);
    sheet.heading(std::string(kStepsHeading));
    period(sheet, r.result, true);
    interest(sheet, r.result, true);
    for (const ShownField& shown : shownFields(r.result)) {
        sheet.result(shown.field, std::string(shown.label), shown.text);
    }
    return sheet;
}

// One saved entry, compactly: what was typed, then its steps; the constants
// and the fixed rules head the ledger's worksheet. Returns its balance.
double savedEntry(Worksheet& sheet, int n, const LedgerEntry& e, const CalculationRecord& r,
                  double before) {
    const CalculationInput& in = r.input;
    sheet.heading("Entry " + std::to_string(n) + ": " + e.BeginText + " to " + e.EndText);
    sheet.text("Typed: dates " + typed(in.beginningDate) + " to " + typed(in.endingDate) +
               ", weeks " + typed(in.weeks) + ", rate " + typed(in.rate) + ", paid " +
               typed(in.paymentAmount) + " on " + typed(in.paymentDate));
    period(sheet, r.result, false);
    interest(sheet, r.result, false);
    const InterestFigures& f = r.result.interest;
    if (r.result.payment == PaymentOutcome::Figured && f.PriorEntry >= 1 &&
        f.prior.balance != before) {
        sheet.text(
            "(An entry before it was saved again after it was calculated: it used the earlier "
            "balance as it then stood, " +
            figure(f.prior.balance) + ".)");
    }
    const double after = e.CompAmount + before + e.SimpleAmount + e.AccruedAmount - e.PayAmount;
    sheet.step(
        "Balance after entry " + std::to_string(n),
        {Keyed(e.CompAmount) + before + e.SimpleAmount + e.AccruedAmount - e.PayAmount, after});
    return after;
}

// Amounts added up, equal ones in a row grouped ("100 x 3.53271428571429").
Keyed sumOf(const std::vector<double>& amounts) {
    std::optional<Keyed> sum;
    for (std::size_t i = 0; i < amounts.size();) {
        std::size_t same = i + 1;
        while (same < amounts.size() && amounts[same] == amounts[i]) {
            ++same;
        }
        const Keyed term =
            same - i > 1 ? Keyed(static_cast<double>(same - i)) * amounts[i] : Keyed(amounts[i]);
        sum = sum ? *sum + term : term;
        i = same;
    }
    return sum.value_or(Keyed(0));
}

void addTotals(Worksheet& sheet, const Ledger& ledger, const LedgerTotals& t) {
    sheet.heading("How the totals add up");
    sheet.rule(std::string(kWhyCentsDiffer));
    for (const ColumnCents& c : ledgerCents(ledger, t)) {
        const std::string name(c.name);
        sheet.step(name + " total", {sumOf(c.amounts)}, c.total, Format(c.total, "#,###,##0.00"));
        sheet.step(name + " column as printed", {sumOf(c.printed), c.printedSum});
        sheet.step(name + ": total as shown less the printed column",
                   {Keyed(c.shownTotal) - c.printedSum, c.difference});
    }
    sheet.text("The printed ledger's totals line: " + reportTotalsLine(t));
    sheet.result(List1, "Panel totals line", panelTotalsLine(t));
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
    constants(sheet, true);
    sheet.rule("Total Days: " + std::string(kBothDatesCount));
    sheet.rule("Days: " + std::string(kHalfDayAdded));
    sheet.rule("Total Comp: " + std::string(kProrated));
    sheet.rule(
        "Accrued Int.: each of an entry's whole weeks is an installment that bears interest from "
        "its own week to the ending date, so W weeks bear W + (W - 1) + ... + 1 = W x (W + 1) / 2 "
        "weeks of installments; the days of a partial week bear none.");
    sheet.rule(
        "Interest on the earlier balance: what the entries before an entry left unpaid bears "
        "simple interest by the day from the payment date of the entry before it (its ending "
        "date when it has none) to this entry's payment date; a balance of 0 or less, or one "
        "that runs from after the payment date, bears none.");
    sheet.rule(
        "Interest on this entry: the compensation and its accrued interest bear simple "
        "interest by the day from the ending date to the payment date.");
    sheet.text(
        "Each entry below gives what was typed, then its steps; its amounts add to the balance "
        "the next entry's interest runs on.");
    double balance = 0;
    for (int i = 1; i <= ledger.EntryCount() && i <= static_cast<int>(records.size()); ++i) {
        balance = savedEntry(sheet, i, ledger.entry(i), records[static_cast<std::size_t>(i - 1)],
                             balance);
    }
    addTotals(sheet, ledger, totals);
    return sheet;
}

}  // namespace corvell

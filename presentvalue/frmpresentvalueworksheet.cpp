#include "presentvalue/frmpresentvalueworksheet.h"

#include <cmath>
#include <limits>

#include "presentvalue/frmpresentvaluecontrols.h"
#include "presentvalue/lifeexpectancy.h"
#include "shell/format.h"
#include "shell/values.h"

namespace corvell {

using namespace frmpresentvalue;

namespace {

void inputs(Worksheet& sheet, const PresentValueRecord& r) {
    sheet.heading(std::string(kInputsHeading));
    sheet.text(readAs("From Date", r.fromText, dateFigure(r.from)));
    if (r.to) {
        sheet.text(readAs("To Date", r.toText, dateFigure(*r.to)));
    } else {
        sheet.text("To Date: " + typed(r.toText) + " (none)");
    }
    if (r.life) {
        sheet.text(readAs("Age", r.ageText, figure(r.life->age)));
        sheet.text(readAs("M/F", r.genderText, r.life->male ? "M" : "F"));
    }
    if (!r.to && !r.life) {
        sheet.text(readAs("Weeks", r.weeksText, figure(r.Weeks)));
    } else if (!r.weeksText.empty()) {
        sheet.text("Weeks: " + typed(r.weeksText) + " (not read: " +
                   (r.to ? "the To Date is given)" : "the weeks come from the age)"));
    }
    if (r.rateGiven) {
        sheet.text(readAs("Comp Rate", r.rateText, figure(r.CompRate)));
    } else {
        sheet.text("Comp Rate: " + typed(r.rateText) +
                   " (none: the rate of the last calculation, " + figure(r.CompRate) + ", stays)");
    }
    if (r.interestText.empty()) {
        sheet.text("Interest Rate: \"\" (none: " + r.interestRead + " is taken) read as " +
                   figure(r.interest));
    } else {
        sheet.text(readAs("Interest Rate", r.interestText, figure(r.interest)));
    }
}

void constants(Worksheet& sheet, const PresentValueRecord& r) {
    sheet.heading(std::string(kConstantsHeading));
    if (r.life) {
        sheet.text("52.25: weeks in a year of life expectancy");
    }
    if (!r.to) {
        sheet.text("7: days in a week");
    }
    sheet.text("52: weekly discount periods in a year");
    sheet.text("0.99: a typed Interest Rate above this is a percentage");
}

// The weeks of the period, and the To Date they give when there is none.
void period(Worksheet& sheet, const PresentValueRecord& r) {
    if (r.life) {
        const PresentValueRecord::Life& l = *r.life;
        sheet.text("Age looked up = " + std::to_string(l.ageKey));
        if (l.age != std::floor(l.age)) {
            sheet.rule(
                "Ages are rounded to the nearest whole year, halves to the even one (44.5 "
                "looks up 44, 45.5 looks up 46).");
        }
        sheet.text(std::string("Life expectancy (") + (l.male ? "male" : "female") + ", age " +
                   std::to_string(l.ageKey) + ") = " + figure(l.years) + " years, from the table");
        sheet.text("Weeks of life = " + figure(l.years) + " x 52.25 = " + figure(l.weeks) +
                   ", written into Weeks as " + typed(CStr(l.weeks)));
        sheet.rule(
            "Life expectancy turns into weeks at 52.25 weeks a year, while the discount "
            "runs over 52 weeks a year.");
    }
    if (r.to) {
        const std::int64_t days = DateDiff(r.from, *r.to);
        sheet.text("Weeks = (" + dateFigure(*r.to) + " - " + dateFigure(r.from) +
                   ") / 7 = " + figure(static_cast<double>(days)) + " / 7 = " + figure(r.Weeks));
        sheet.rule("No day is added for the last date.");
        if (r.life) {
            sheet.rule("A To Date wins over the weeks of the life expectancy.");
        }
        return;
    }
    if (r.life) {
        sheet.text("Weeks read back = " + typed(r.weeksRead) + " = " + figure(r.Weeks));
    }
    weeksInDays(sheet, "Days", r.Weeks, r.days);
    sheet.text("To Date = " + dateFigure(r.from) + " + " + figure(r.days) +
               " days = " + dateFigure(r.toDate));
    sheet.rule("The To Date is the From Date plus the days, with no day taken off.");
}

void presentValue(Worksheet& sheet, const PresentValueRecord& r) {
    const DiscountedSum& d = r.discount;
    if (r.rateGiven) {
        sheet.text("Total Comp = " + figure(r.Weeks) + " x " + figure(r.CompRate) + " = " +
                   figure(r.TotalComp) + ", shown " +
                   Format(r.TotalComp, kPresentValueAmountPattern));
    } else {
        sheet.text("Total Comp stays " + figure(r.TotalComp) + ", from the last calculation");
    }
    if (r.DiscountRate != r.interest) {
        sheet.text("Discount rate = " + figure(r.interest) + " / 100 = " + figure(r.DiscountRate));
        sheet.rule("An Interest Rate above 0.99 is a percentage: it is divided by 100.");
    } else {
        sheet.text("Discount rate = " + figure(r.DiscountRate) + " a year");
    }
    const double weekly = r.DiscountRate / kDiscountPeriodsPerYear;
    sheet.text("Weekly discount rate = " + figure(r.DiscountRate) + " / 52 = " + figure(weekly));
    sheet.text("v = 1 / (1 + " + figure(weekly) + ") = 1 / " + figure(d.factor) + " = " +
               figure(1 / d.factor));
    const std::string n = CStr(d.terms);
    const std::string shown = Format(d.sum, kPresentValueAmountPattern);
    sheet.text("Present Value = the sum over i = 1 to " + n + " of " + figure(r.CompRate) +
               " x v^i = " + figure(d.sum) + ", shown " + shown);
    sheet.rule("Only whole weeks count, each week's payment discounted from one week out: " +
               figure(r.Weeks) + " weeks give " + n + " payments.");
    // The closed form of the same sum, for a hand calculator.
    const double vn = std::pow(1 / d.factor, d.terms);
    if (weekly != 0) {
        const double closed = r.CompRate * (1 - vn) / weekly;
        sheet.text("Check: " + figure(r.CompRate) + " x (1 - v^" + n + ") / (" +
                   figure(r.DiscountRate) + " / 52) with v^" + n + " = " + figure(vn) + " gives " +
                   Format(closed, kPresentValueAmountPattern));
    } else {
        sheet.text("Check: with no discount the sum is " + n + " x " + figure(r.CompRate) + " = " +
                   Format(d.terms * r.CompRate, kPresentValueAmountPattern));
    }
}

Worksheet calculated(const PresentValueRecord& r) {
    Worksheet sheet("Present Value");
    inputs(sheet, r);
    constants(sheet, r);
    sheet.heading(std::string(kStepsHeading));
    period(sheet, r);
    presentValue(sheet, r);
    if (r.to) {
        sheet.result(txtWeeks, "Weeks", CStr(r.Weeks));
    } else {
        if (r.life) {
            sheet.result(txtWeeks, "Weeks", r.weeksRead);
        }
        sheet.result(txtToDate, "To Date", CStr(r.toDate));
    }
    if (r.rateGiven) {
        sheet.result(txtTotalComp, "Total Comp", Format(r.TotalComp, kPresentValueAmountPattern));
    }
    sheet.result(txtInterestRate, "Interest Rate", Str(r.DiscountRate));
    sheet.result(txtPresentValue, "Present Value",
                 Format(r.discount.sum, kPresentValueAmountPattern));
    return sheet;
}

}  // namespace

Worksheet presentValueWorksheet(const CalculationLog<PresentValueRecord>& log) {
    return loggedWorksheet(
        "Present Value: how the figures were calculated", log, calculated,
        {{txtFromDate, "From Date"},
         {txtToDate, "To Date"},
         {txtWeeks, "Weeks"},
         {txtAge, "Age"},
         {txtGender, "M/F"},
         {txtRate, "Comp Rate"},
         {txtInterestRate, "Interest Rate"}},
        "What the Calculate had worked out before the check that refused it (the Weeks, the To "
        "Date, the Total Comp) stays on show; the Present Value is that of the Calculate before.");
}

}  // namespace corvell

#include "presentvalue/frmpresentvalueworksheet.h"

#include <cmath>

#include "presentvalue/frmpresentvaluecontrols.h"
#include "presentvalue/lifeexpectancy.h"
#include "shell/daycount.h"
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
    sheet.text(std::string(kRoundingRule));
    sheet.text(r.to ? "Rounding inside the calculation: only the whole weeks of the period are "
                      "discounted; the part of a week at its end counts for nothing."
                    : "Rounding inside the calculation: the days of the weeks are rounded to the "
                      "nearest whole day, a half day to the even one, before they are added to "
                      "the From Date; only the whole weeks of the period are discounted.");
}

// The weeks of the period, and the To Date they give when there is none.
void period(Worksheet& sheet, const PresentValueRecord& r) {
    if (r.life) {
        const PresentValueRecord::Life& l = *r.life;
        sheet.text("Age looked up: " + std::to_string(l.ageKey));
        if (l.age != std::floor(l.age)) {
            sheet.rule(
                "Ages are rounded to the nearest whole year, halves to the even one (44.5 "
                "looks up 44, 45.5 looks up 46): " +
                figure(l.age) + " looks up " + std::to_string(l.ageKey) + ".");
        }
        sheet.text(std::string("Life expectancy from the table (") + (l.male ? "male" : "female") +
                   ", age " + std::to_string(l.ageKey) + "): " + figure(l.years) + " years");
        sheet.step("Weeks of life", {Keyed(l.years) * 52.25, l.weeks});
        sheet.text("The weeks of life are written into Weeks as " + typed(CStr(l.weeks)));
        sheet.rule("Life expectancy turns into weeks at 52.25 weeks a year, " + figure(l.years) +
                   " years into " + figure(l.weeks) +
                   " weeks, while the discount runs over 52 weeks a year.");
    }
    if (r.to) {
        const auto days = static_cast<double>(DateDiff(r.from, *r.to));
        sheet.step("Weeks",
                   {(Keyed::date(*r.to) - Keyed::date(r.from)) / 7, Keyed(days) / 7, r.Weeks});
        sheet.rule("No day is added for the last date: " + dateFigure(r.from) + " to " +
                   dateFigure(*r.to) + " is " + figure(days) + " days.");
        if (r.life) {
            sheet.rule("A To Date wins over the " + figure(r.life->weeks) +
                       " weeks of the life expectancy.");
        }
        return;
    }
    if (r.life) {
        sheet.text("Weeks read back from " + typed(r.weeksRead) + ": " + figure(r.Weeks));
    }
    weeksInDays(sheet, "Days", r.Weeks, r.days);
    sheet.step("To Date",
               {Keyed::date(r.from) + static_cast<double>(r.days), Keyed::date(r.toDate)});
    sheet.rule("The To Date is the From Date plus " + counted(r.days, "day", "days") +
               ", with no day taken off.");
}

void presentValue(Worksheet& sheet, const PresentValueRecord& r) {
    const DiscountedSum& d = r.discount;
    if (r.rateGiven) {
        sheet.step("Total Comp", {Keyed(r.Weeks) * r.CompRate}, r.TotalComp,
                   Format(r.TotalComp, kPresentValueAmountPattern));
    } else {
        sheet.text("Total Comp stays " + figure(r.TotalComp) + ", from the last calculation");
    }
    if (r.DiscountRate != r.interest) {
        sheet.step("Discount rate", {Keyed(r.interest) / 100, r.DiscountRate});
        sheet.rule("An Interest Rate above 0.99 is a percentage: " + figure(r.interest) +
                   " is divided by 100.");
    } else {
        sheet.text("Discount rate: " + figure(r.DiscountRate) + " a year");
    }
    const double weekly = r.DiscountRate / kDiscountPeriodsPerYear;
    sheet.step("Weekly discount rate",
               {Keyed(r.DiscountRate) / 52, Keyed::written(figure(weekly))});
    const double v = 1 / d.factor;
    sheet.step("v", {Keyed(1) / (Keyed(1) + weekly), Keyed(1) / d.factor, v});
    const std::string n = figure(d.terms);
    const std::string shown = Format(d.sum, kPresentValueAmountPattern);
    sheet.rule("Only whole weeks count, each week's payment discounted from one week out: " +
               counted(r.Weeks, "week", "weeks") + " give " +
               counted(d.terms, "payment", "payments") + ".");
    if (d.terms == 0) {
        sheet.text("Present Value: no whole week is discounted, so it is 0, shown " + shown);
        return;
    }
    sheet.text("Present Value: the sum over i from 1 to " + n + " of " + figure(r.CompRate) +
               " x v^i comes to " + figure(d.sum) + ", shown " + shown);
    // The closed form of the same sum, for a hand calculator.
    double check = 0;
    if (weekly == 0) {
        check = d.terms * r.CompRate;
        sheet.step("Check with no discount", {Keyed(d.terms) * r.CompRate, check});
    } else {
        const double vn = std::pow(v, d.terms);
        check = r.CompRate * (1 - vn) / weekly;
        if (!std::isfinite(vn) || !std::isfinite(check)) {
            sheet.text("No check by the closed form: v^" + CStr(d.terms) +
                       " is beyond the range of the computer's numbers.");
            return;
        }
        sheet.text("For the check by the closed form, v^" + CStr(d.terms) + " = " + figure(vn));
        sheet.step("Check", {Keyed(r.CompRate) * (Keyed(1) - vn) / weekly, check});
    }
    const std::string checkShown = Format(check, kPresentValueAmountPattern);
    if (checkShown == shown) {
        sheet.text("The check comes to the Present Value of " + shown + " to the cent.");
    } else {
        sheet.text("The check comes to " + checkShown + " against the Present Value of " + shown +
                   ": the " + n + " payments summed one by one carry the computer's rounding.");
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

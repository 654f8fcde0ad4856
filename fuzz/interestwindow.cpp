#include "fuzz/interestwindow.h"

#include <algorithm>
#include <cmath>

#include "fuzz/expectedanswer.h"
#include "fuzz/figures.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/reading.h"
#include "interest/calculationformcontrols.h"
#include "interest/ledgerlines.h"
#include "shell/format.h"
#include "shell/values.h"
#include "tests/support/worksheetsteps.h"

namespace corvell::fuzz {

using namespace calculationform;

namespace {

constexpr ControlName kInputs[] = {txtBeginningDate, txtEndingDate,    txtRate,       txtWeeks,
                                   txtPaymentDate,   txtPaymentAmount, txtCaseCaption};
constexpr ControlName kResults[] = {
    lblDays,           txtTotalDays,  txtTotalComp,   txtAccruedInterest,
    txtSimpleInterest, txtSimpleDays, txtTotalAmount, txtNetAmount};
constexpr const char* kPaymentBeforeEnding =
    " Payment Date is before Ending Date - make two entries";
constexpr const char* kMoney = "#,###,##0.00";

// The ledger shows in its panel and keeps its entries, their count and totals.
// The panel and its column headings, which widen with its figures.
bool isLedgerPanel(ControlName control) {
    return control == List1 || control == Label11;
}
bool isLedgerPart(std::string_view kept) {
    return kept.ends_with("Total") || kept == "EntryCount";
}

bool paymentBeforeEnding(const Fired& f) {
    return f.refused() && f.reaction.message->text.ends_with(kPaymentBeforeEnding);
}

void expectUnchanged(const Fired& f, std::initializer_list<ControlName> controlsMayChange,
                     std::initializer_list<std::string_view> keptMayChange = {}) {
    const std::string changed = firstChange(f.before, f.after, controlsMayChange, keptMayChange);
    FUZZ_CHECK(changed.empty(), "%s changed %s", f.describe().c_str(), changed.c_str());
}

// The amounts and the ending date of an entry, which every step compares.
bool sameFigures(const LedgerEntry& a, const LedgerEntry& b) {
    return a.PayAmount == b.PayAmount && a.SimpleAmount == b.SimpleAmount &&
           a.AccruedAmount == b.AccruedAmount && a.CompAmount == b.CompAmount &&
           a.TotalAmountValue == b.TotalAmountValue && a.RateValue == b.RateValue &&
           a.EndDateValue == b.EndDateValue;
}

// A stored entry's texts read back as the amounts it keeps.
void checkEntry(const LedgerEntry& e, int n, const Fired& f) {
    const auto amountOf = [](const std::string& text) { return typedNumber(text); };
    const auto end = typedDate(e.EndText);
    FUZZ_CHECK(typedDate(e.BeginText) && end && end->day == e.EndDateValue.day,
               "%s stored entry %d from %s to %s", f.describe().c_str(), n, e.BeginText.c_str(),
               e.EndText.c_str());
    FUZZ_CHECK(!e.hasPaymentDate() || typedDate(e.PayDateText), "%s stored entry %d paid on \"%s\"",
               f.describe().c_str(), n, e.PayDateText.c_str());
    const std::pair<const std::string*, double> amounts[] = {
        {&e.PayAmountText, e.PayAmount}, {&e.RateText, e.RateValue},
        {&e.CompText, e.CompAmount},     {&e.AccruedText, e.AccruedAmount},
        {&e.SimpleText, e.SimpleAmount}, {&e.TotalText, e.TotalAmountValue}};
    for (const auto& [text, value] : amounts) {
        const auto shown = amountOf(*text);
        FUZZ_CHECK(shown && std::isfinite(value) &&
                       std::fabs(*shown - value) <= 0.005 * (1 + 1e-9) + std::fabs(value) * 1e-14,
                   "%s stored entry %d with \"%s\" for %.17g", f.describe().c_str(), n,
                   text->c_str(), value);
    }
}

// The model's entry against the one these checks worked out.
void expectEntry(const LedgerEntry& stored, const ExpectedEntry& e, int n, const Fired& f) {
    const double interestScale = std::fabs(e.total) + std::fabs(e.comp) + std::fabs(e.accrued);
    FUZZ_CHECK(stored.EndDateValue == e.end && stored.PayAmount == e.payment &&
                   nearFigure(stored.CompAmount, e.comp, e.comp) &&
                   nearFigure(stored.AccruedAmount, e.accrued, e.accrued) &&
                   nearFigure(stored.SimpleAmount, e.simple, interestScale) &&
                   nearFigure(stored.TotalAmountValue, e.total, interestScale),
               "%s stored entry %d as %.17g comp, %.17g accrued, %.17g simple, %.17g total; the "
               "rules make it %.17g, %.17g, %.17g, %.17g",
               f.describe().c_str(), n, stored.CompAmount, stored.AccruedAmount,
               stored.SimpleAmount, stored.TotalAmountValue, e.comp, e.accrued, e.simple, e.total);
    const bool paidText = stored.hasPaymentDate();
    FUZZ_CHECK(
        paidText == e.paid.has_value() && (!paidText || typedDate(stored.PayDateText) == e.paid),
        "%s stored entry %d paid on \"%s\"", f.describe().c_str(), n, stored.PayDateText.c_str());
}

// Leaving a date field completes bare digits and writes the date out; a
// date is kept, other text refused as it then reads (a refused payment date
// keeps none), and empty text or blanks change nothing.
void checkDateLeft(const Fired& f, const char* kept) {
    const ControlName field = f.action.control;
    const std::string shown = dateWrittenOut(digitsCompleted(f.before.text(field)));
    const std::optional<Date> date = typedDate(shown);
    const bool none = field == txtPaymentDate ? isBlank(shown) : shown.empty();
    const bool refused =
        expectAnswer(f, none || date ? Expected{} : Expected::of(notADate(shown, field)));
    FUZZ_CHECK(f.after.text(field) == shown, "%s left \"%s\" as \"%s\", not \"%s\"",
               f.describe().c_str(), f.before.text(field).c_str(), f.after.text(field).c_str(),
               shown.c_str());
    const double keeps = none || (refused && field != txtPaymentDate) ? f.before.number(kept)
                         : refused                                    ? kNoDate.day
                                                                      : date->day;
    FUZZ_CHECK(f.after.number(kept) == keeps, "%s keeps day %g for \"%s\", not %g",
               f.describe().c_str(), f.after.number(kept), shown.c_str(), keeps);
}

void checkLeaving(const Fired& f) {
    const ControlName field = f.action.control;
    if (field == txtRate) {
        expectUnchanged(f, {txtRate});
        expectRateFieldLeft(f, kRateRule);
        // With the period ended by a date, the weeks are skipped.
        FUZZ_CHECK(f.refused() || f.focusOn(txtPaymentDate) ==
                                      typedDate(f.before.text(txtEndingDate)).has_value(),
                   "%s sends the focus elsewhere", f.describe().c_str());
    } else if (field == txtPaymentDate) {
        expectUnchanged(f, {txtPaymentDate}, {"PaymentDate"});
        checkDateLeft(f, "PaymentDate");
    } else {
        // A date that is refused leaves the kept date as it was.
        const char* kept = field == txtBeginningDate ? "BeginDate" : "EndDate";
        if (f.refused()) {
            expectUnchanged(f, {field}, {"EntryCalculated"});
        } else {
            expectUnchanged(f, {field}, {"EntryCalculated", kept});
        }
        checkDateLeft(f, kept);
    }
}

}  // namespace

Window interestWindow(const InterestModel& model) {
    Window w;
    w.fields = {{txtBeginningDate, Shows::Date},
                {txtEndingDate, Shows::Date},
                {txtRate, Shows::Number},
                {txtWeeks, Shows::Number},
                {txtPaymentDate, Shows::Date},
                {txtPaymentAmount, Shows::Number},
                {txtCaseCaption},
                {lblDays, Shows::Number},
                {txtTotalDays, Shows::Number},
                {txtTotalComp, Shows::Number},
                {txtAccruedInterest, Shows::Number},
                {txtSimpleInterest, Shows::Number},
                {txtSimpleDays, Shows::Number},
                {txtTotalAmount, Shows::Number},
                {txtNetAmount, Shows::Number}};
    w.actions = {{cmdCalculate},
                 {cmdSave},
                 {cmdNextEntry},
                 {cmdPrint},
                 {cmdClear},
                 {List1, Event::DblClick},
                 {txtBeginningDate, Event::LostFocus},
                 {txtEndingDate, Event::LostFocus},
                 {txtPaymentDate, Event::LostFocus},
                 {txtRate, Event::LostFocus}};
    w.kept = [&model](Kept& k) {
        k.numbers.reserve(25);
        const CalculationValues& v = model.values();
        const EntryFigures& e = model.figures();
        const LedgerState& s = model.state();
        const LedgerTotals& t = model.totals();
        for (const auto& [name, value] :
             {std::pair<const char*, double>{"BeginDate", v.BeginDate.day},
              {"EndDate", v.EndDate.day},
              {"PaymentDate", v.PaymentDate.day},
              {"Weeks", v.Weeks},
              {"Days", v.Days},
              {"CompRate", v.CompRate},
              {"TotalComp", v.TotalComp},
              {"PartWeekDays", e.PartWeekDays},
              {"PaymentAmount", e.PaymentAmount},
              {"SimpleDays", e.SimpleDays},
              {"AccruedInterest", e.AccruedInterest},
              {"SimpleInterest", e.SimpleInterest},
              {"TotalAmount", e.TotalAmount},
              {"CurrentEntry", s.CurrentEntry},
              {"NewEntryPending", s.NewEntryPending},
              {"EntryCalculated", s.EntryCalculated},
              {"EntrySaved", s.EntrySaved},
              {"EntryCount", model.ledger().EntryCount()},
              {"PaymentsTotal", t.PaymentsTotal},
              {"AccruedTotal", t.AccruedTotal},
              {"SimpleTotal", t.SimpleTotal},
              {"CompTotal", t.CompTotal},
              {"AmountTotal", t.AmountTotal},
              {"NetTotal", t.NetTotal}}) {
            k.add(name, value);
        }
        k.add("TotalDays", e.TotalDays);
    };
    return w;
}

std::span<const ExpectedEntry> InterestChecks::earlierEntries() const {
    const auto count =
        std::min(static_cast<std::size_t>(std::max(currentEntry_ - 1, 0)), entries_.size());
    return std::span<const ExpectedEntry>(entries_).first(count);
}

void InterestChecks::checkCalculation(const Fired& f, const ExpectedCalculation& c) {
    expectUnchanged(
        f,
        {lblDays, txtTotalDays, txtTotalComp, txtAccruedInterest, txtSimpleInterest, txtSimpleDays,
         txtTotalAmount, txtNetAmount, txtEndingDate, txtWeeks, cmdSave},
        {"BeginDate", "EndDate", "PaymentDate", "Weeks", "Days", "CompRate", "TotalComp",
         "PartWeekDays", "PaymentAmount", "SimpleDays", "AccruedInterest", "SimpleInterest",
         "TotalAmount", "TotalDays", "EntryCalculated", "EntrySaved"});
    const Snapshot& b = f.before;
    const Snapshot& a = f.after;
    FUZZ_CHECK(
        a.number("EntryCalculated") == 1 && a.number("EntrySaved") == 0 && a.enabled(cmdSave),
        "%s leaves the entry not calculated", f.describe().c_str());

    // The period.
    FUZZ_CHECK(a.number("BeginDate") == c.begin.day && a.number("EndDate") == c.end.day,
               "%s keeps the period %g to %g, not %d to %d", f.describe().c_str(),
               a.number("BeginDate"), a.number("EndDate"), c.begin.day, c.end.day);
    FUZZ_CHECK(a.text(txtEndingDate) == (c.endFromWeeks ? dateText(c.end) : b.text(txtEndingDate)),
               "%s shows the ending date \"%s\" for %s weeks", f.describe().c_str(),
               a.text(txtEndingDate).c_str(), b.text(txtWeeks).c_str());
    const auto days = static_cast<double>(c.days);
    const auto weeks = static_cast<double>(c.weeks);
    const auto partWeek = static_cast<double>(c.partWeekDays);
    FUZZ_CHECK(a.text(txtTotalDays) == Format(days, "##,###") && a.text(txtWeeks) == CStr(weeks) &&
                   a.text(lblDays) == CStr(partWeek),
               "%s shows %s days, %s weeks and %s days for %g days", f.describe().c_str(),
               a.text(txtTotalDays).c_str(), a.text(txtWeeks).c_str(), a.text(lblDays).c_str(),
               days);
    FUZZ_CHECK(a.number("Weeks") == weeks && a.number("PartWeekDays") == partWeek,
               "%s keeps %g weeks and %g days for %g days", f.describe().c_str(), a.number("Weeks"),
               a.number("PartWeekDays"), days);

    // The compensation.
    if (c.hasRate) {
        expectFigure(f, txtTotalComp, c.comp, c.comp, kMoney);
    } else {
        FUZZ_CHECK(a.text(txtTotalComp).empty(), "%s without a rate shows compensation",
                   f.describe().c_str());
    }
    FUZZ_CHECK(a.number("CompRate") == c.rate && nearFigure(a.number("TotalComp"), c.comp, c.comp),
               "%s keeps the rate %.17g and compensation %.17g", f.describe().c_str(),
               a.number("CompRate"), a.number("TotalComp"));
    FUZZ_CHECK(a.number("PaymentAmount") == c.payment, "%s keeps another payment",
               f.describe().c_str());

    // The interest.
    FUZZ_CHECK(paymentBeforeEnding(f) == c.paidBeforeEnd, "%s for a payment dated \"%s\"",
               f.describe().c_str(), b.text(txtPaymentDate).c_str());
    if (c.paidBeforeEnd) {
        FUZZ_CHECK(f.focusOn(txtEndingDate), "%s focuses elsewhere", f.describe().c_str());
    }
    if (c.figured) {
        FUZZ_CHECK(a.number("PaymentDate") == c.paid.day, "%s figured interest to %g, not %d",
                   f.describe().c_str(), a.number("PaymentDate"), c.paid.day);
        expectFigure(f, txtAccruedInterest, c.accrued, c.accrued, kMoney);
        const bool shows = !a.text(txtSimpleInterest).empty();
        if (shows && (c.simpleShown || c.simpleShownUncertain)) {
            expectFigure(f, txtSimpleInterest, c.simple, c.simpleScale, "###,##0.00");
            FUZZ_CHECK(std::find(c.simpleDaysTexts.begin(), c.simpleDaysTexts.end(),
                                 a.text(txtSimpleDays)) != c.simpleDaysTexts.end(),
                       "%s shows %s simple days, the rules make it %s", f.describe().c_str(),
                       a.text(txtSimpleDays).c_str(), c.simpleDaysTexts.front().c_str());
        } else {
            FUZZ_CHECK(!shows && !c.simpleShown && a.text(txtSimpleDays).empty(),
                       "%s shows simple interest \"%s\" over \"%s\" days, the rules make it "
                       "%.17g",
                       f.describe().c_str(), a.text(txtSimpleInterest).c_str(),
                       a.text(txtSimpleDays).c_str(), c.simple);
        }
    } else {
        FUZZ_CHECK(a.text(txtAccruedInterest).empty() && a.text(txtSimpleInterest).empty() &&
                       a.text(txtSimpleDays).empty() && a.number("PaymentDate") == 0 &&
                       a.number("AccruedInterest") == 0 && a.number("SimpleInterest") == 0,
                   "%s figured interest without a payment date on or after the ending date",
                   f.describe().c_str());
    }
    FUZZ_CHECK(nearFigure(a.number("AccruedInterest"), c.accrued, c.accrued) &&
                   nearFigure(a.number("SimpleInterest"), c.simple, c.simpleScale) &&
                   nearFigure(a.number("TotalAmount"), c.total, c.totalScale),
               "%s keeps %.17g accrued, %.17g simple, %.17g total; the rules make it %.17g, "
               "%.17g, %.17g",
               f.describe().c_str(), a.number("AccruedInterest"), a.number("SimpleInterest"),
               a.number("TotalAmount"), c.accrued, c.simple, c.total);
    expectFigure(f, txtTotalAmount, c.total, c.totalScale, kMoney);
    expectFigure(f, txtNetAmount, c.net, c.netScale, kMoney);
    calculated_ = c.entry();
}

// The panel and the totals against the entries they are built from. A Save
// writes one entry; the lines of the others must stand as the previous
// panel showed them (checked when it was built), so only the written entry's
// line is built again here.
void InterestChecks::checkLedger(const Fired& f) {
    const Ledger& ledger = model_.ledger();
    const int n = ledger.EntryCount();
    FUZZ_CHECK(n >= 0 && n <= kLedgerCapacity && n == static_cast<int>(entries_.size()),
               "%s leaves %d entries, the ledger cycle makes it %zu", f.describe().c_str(), n,
               entries_.size());
    const Lines& panel = model_.lines(List1);
    if (panel.empty()) {
        FUZZ_CHECK(n == 0, "%s leaves %d entries and no panel", f.describe().c_str(), n);
        FUZZ_CHECK(model_.text(Label11) == kPanelHeading, "%s leaves wide headings over no panel",
                   f.describe().c_str());
        seen_.clear();
        panelWidths_ = ColumnWidth;
        return;
    }
    FUZZ_CHECK(panel.size() == static_cast<std::size_t>(n) + 2, "%s: %zu panel lines, %d entries",
               f.describe().c_str(), panel.size(), n);
    const Lines& before = f.before.lines(List1);
    const ControlName control = f.action.control;
    // While no figure widens a column, an entry's line is its line alone;
    // when the widths change, every line is laid out again in them.
    // The widths are worked out from the whole ledger again when they change
    // (the headings show it), and lines checked in them.
    const bool widthsChanged = model_.text(Label11) != f.before.text(Label11);
    if (widthsChanged) {
        panelWidths_ = panelLines(ledger).widths;
        FUZZ_CHECK(model_.text(Label11) == panelHeading(panelWidths_),
                   "%s: the panel headings do not fit its columns", f.describe().c_str());
    }
    LedgerTotals sums;
    double scale = 0;
    seen_.resize(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        const LedgerEntry& e = ledger.entry(i);
        const auto line = static_cast<std::size_t>(i - 1);
        // The entry a Save wrote, and any whose amounts changed; the texts
        // of the others are compared in full when they are printed or
        // recalled.
        const bool written = control == cmdSave && i == currentEntry_;
        if (written || widthsChanged || !sameFigures(e, seen_[line]) || line + 2 >= before.size()) {
            FUZZ_CHECK(panel[line] == panelLine(e, panelWidths_),
                       "%s: panel line %zu is not its entry:\n  \"%s\"\n  \"%s\"",
                       f.describe().c_str(), line, panel[line].c_str(),
                       panelLine(e, panelWidths_).c_str());
            checkEntry(e, i, f);
            seen_[line] = e;
        } else {
            FUZZ_CHECK(panel[line] == before[line], "%s: panel line %zu changed, its entry did not",
                       f.describe().c_str(), line);
        }
        sums.PaymentsTotal += e.PayAmount;
        sums.AccruedTotal += e.AccruedAmount;
        sums.SimpleTotal += e.SimpleAmount;
        sums.CompTotal += e.CompAmount;
        sums.AmountTotal += e.TotalAmountValue;
        const ExpectedEntry& x = entries_[line];
        scale +=
            std::fabs(x.total) + std::fabs(x.comp) + std::fabs(x.accrued) + std::fabs(x.payment);
    }
    sums.NetTotal = sums.AmountTotal - sums.PaymentsTotal;
    const LedgerTotals& t = model_.totals();
    FUZZ_CHECK(t.PaymentsTotal == sums.PaymentsTotal && t.AccruedTotal == sums.AccruedTotal &&
                   t.SimpleTotal == sums.SimpleTotal && t.CompTotal == sums.CompTotal &&
                   t.AmountTotal == sums.AmountTotal && t.NetTotal == sums.NetTotal,
               "%s: the totals are not the sums of the entries", f.describe().c_str());
    FUZZ_CHECK(panel[static_cast<std::size_t>(n)].empty() && panel.back() == panelTotalsLine(sums),
               "%s: the totals line reads \"%s\"", f.describe().c_str(), panel.back().c_str());
    // And the sums of the entries as these checks worked them out.
    double payments = 0;
    double amounts = 0;
    for (const ExpectedEntry& x : entries_) {
        payments += x.payment;
        amounts += x.total;
    }
    FUZZ_CHECK(t.PaymentsTotal == payments && nearFigure(t.AmountTotal, amounts, scale) &&
                   nearFigure(t.NetTotal, amounts - payments, scale),
               "%s totals %.17g less %.17g paid; the rules make it %.17g less %.17g",
               f.describe().c_str(), t.AmountTotal, t.PaymentsTotal, amounts, payments);
}

std::optional<std::string> InterestChecks::overlapQuestion(int target, bool appends) const {
    const ExpectedEntry& saving = *calculated_;
    for (int i = 1; i <= static_cast<int>(entries_.size()); ++i) {
        const ExpectedEntry& saved = entries_[static_cast<std::size_t>(i - 1)];
        // An entry written again in place is not compared with itself.
        if ((!appends && i == target) || saving.begin > saved.end || saved.begin > saving.end) {
            continue;
        }
        return dateText(saving.begin) + " - " + dateText(saving.end) + " overlaps entry " +
               std::to_string(i) + " (" + dateText(saved.begin) + " - " + dateText(saved.end) +
               "). Save it anyway?";
    }
    return std::nullopt;
}

void InterestChecks::checkSave(const Fired& f) {
    if (!f.before.enabled(cmdSave)) {
        return;  // nothing calculated to save
    }
    FUZZ_CHECK(calculated_.has_value(), "%s enabled with nothing calculated", f.describe().c_str());
    // Where the entry goes: entry 1 to start with, after the last one when a
    // new entry is open, else over the recalled one; never past 100.
    const int count = static_cast<int>(entries_.size());
    const int target = currentEntry_ == 0 ? 1 : currentEntry_;
    const bool appends = currentEntry_ == 0 || newEntryPending_;
    const bool full = target > kLedgerCapacity || (appends && count >= kLedgerCapacity);
    FUZZ_CHECK(f.refused() == full, "%s writing entry %d of %d", f.describe().c_str(), target,
               count);
    if (full) {
        return;
    }
    // A period that shares a day with another saved entry's is asked about
    // first; No saves nothing and goes back to the beginning date.
    const std::optional<std::string> overlap = overlapQuestion(target, appends);
    FUZZ_CHECK(f.asked == overlap, "%s; the rules ask %s", f.describe().c_str(),
               overlap ? overlap->c_str() : "nothing");
    if (overlap && !f.answeredYes) {
        expectUnchanged(f, {});
        FUZZ_CHECK(f.focusOn(txtBeginningDate), "%s sends the focus elsewhere",
                   f.describe().c_str());
        return;
    }
    if (currentEntry_ == 0) {
        newEntryPending_ = true;
        currentEntry_ = 1;
    }
    if (newEntryPending_) {
        entries_.emplace_back();
        newEntryPending_ = false;
    }
    entries_[static_cast<std::size_t>(currentEntry_ - 1)] = *calculated_;

    const Snapshot& a = f.after;
    FUZZ_CHECK(a.number("EntrySaved") == 1 && !a.enabled(cmdSave) && a.enabled(cmdPrint) &&
                   a.enabled(cmdNextEntry),
               "%s leaves the buttons wrong", f.describe().c_str());
    // No field changes, and of the entries only the current one is written.
    const std::string changed = firstChangeWhere(
        f.before, a,
        [](ControlName control) {
            return isLedgerPanel(control) || control == cmdSave || control == cmdPrint ||
                   control == cmdNextEntry;
        },
        [&](std::string_view name) {
            return isLedgerPart(name) || name == "CurrentEntry" || name == "NewEntryPending" ||
                   name == "EntrySaved";
        });
    FUZZ_CHECK(changed.empty(), "%s changed %s", f.describe().c_str(), changed.c_str());
    const Ledger& ledger = model_.ledger();
    for (int i = 1; i <= std::min(ledger.EntryCount(), static_cast<int>(seen_.size())); ++i) {
        FUZZ_CHECK(i == currentEntry_ ||
                       sameFigures(ledger.entry(i), seen_[static_cast<std::size_t>(i - 1)]),
                   "%s wrote entry %d, not entry %d", f.describe().c_str(), i, currentEntry_);
    }
    expectEntry(ledger.entry(currentEntry_), *calculated_, currentEntry_, f);
}

void InterestChecks::checkNextEntry(const Fired& f) {
    if (f.refused()) {
        return;
    }
    expectUnchanged(f,
                    {txtBeginningDate, txtEndingDate, txtTotalDays, txtWeeks, lblDays, txtRate,
                     txtTotalComp, txtPaymentAmount, txtSimpleDays, txtTotalAmount, txtNetAmount,
                     txtSimpleInterest, txtAccruedInterest},
                    {"BeginDate", "Weeks", "PartWeekDays", "CompRate", "TotalComp", "PaymentAmount",
                     "CurrentEntry", "NewEntryPending", "EntrySaved", "EntryCalculated"});
    const Snapshot& a = f.after;
    const int n = static_cast<int>(entries_.size());
    FUZZ_CHECK(n >= 1 && a.number("EntrySaved") == 0 && a.number("EntryCalculated") == 0,
               "%s opens an entry after %d", f.describe().c_str(), n);
    currentEntry_ = n + 1;
    newEntryPending_ = true;
    const Date next{entries_.back().end.day + 1};
    FUZZ_CHECK(a.number("BeginDate") == next.day && a.text(txtBeginningDate) == dateText(next),
               "%s begins on %s", f.describe().c_str(), a.text(txtBeginningDate).c_str());
    expectEmptied(f, {txtEndingDate, txtWeeks, txtRate, txtPaymentAmount});
    expectEmptied(f, kResults);
}

void InterestChecks::checkRecall(const Fired& f) {
    const int line = f.line;
    const std::string what = f.describe() + " on line " + std::to_string(line);
    const int n = static_cast<int>(entries_.size());
    if (line < 0 || line >= n || line >= kLedgerCapacity) {
        const std::string changed = firstChange(f.before, f.after);
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        return;
    }
    currentEntry_ = line + 1;
    newEntryPending_ = false;
    calculated_.reset();
    // The entry as it was saved, which no step since has touched.
    const LedgerEntry& e = seen_[static_cast<std::size_t>(line)];
    FUZZ_CHECK(model_.ledger().entry(line + 1) == e, "%s: entry %d changed since it was saved",
               what.c_str(), line + 1);
    const Snapshot& a = f.after;
    FUZZ_CHECK(a.text(txtBeginningDate) == e.BeginText && a.text(txtEndingDate) == e.EndText &&
                   a.text(txtTotalComp) == e.CompText && a.text(txtTotalAmount) == e.TotalText &&
                   a.text(txtRate) == CStr(e.RateValue) &&
                   a.number("EndDate") == e.EndDateValue.day,
               "%s brought back another entry", what.c_str());
    const ExpectedEntry& x = entries_[static_cast<std::size_t>(line)];
    expectFigure(
        f, txtNetAmount, x.total - x.payment,
        std::fabs(x.total) + std::fabs(x.payment) + std::fabs(x.comp) + std::fabs(x.accrued),
        kMoney);
    FUZZ_CHECK(!a.enabled(cmdSave), "%s left Save enabled", what.c_str());
    FUZZ_CHECK(a.text(txtCaseCaption) == f.before.text(txtCaseCaption) &&
                   a.number("EntryCalculated") == f.before.number("EntryCalculated") &&
                   a.number("EntrySaved") == f.before.number("EntrySaved"),
               "%s changed the caption or the flags", what.c_str());
}

void InterestChecks::checkClear(const Fired& f) {
    entries_.clear();
    currentEntry_ = 0;
    newEntryPending_ = true;
    calculated_.reset();
    const Snapshot& a = f.after;
    expectEmptied(f, kInputs);
    expectEmptied(f, kResults);
    FUZZ_CHECK(a.lines(List1).empty() && !a.enabled(cmdPrint) && !a.enabled(cmdSave),
               "%s left a ledger behind", f.describe().c_str());
    FUZZ_CHECK(a.number("EntryCalculated") == f.before.number("EntryCalculated") &&
                   a.number("EntrySaved") == f.before.number("EntrySaved"),
               "%s changed the entry's flags", f.describe().c_str());
}

// The printed ledger: every entry line in order, then the totals of the last Save.
void InterestChecks::checkPrint(const Fired& f) const {
    if (!f.reaction.print) {
        return;
    }
    expectLedgerAsSeen(f, true);
    const Lines& lines = f.printed;
    const int n = model_.ledger().EntryCount();
    const std::size_t needed = 3 * static_cast<std::size_t>(n) + 1;
    FUZZ_CHECK(lines.size() >= needed && lines.back() == reportTotalsLine(model_.totals()),
               "%s printed \"%s\" last", f.describe().c_str(),
               lines.empty() ? "" : lines.back().c_str());
    // The report lays its entries out in the widths its widest figures need.
    const LedgerLines report = reportLines(model_.ledger());
    for (int i = 1; i <= n; ++i) {
        const std::size_t at = lines.size() - 1 - 3 * static_cast<std::size_t>(n - i + 1);
        FUZZ_CHECK(lines[at] == report.lines[static_cast<std::size_t>(i - 1)],
                   "%s printed \"%s\" for entry %d", f.describe().c_str(), lines[at].c_str(), i);
    }
    // The ledger's worksheet, as Export Worksheet PDF would print it.
    const std::optional<Worksheet> sheet = f.reaction.print->worksheet();
    FUZZ_CHECK(sheet.has_value(), "%s has no ledger worksheet", f.describe().c_str());
    const std::optional<std::string> wrong = firstWrongStep(*sheet);
    FUZZ_CHECK(!wrong, "%s: a ledger worksheet step does not key right: %s", f.describe().c_str(),
               wrong->c_str());
}

void InterestChecks::expectLedgerAsSeen(const Fired& f, bool everything) const {
    const Ledger& ledger = model_.ledger();
    FUZZ_CHECK(ledger.EntryCount() == static_cast<int>(seen_.size()), "%s: %d entries, %zu saved",
               f.describe().c_str(), ledger.EntryCount(), seen_.size());
    for (std::size_t i = 0; i < seen_.size(); ++i) {
        const LedgerEntry& e = ledger.entry(static_cast<int>(i) + 1);
        FUZZ_CHECK(everything ? e == seen_[i] : sameFigures(e, seen_[i]), "%s changed entry %zu",
                   f.describe().c_str(), i + 1);
    }
}

// Where the model stands in the ledger cycle, as these checks followed it.
void InterestChecks::expectState(const Fired& f) const {
    const Snapshot& a = f.after;
    FUZZ_CHECK(a.number("EntryCount") == static_cast<double>(entries_.size()) &&
                   a.number("CurrentEntry") == currentEntry_ &&
                   a.number("NewEntryPending") == (newEntryPending_ ? 1 : 0),
               "%s leaves entry %g of %g current (pending %g); the ledger cycle makes it %d of "
               "%zu (pending %d)",
               f.describe().c_str(), a.number("CurrentEntry"), a.number("EntryCount"),
               a.number("NewEntryPending"), currentEntry_, entries_.size(),
               newEntryPending_ ? 1 : 0);
}

bool InterestChecks::changesWorksheet(const Fired& f) const {
    const ControlName control = f.action.control;
    if (control == List1) {
        // Only a line with an entry recalls one.
        return f.line >= 0 && f.line < static_cast<int>(entries_.size());
    }
    const bool ran = f.action.event == Event::Click && f.before.enabled(control);
    return ran && (control == cmdClear || (control == cmdNextEntry && !f.refused()));
}

void InterestChecks::check(const Fired& f) {
    const ControlName control = f.action.control;
    const bool button = f.action.event == Event::Click;
    if (button && !f.before.enabled(control)) {
        expectUnchanged(f, {});  // a disabled button does nothing
        expectState(f);
        return;
    }
    std::optional<ExpectedCalculation> calculation;
    if (control == cmdCalculate) {
        const Snapshot& b = f.before;
        const CalculationAnswer answer = expectCalculation(
            CalculationInput{b.text(txtBeginningDate), b.text(txtEndingDate), b.text(txtRate),
                             b.text(txtWeeks), b.text(txtPaymentDate), b.text(txtPaymentAmount)},
            earlierEntries());
        // A payment dated before the ending date is refused after the figures are shown.
        if (!expectAnswer(f, answer.expected) || paymentBeforeEnding(f)) {
            calculation = answer.calculation;
        }
    }
    const bool calculated = calculation.has_value();
    if (button && f.refused() && !calculated) {
        expectUnchanged(f, {});
    } else if (control != cmdSave && control != cmdClear) {
        const std::string changed = firstChangeWhere(
            f.before, f.after, [](ControlName c) { return !isLedgerPanel(c); },
            [](std::string_view kept) { return !isLedgerPart(kept); });
        FUZZ_CHECK(changed.empty(), "%s changed %s", f.describe().c_str(), changed.c_str());
    }
    if (calculated) {
        checkCalculation(f, *calculation);
    } else if (control == cmdSave) {
        checkSave(f);
    } else if (control == cmdNextEntry) {
        checkNextEntry(f);
    } else if (control == List1) {
        checkRecall(f);
    } else if (control == cmdClear) {
        checkClear(f);
    } else if (control == cmdPrint) {
        checkPrint(f);
    } else if (f.action.event == Event::LostFocus) {
        checkLeaving(f);
    }
    if (control == cmdSave || control == cmdClear) {
        checkLedger(f);
    } else {
        expectLedgerAsSeen(f, false);
    }
    expectState(f);
}

}  // namespace corvell::fuzz

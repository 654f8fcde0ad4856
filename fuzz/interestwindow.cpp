#include "fuzz/interestwindow.h"

#include <cmath>
#include <cstdint>

#include "fuzz/fuzzcheck.h"
#include "interest/calculationformcontrols.h"
#include "interest/ledgerlines.h"
#include "shell/format.h"
#include "shell/values.h"

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

// A fingerprint of everything an entry holds (FNV-1a, 64 bits, as a short
// text), so snapshots can compare entries cheaply; an entry never written
// has the empty text.
std::string entryKey(const LedgerEntry& e) {
    if (e == LedgerEntry{}) {
        return {};
    }
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            hash = (hash ^ bytes[i]) * 1099511628211ull;
        }
        hash = (hash ^ 0xff) * 1099511628211ull;  // ends each piece
    };
    for (const std::string* t :
         {&e.BeginText, &e.EndText, &e.PayDateText, &e.PayAmountText, &e.WeeksText, &e.DaysText,
          &e.RateText, &e.CompText, &e.AccruedText, &e.SimpleText, &e.TotalText, &e.TotalDaysText,
          &e.SimpleDaysText}) {
        mix(t->data(), t->size());
    }
    for (double v : {e.PayAmount, e.SimpleAmount, e.AccruedAmount, e.CompAmount, e.TotalAmountValue,
                     e.RateValue, static_cast<double>(e.EndDateValue.day)}) {
        mix(&v, sizeof v);
    }
    return std::string(reinterpret_cast<const char*>(&hash), sizeof hash);
}

// The ledger shows in its panel and keeps its entries, their count and totals.
bool isLedgerPanel(ControlName control) {
    return control == List1;
}
bool isLedgerPart(std::string_view kept) {
    return kept.starts_with("entry ") || kept.ends_with("Total") || kept == "EntryCount";
}

bool paymentBeforeEnding(const Fired& f) {
    return f.refused() && f.reaction.message->text.ends_with(kPaymentBeforeEnding);
}

void expectUnchanged(const Fired& f, std::initializer_list<ControlName> controlsMayChange,
                     std::initializer_list<std::string_view> keptMayChange = {}) {
    const std::string changed = firstChange(f.before, f.after, controlsMayChange, keptMayChange);
    FUZZ_CHECK(changed.empty(), "%s changed %s", f.describe().c_str(), changed.c_str());
}

// An amount field shows the value to its two decimals.
void expectShows(const Fired& f, ControlName field, double value) {
    FUZZ_CHECK(showsValue(shown(f.after, field), value, 2), "%s shows %s \"%s\" for %.17g",
               f.describe().c_str(), nameOf(field).c_str(), f.after.text(field).c_str(), value);
}

void checkCalculation(const Fired& f) {
    const std::string what = f.describe();
    expectUnchanged(
        f,
        {lblDays, txtTotalDays, txtTotalComp, txtAccruedInterest, txtSimpleInterest, txtSimpleDays,
         txtTotalAmount, txtNetAmount, txtEndingDate, txtWeeks, cmdSave},
        {"BeginDate", "EndDate", "PaymentDate", "Weeks", "Days", "CompRate", "TotalComp",
         "PartWeekDays", "PaymentAmount", "SimpleDays", "AccruedInterest", "SimpleInterest",
         "TotalAmount", "TotalDays", "EntryCalculated", "EntrySaved"});
    const Snapshot& a = f.after;
    FUZZ_CHECK(a.number("EntryCalculated") == 1 && a.number("EntrySaved") == 0 &&
                   a.controls.at(cmdSave).enabled,
               "%s leaves the entry not calculated", what.c_str());

    const auto begin = CDate(f.before.text(txtBeginningDate));
    const auto end = CDate(a.text(txtEndingDate));
    FUZZ_CHECK(begin && a.number("BeginDate") == begin->day, "%s keeps another beginning date",
               what.c_str());
    FUZZ_CHECK(end && a.number("EndDate") == end->day, "%s keeps another ending date than \"%s\"",
               what.c_str(), a.text(txtEndingDate).c_str());
    const double days = static_cast<double>(DateDiff(*begin, *end) + 1);
    const double weeks = a.number("Weeks");
    const double partWeek = a.number("PartWeekDays");
    FUZZ_CHECK(days >= 1 && shown(a, txtTotalDays) == days, "%s shows %s days for %g", what.c_str(),
               a.text(txtTotalDays).c_str(), days);
    FUZZ_CHECK(partWeek >= 0 && partWeek <= 6 && weeks * 7 + partWeek == days,
               "%s: %g weeks and %g days for %g days", what.c_str(), weeks, partWeek, days);
    FUZZ_CHECK(a.text(txtWeeks) == CStr(weeks) && a.text(lblDays) == CStr(partWeek),
               "%s shows %s weeks %s days", what.c_str(), a.text(txtWeeks).c_str(),
               a.text(lblDays).c_str());

    const std::string& rate = f.before.text(txtRate);
    if (rate.empty()) {
        FUZZ_CHECK(
            a.number("CompRate") == 0 && a.number("TotalComp") == 0 && a.text(txtTotalComp).empty(),
            "%s without a rate shows compensation", what.c_str());
    } else {
        FUZZ_CHECK(a.number("CompRate") == *CDbl(rate), "%s keeps another rate than %s",
                   what.c_str(), rate.c_str());
        expectShows(f, txtTotalComp, a.number("TotalComp"));
    }
    FUZZ_CHECK(a.number("PaymentAmount") == FieldNumber(f.before.text(txtPaymentAmount)),
               "%s keeps another payment", what.c_str());
    const double total = a.number("TotalAmount");
    expectShows(f, txtTotalAmount, total);
    expectShows(f, txtNetAmount, total - a.number("PaymentAmount"));

    if (a.number("PaymentDate") != 0) {
        const auto paid = CDate(a.text(txtPaymentDate));
        FUZZ_CHECK(paid && paid->day == a.number("PaymentDate") && *paid >= *end,
                   "%s figured interest to \"%s\"", what.c_str(), a.text(txtPaymentDate).c_str());
        expectShows(f, txtAccruedInterest, a.number("AccruedInterest"));
        if (a.number("SimpleInterest") > 0) {
            expectShows(f, txtSimpleInterest, a.number("SimpleInterest"));
            shown(a, txtSimpleDays);
        } else {
            FUZZ_CHECK(a.text(txtSimpleInterest).empty() && a.text(txtSimpleDays).empty(),
                       "%s shows simple interest of nothing", what.c_str());
        }
        FUZZ_CHECK(total == a.number("SimpleInterest") +
                                (a.number("AccruedInterest") + a.number("TotalComp")),
                   "%s totals %.17g", what.c_str(), total);
    } else {
        FUZZ_CHECK(a.text(txtAccruedInterest).empty() && a.number("SimpleInterest") == 0 &&
                       total == a.number("TotalComp"),
                   "%s figured interest without a payment date", what.c_str());
    }
    if (paymentBeforeEnding(f)) {
        FUZZ_CHECK(f.focusOn(txtEndingDate) && a.number("PaymentDate") == 0,
                   "%s kept the payment date", what.c_str());
    }
}

// A stored entry's texts read back as the amounts it keeps.
void checkEntry(const LedgerEntry& e, int n, const std::string& what) {
    const auto amountOf = [](const std::string& text) {
        return trim(text).empty() ? std::optional<double>(0) : CDbl(text);
    };
    const auto end = CDate(e.EndText);
    FUZZ_CHECK(CDate(e.BeginText) && end && end->day == e.EndDateValue.day,
               "%s stored entry %d from %s to %s", what.c_str(), n, e.BeginText.c_str(),
               e.EndText.c_str());
    FUZZ_CHECK(!e.hasPaymentDate() || CDate(e.PayDateText), "%s stored entry %d paid on \"%s\"",
               what.c_str(), n, e.PayDateText.c_str());
    const std::pair<const std::string*, double> amounts[] = {
        {&e.PayAmountText, e.PayAmount}, {&e.RateText, e.RateValue},
        {&e.CompText, e.CompAmount},     {&e.AccruedText, e.AccruedAmount},
        {&e.SimpleText, e.SimpleAmount}, {&e.TotalText, e.TotalAmountValue}};
    for (const auto& [text, value] : amounts) {
        const auto shown = amountOf(*text);
        FUZZ_CHECK(shown && std::isfinite(value) && showsValue(*shown, value, 2),
                   "%s stored entry %d with \"%s\" for %.17g", what.c_str(), n, text->c_str(),
                   value);
    }
}

// The panel and the totals against the entries they are built from. A Save
// writes one entry; the lines of the others must stand as the previous
// panel showed them (checked when it was built), so only the written entry's
// line is built again here.
void checkLedger(const InterestModel& model, const Fired& f) {
    const std::string what = f.describe();
    const Ledger& ledger = model.ledger();
    const int n = ledger.EntryCount();
    FUZZ_CHECK(n >= 0 && n <= kLedgerCapacity, "%s leaves %d entries", what.c_str(), n);
    const std::vector<std::string>& panel = model.lines(List1);
    if (panel.empty()) {
        FUZZ_CHECK(n == 0, "%s leaves %d entries and no panel", what.c_str(), n);
        return;
    }
    FUZZ_CHECK(panel.size() == static_cast<std::size_t>(n) + 2, "%s: %zu panel lines, %d entries",
               what.c_str(), panel.size(), n);
    const std::vector<std::string>& before = f.before.controls.at(List1).lines;
    LedgerTotals sums;
    for (int i = 1; i <= n; ++i) {
        const LedgerEntry& e = ledger.entry(i);
        const auto line = static_cast<std::size_t>(i - 1);
        const std::string key = "entry " + std::to_string(i);
        const bool rewritten = f.before.keptText(key) != f.after.keptText(key);
        if (rewritten || line + 2 >= before.size()) {
            FUZZ_CHECK(panel[line] == BuildPanelLine(e), "%s: panel line %zu is not its entry",
                       what.c_str(), line);
            checkEntry(e, i, what);
        } else {
            FUZZ_CHECK(panel[line] == before[line], "%s: panel line %zu changed, its entry did not",
                       what.c_str(), line);
        }
        sums.PaymentsTotal += e.PayAmount;
        sums.AccruedTotal += e.AccruedAmount;
        sums.SimpleTotal += e.SimpleAmount;
        sums.CompTotal += e.CompAmount;
        sums.AmountTotal += e.TotalAmountValue;
    }
    sums.NetTotal = sums.AmountTotal - sums.PaymentsTotal;
    const LedgerTotals& t = model.totals();
    FUZZ_CHECK(t.PaymentsTotal == sums.PaymentsTotal && t.AccruedTotal == sums.AccruedTotal &&
                   t.SimpleTotal == sums.SimpleTotal && t.CompTotal == sums.CompTotal &&
                   t.AmountTotal == sums.AmountTotal && t.NetTotal == sums.NetTotal,
               "%s: the totals are not the sums of the entries", what.c_str());
    FUZZ_CHECK(panel[static_cast<std::size_t>(n)].empty() && panel.back() == panelTotalsLine(sums),
               "%s: the totals line reads \"%s\"", what.c_str(), panel.back().c_str());
}

void checkSave(const Fired& f) {
    if (firstChange(f.before, f.after).empty()) {
        return;  // nothing calculated to save
    }
    const std::string what = f.describe();
    const Snapshot& a = f.after;
    const double count = a.number("EntryCount");
    const double current = a.number("CurrentEntry");
    FUZZ_CHECK(count == f.before.number("EntryCount") || count == f.before.number("EntryCount") + 1,
               "%s went from %g to %g entries", what.c_str(), f.before.number("EntryCount"), count);
    FUZZ_CHECK(current >= 1 && current <= count, "%s saved entry %g of %g", what.c_str(), current,
               count);
    FUZZ_CHECK(a.number("EntrySaved") == 1 && !a.controls.at(cmdSave).enabled &&
                   a.controls.at(cmdPrint).enabled && a.controls.at(cmdNextEntry).enabled,
               "%s leaves the buttons wrong", what.c_str());
    // No field changes, and of the entries only the current one is written.
    const std::string currentKey = "entry " + CStr(current);
    const std::string changed = firstChangeWhere(
        f.before, a,
        [](ControlName control) {
            return isLedgerPanel(control) || control == cmdSave || control == cmdPrint ||
                   control == cmdNextEntry;
        },
        [&](std::string_view name) {
            return name == currentKey || (!name.starts_with("entry ") &&
                                          (isLedgerPart(name) || name == "CurrentEntry" ||
                                           name == "NewEntryPending" || name == "EntrySaved"));
        });
    FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
}

void checkNextEntry(const InterestModel& model, const Fired& f) {
    const std::string what = f.describe();
    expectUnchanged(f,
                    {txtBeginningDate, txtEndingDate, txtTotalDays, txtWeeks, lblDays, txtRate,
                     txtTotalComp, txtPaymentAmount, txtSimpleDays, txtTotalAmount, txtNetAmount,
                     txtSimpleInterest, txtAccruedInterest},
                    {"BeginDate", "Weeks", "PartWeekDays", "CompRate", "TotalComp", "PaymentAmount",
                     "CurrentEntry", "NewEntryPending", "EntrySaved", "EntryCalculated"});
    const Snapshot& a = f.after;
    const int n = model.ledger().EntryCount();
    FUZZ_CHECK(n >= 1 && a.number("CurrentEntry") == n + 1 && a.number("NewEntryPending") == 1 &&
                   a.number("EntrySaved") == 0 && a.number("EntryCalculated") == 0,
               "%s opens entry %g after %d", what.c_str(), a.number("CurrentEntry"), n);
    const Date next{model.ledger().entry(n).EndDateValue.day + 1};
    FUZZ_CHECK(
        a.number("BeginDate") == next.day && a.text(txtBeginningDate) == Format(next, "mm/dd/yyyy"),
        "%s begins on %s", what.c_str(), a.text(txtBeginningDate).c_str());
    for (ControlName name : {txtEndingDate, txtWeeks, txtRate, txtPaymentAmount}) {
        FUZZ_CHECK(a.text(name).empty(), "%s left %s", what.c_str(), nameOf(name).c_str());
    }
    for (ControlName name : kResults) {
        FUZZ_CHECK(a.text(name).empty(), "%s left %s", what.c_str(), nameOf(name).c_str());
    }
}

void checkRecall(const InterestModel& model, const Fired& f, int line) {
    const std::string what = f.describe() + " on line " + std::to_string(line);
    const int n = model.ledger().EntryCount();
    if (line < 0 || line >= n || line >= kLedgerCapacity) {
        const std::string changed = firstChange(f.before, f.after);
        FUZZ_CHECK(changed.empty(), "%s changed %s", what.c_str(), changed.c_str());
        return;
    }
    const LedgerEntry& e = model.ledger().entry(line + 1);
    const Snapshot& a = f.after;
    FUZZ_CHECK(a.text(txtBeginningDate) == e.BeginText && a.text(txtEndingDate) == e.EndText &&
                   a.text(txtTotalComp) == e.CompText && a.text(txtTotalAmount) == e.TotalText &&
                   a.text(txtRate) == CStr(e.RateValue) &&
                   a.number("EndDate") == e.EndDateValue.day,
               "%s brought back another entry", what.c_str());
    expectShows(f, txtNetAmount, e.TotalAmountValue - e.PayAmount);
    FUZZ_CHECK(a.number("CurrentEntry") == line + 1 && a.number("NewEntryPending") == 0 &&
                   !a.controls.at(cmdSave).enabled,
               "%s did not make entry %d current", what.c_str(), line + 1);
    FUZZ_CHECK(a.text(txtCaseCaption) == f.before.text(txtCaseCaption) &&
                   a.number("EntryCalculated") == f.before.number("EntryCalculated") &&
                   a.number("EntrySaved") == f.before.number("EntrySaved"),
               "%s changed the caption or the flags", what.c_str());
}

void checkClear(const Fired& f) {
    const std::string what = f.describe();
    const Snapshot& a = f.after;
    for (ControlName name : kInputs) {
        FUZZ_CHECK(a.text(name).empty(), "%s left %s", what.c_str(), nameOf(name).c_str());
    }
    for (ControlName name : kResults) {
        FUZZ_CHECK(a.text(name).empty(), "%s left %s", what.c_str(), nameOf(name).c_str());
    }
    FUZZ_CHECK(a.number("EntryCount") == 0 && a.controls.at(List1).lines.empty() &&
                   a.number("CurrentEntry") == 0 && a.number("NewEntryPending") == 1 &&
                   !a.controls.at(cmdPrint).enabled && !a.controls.at(cmdSave).enabled,
               "%s left a ledger behind", what.c_str());
    FUZZ_CHECK(a.number("EntryCalculated") == f.before.number("EntryCalculated") &&
                   a.number("EntrySaved") == f.before.number("EntrySaved"),
               "%s changed the entry's flags", what.c_str());
}

// The printed ledger: every entry line in order, then the totals of the last Save.
void checkPrint(const InterestModel& model, const Fired& f) {
    if (!f.reaction.print) {
        return;
    }
    const std::vector<std::string> lines =
        f.reaction.print->make(LocalTime{2026, 12, 8, 12, 0, 0}).plainLines();
    const int n = model.ledger().EntryCount();
    const std::size_t needed = 3 * static_cast<std::size_t>(n) + 1;
    FUZZ_CHECK(lines.size() >= needed && lines.back() == reportTotalsLine(model.totals()),
               "%s printed \"%s\" last", f.describe().c_str(),
               lines.empty() ? "" : lines.back().c_str());
    for (int i = 1; i <= n; ++i) {
        const std::size_t at = lines.size() - 1 - 3 * static_cast<std::size_t>(n - i + 1);
        FUZZ_CHECK(lines[at] == reportEntryLine(model.ledger().entry(i)),
                   "%s printed \"%s\" for entry %d", f.describe().c_str(), lines[at].c_str(), i);
    }
}

void checkLeaving(const Fired& f) {
    const ControlName field = f.action.control;
    if (field == txtRate) {
        expectUnchanged(f, {txtRate});
    } else if (field == txtPaymentDate) {
        expectUnchanged(f, {txtPaymentDate}, {"PaymentDate"});
        FUZZ_CHECK(!f.refused() || f.after.number("PaymentDate") == 0, "%s kept a payment date",
                   f.describe().c_str());
    } else {
        // A date that is refused leaves the kept date as it was.
        const char* kept = field == txtBeginningDate ? "BeginDate" : "EndDate";
        if (f.refused()) {
            expectUnchanged(f, {field}, {"EntryCalculated"});
        } else {
            expectUnchanged(f, {field}, {"EntryCalculated", kept});
        }
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
    w.kept = [&model] {
        Kept k;
        k.numbers.reserve(24);
        k.texts.reserve(kLedgerCapacity + 1);
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
        for (int i = 1; i <= kLedgerCapacity; ++i) {
            k.add("entry " + std::to_string(i), entryKey(model.ledger().entry(i)));
        }
        return k;
    };
    return w;
}

void checkInterestStep(const InterestModel& model, const Fired& f) {
    const ControlName control = f.action.control;
    const bool button = f.action.event == Event::Click;
    if (f.reaction.empty() && firstChange(f.before, f.after).empty()) {
        return;  // a disabled button, or a line with no entry
    }
    if (button && f.refused() && !paymentBeforeEnding(f)) {
        expectUnchanged(f, {});
        return;
    }
    if (control != cmdSave && control != cmdClear) {
        const std::string changed = firstChangeWhere(
            f.before, f.after, [](ControlName c) { return !isLedgerPanel(c); },
            [](std::string_view kept) { return !isLedgerPart(kept); });
        FUZZ_CHECK(changed.empty(), "%s changed %s", f.describe().c_str(), changed.c_str());
    }
    if (control == cmdCalculate) {
        checkCalculation(f);
    } else if (control == cmdSave) {
        checkSave(f);
    } else if (control == cmdNextEntry) {
        checkNextEntry(model, f);
    } else if (control == List1) {
        checkRecall(model, f, f.line);
    } else if (control == cmdClear) {
        checkClear(f);
    } else if (control == cmdPrint) {
        checkPrint(model, f);
    } else if (f.action.event == Event::LostFocus) {
        checkLeaving(f);
    }
    if (control == cmdSave || control == cmdClear) {
        checkLedger(model, f);
    }
}

}  // namespace corvell::fuzz

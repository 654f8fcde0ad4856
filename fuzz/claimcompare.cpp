#include "fuzz/claimcompare.h"

#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

namespace corvell::fuzz {
namespace {

// Keeps the first difference found, named by window, part and member; the
// names are put together only for a difference.
class Comparison {
public:
    using State = std::map<std::string, StateValue, std::less<>>;

    explicit Comparison(WindowId id) : window_(windowClassName(id)) {}

    // The part of the window the next members belong to; `index` numbers an
    // entry of it (0: none).
    void in(std::string_view part, int index = 0) {
        part_ = part;
        index_ = index;
    }
    bool found() const { return !what_.empty(); }
    std::string result() && { return std::move(what_); }

    void text(std::string_view member, const std::string& a, const std::string& b) {
        if (!found() && a != b) {
            differs(member, "\"" + a + "\"", "\"" + b + "\"");
        }
    }
    // Exactly: the unrounded values must come out the same.
    void number(std::string_view member, double a, double b) {
        if (!found() && !(a == b)) {
            differs(member, exact(a), exact(b));
        }
    }
    void number(std::string_view member, const std::optional<double>& a,
                const std::optional<double>& b) {
        if (!found() && !(a.has_value() == b.has_value() && (!a || *a == *b))) {
            differs(member, a ? exact(*a) : "none", b ? exact(*b) : "none");
        }
    }
    void date(std::string_view member, Date a, Date b) {
        if (!found() && a != b) {
            differs(member, dateFigure(a), dateFigure(b));
        }
    }
    void flag(std::string_view member, bool a, bool b, std::string_view detail = {}) {
        if (!found() && a != b) {
            differs(std::string(member) + std::string(detail), a ? "true" : "false",
                    b ? "true" : "false");
        }
    }
    void texts(std::string_view member, const FieldTexts& a, const FieldTexts& b) {
        if (found() || a == b) {
            return;
        }
        for (const auto& [name, text] : a) {
            this->text(std::string(member) + " " + name, text, textOf(b, name));
        }
        for (const auto& [name, text] : b) {
            this->text(std::string(member) + " " + name, textOf(a, name), text);
        }
        if (!found()) {
            differs(member, "fields " + names(a), "fields " + names(b));
        }
    }
    // A difference the members compared so far do not name.
    void unnamed() {
        if (!found()) {
            differs("a member not compared one by one", "one value", "another");
        }
    }
    void state(const State& a, const State& b) {
        for (const auto& [key, value] : a) {
            const auto other = b.find(key);
            if (!found() && (other == b.end() || !(other->second == value))) {
                differs("state " + key, stateText(value),
                        other == b.end() ? "none" : stateText(other->second));
            }
        }
        for (const auto& [key, value] : b) {
            if (!found() && !a.contains(key)) {
                differs("state " + key, "none", stateText(value));
            }
        }
    }
    void lines(std::string_view member, const std::vector<std::string>& a,
               const std::vector<std::string>& b) {
        if (found() || a == b) {
            return;
        }
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
            this->text(std::string(member) + " line " + std::to_string(i), a[i], b[i]);
        }
        if (!found()) {
            differs(member, std::to_string(a.size()) + " lines",
                    std::to_string(b.size()) + " lines");
        }
    }

private:
    static std::string stateText(const StateValue& value) {
        if (const bool* flag = std::get_if<bool>(&value)) {
            return *flag ? "true" : "false";
        }
        if (const double* number = std::get_if<double>(&value)) {
            return exact(*number);
        }
        return "\"" + std::get<std::string>(value) + "\"";
    }
    static std::string exact(double x) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.17g", x);
        return buffer;
    }
    static std::string names(const FieldTexts& texts) {
        std::string all;
        for (const auto& [name, text] : texts) {
            all += (all.empty() ? "" : ",") + name;
        }
        return all;
    }
    void differs(std::string_view member, const std::string& a, const std::string& b) {
        what_ = std::string(window_) + " " + std::string(part_);
        if (index_ != 0) {
            what_ += " " + std::to_string(index_);
        }
        what_ +=
            " " + std::string(member) + ": " + a + " in the first claim, " + b + " in the second";
    }

    std::string_view window_;
    std::string_view part_;
    int index_ = 0;
    std::string what_;
};

// Every control of each calculator window, taken once from the first claim
// looked at (every claim's windows have the same controls).
const std::vector<ControlName>& controlsOf(Claim& claim, WindowId id) {
    static std::array<std::vector<ControlName>, std::size(kCalculators)> names;
    std::size_t at = 0;
    while (kCalculators[at] != id) {
        ++at;
    }
    if (names[at].empty()) {
        names[at] = claim.model(id).controlNames();
    }
    return names[at];
}

void compareControls(Comparison& c, Claim& a, Claim& b, WindowId id) {
    const FormModel& x = a.model(id);
    const FormModel& y = b.model(id);
    c.in("control");
    for (ControlName name : controlsOf(a, id)) {
        c.text(name.name(), x.text(name), y.text(name));
        c.flag(name.name(), x.isEnabled(name), y.isEnabled(name), " enabled");
        c.lines(name.name(), x.lines(name), y.lines(name));
    }
}

void compareSaved(Comparison& c, const SavedWindow& x, const SavedWindow& y) {
    c.in("claim file");
    c.texts("fields", x.fields, y.fields);
    c.lines("disabled buttons", x.disabled, y.disabled);
    c.flag("last calculation", x.calculation.has_value(), y.calculation.has_value());
    if (x.calculation && y.calculation) {
        c.texts("last calculation typed", x.calculation->typed, y.calculation->typed);
        c.lines("last calculation figures", x.calculation->figures, y.calculation->figures);
    }
    if (!c.found() && x.state != y.state) {
        c.state(x.state, y.state);
    }
    c.number("ledger entries", static_cast<double>(x.ledger.size()),
             static_cast<double>(y.ledger.size()));
    for (std::size_t i = 0; i < x.ledger.size() && i < y.ledger.size(); ++i) {
        c.in("claim file ledger entry", static_cast<int>(i) + 1);
        c.texts("typed", x.ledger[i].typed, y.ledger[i].typed);
        c.texts("shown", x.ledger[i].shown, y.ledger[i].shown);
    }
}

void compareEntry(Comparison& c, const LedgerEntry& x, const LedgerEntry& y) {
    if (x == y) {
        return;
    }
    // Which member differs, for the message.
    c.text("BeginText", x.BeginText, y.BeginText);
    c.text("EndText", x.EndText, y.EndText);
    c.text("PayDateText", x.PayDateText, y.PayDateText);
    c.text("PayAmountText", x.PayAmountText, y.PayAmountText);
    c.text("WeeksText", x.WeeksText, y.WeeksText);
    c.text("DaysText", x.DaysText, y.DaysText);
    c.text("RateText", x.RateText, y.RateText);
    c.text("CompText", x.CompText, y.CompText);
    c.text("AccruedText", x.AccruedText, y.AccruedText);
    c.text("SimpleText", x.SimpleText, y.SimpleText);
    c.text("TotalText", x.TotalText, y.TotalText);
    c.text("TotalDaysText", x.TotalDaysText, y.TotalDaysText);
    c.text("SimpleDaysText", x.SimpleDaysText, y.SimpleDaysText);
    c.number("PayAmount", x.PayAmount, y.PayAmount);
    c.number("SimpleAmount", x.SimpleAmount, y.SimpleAmount);
    c.number("AccruedAmount", x.AccruedAmount, y.AccruedAmount);
    c.number("CompAmount", x.CompAmount, y.CompAmount);
    c.number("TotalAmountValue", x.TotalAmountValue, y.TotalAmountValue);
    c.number("RateValue", x.RateValue, y.RateValue);
    c.date("EndDateValue", x.EndDateValue, y.EndDateValue);
    c.unnamed();
}

// What the compensation-and-interest window's fields show, as its claim file
// keeps it: "calculation", "entry" (a recalled one) or "" (neither).
std::string_view interestShows(const SavedWindow& saved) {
    const auto it = saved.state.find("Shows");
    const std::string* shows =
        it == saved.state.end() ? nullptr : std::get_if<std::string>(&it->second);
    return shows ? std::string_view(*shows) : std::string_view();
}

// The compensation-and-interest window: its ledger, entry by entry, with the
// unrounded amounts its totals and the interest on later entries are
// figured from; the totals; and where it stands in the ledger cycle.
//
// Its figures() and values() are the window's own record of the figures and
// period last calculated, recalled or left in a date field; no handler,
// report or worksheet reads them back (Calculate reads the fields, Save the
// entry the Calculate made, Next Entry and Print the ledger), so after Next
// Entry, a recall or leaving a date field they may hold what no one can see,
// which a reopened claim does not rebuild. The figures are compared while
// they are those of what the fields show (`shows`): all of them
// after a Calculate, which are what its Save writes into the ledger, and
// those a recall brings back with an entry.
void compareInterest(Comparison& c, const InterestModel& x, const InterestModel& y,
                     std::string_view shows) {
    c.in("ledger");
    c.number("EntryCount", x.ledger().EntryCount(), y.ledger().EntryCount());
    for (int n = 1; n <= x.ledger().EntryCount() && n <= y.ledger().EntryCount(); ++n) {
        c.in("ledger entry", n);
        compareEntry(c, x.ledger().entry(n), y.ledger().entry(n));
    }
    // The totals are read (printed, and shown in the panel and the ledger's
    // worksheet) only while the ledger holds entries. Clear leaves them as
    // they were until the next Save sums the entries again, and opening a
    // claim with no entries starts them at 0.
    if (x.ledger().EntryCount() > 0) {
        c.in("totals");
        const LedgerTotals& s = x.totals();
        const LedgerTotals& t = y.totals();
        c.number("PaymentsTotal", s.PaymentsTotal, t.PaymentsTotal);
        c.number("AccruedTotal", s.AccruedTotal, t.AccruedTotal);
        c.number("SimpleTotal", s.SimpleTotal, t.SimpleTotal);
        c.number("CompTotal", s.CompTotal, t.CompTotal);
        c.number("AmountTotal", s.AmountTotal, t.AmountTotal);
        c.number("NetTotal", s.NetTotal, t.NetTotal);
    }
    c.in("state");
    c.number("CurrentEntry", x.state().CurrentEntry, y.state().CurrentEntry);
    c.flag("NewEntryPending", x.state().NewEntryPending, y.state().NewEntryPending);
    c.flag("EntryCalculated", x.state().EntryCalculated, y.state().EntryCalculated);
    c.flag("EntrySaved", x.state().EntrySaved, y.state().EntrySaved);
    const EntryFigures& e = x.figures();
    const EntryFigures& f = y.figures();
    c.in("figures");
    if (shows == "calculation") {
        c.number("PartWeekDays", e.PartWeekDays, f.PartWeekDays);
        c.text("TotalDays", e.TotalDays, f.TotalDays);
        c.number("AccruedInterest", e.AccruedInterest, f.AccruedInterest);
        c.number("SimpleInterest", e.SimpleInterest, f.SimpleInterest);
    }
    if (shows == "calculation" || shows == "entry") {
        c.number("PaymentAmount", e.PaymentAmount, f.PaymentAmount);
        c.number("SimpleDays", e.SimpleDays, f.SimpleDays);
        c.number("TotalAmount", e.TotalAmount, f.TotalAmount);
    }
}

// The present value window's period in weeks, rate and total: Print
// reports them, and a Calculate without a Comp Rate goes on with the rate
// and total of the one before. Of its other values() it writes only Days,
// which nothing reads back (the To Date field shows the period), and it
// never writes the dates.
void comparePresentValue(Comparison& c, const PresentValueModel& x, const PresentValueModel& y) {
    c.in("values");
    c.number("Weeks", x.values().Weeks, y.values().Weeks);
    c.number("CompRate", x.values().CompRate, y.values().CompRate);
    c.number("TotalComp", x.values().TotalComp, y.values().TotalComp);
    c.in("kept");
    c.number("discountRate", x.discountRate(), y.discountRate());
    c.number("presentValue", x.presentValue(), y.presentValue());
}

// The commutation window's period as Print reports it, and the amount and
// rate of its last calculation. It writes Days too, which only the
// worksheet's record of the Calculate holds, and no other value.
void compareCommutation(Comparison& c, const CommutationModel& x, const CommutationModel& y) {
    c.in("values");
    c.date("BeginDate", x.values().BeginDate, y.values().BeginDate);
    c.date("EndDate", x.values().EndDate, y.values().EndDate);
    c.in("kept");
    c.number("CommAmount", x.CommAmount(), y.CommAmount());
    c.number("CommRate", x.CommRate(), y.CommRate());
}

// `saved`: what the first claim's window keeps in a claim file.
void compareModels(Comparison& c, Claim& a, Claim& b, WindowId id, const SavedWindow& saved) {
    switch (id) {
        case WindowId::CalculationForm:
            compareInterest(c, a.interest(), b.interest(), interestShows(saved));
            break;
        case WindowId::frmPresentValue:
            comparePresentValue(c, a.presentValue(), b.presentValue());
            break;
        case WindowId::FrmPension:
            c.in("kept");
            c.number("newWeeklyRate", a.pension().newWeeklyRate(), b.pension().newWeeklyRate());
            break;
        case WindowId::frmCommutation:
            compareCommutation(c, a.commutation(), b.commutation());
            break;
        case WindowId::frmSubrogation:
            c.in("kept");
            c.number("newWeeklyRate", a.subrogation().newWeeklyRate(),
                     b.subrogation().newWeeklyRate());
            break;
        // The social security window keeps nothing besides its fields. The
        // lump sum window keeps its beginning date and rate in values(), but
        // reads neither back: its Calculate reads the fields and its Print
        // prints them. A date typed over without leaving the field is kept
        // by the reopened claim and not by the first, which no one can see.
        case WindowId::frmSocialSecurity:
        case WindowId::frmOffset:
        case WindowId::BeginForm:
            break;
    }
}

}  // namespace

std::string windowDifference(Claim& a, Claim& b, WindowId id) {
    Comparison c(id);
    compareControls(c, a, b, id);
    const SavedWindow x = a.model(id).save();
    const SavedWindow y = b.model(id).save();
    compareSaved(c, x, y);
    compareModels(c, a, b, id, x);
    return std::move(c).result();
}

std::string claimDifference(Claim& a, Claim& b) {
    for (WindowId id : kCalculators) {
        std::string difference = windowDifference(a, b, id);
        if (!difference.empty()) {
            return difference;
        }
    }
    return {};
}

}  // namespace corvell::fuzz

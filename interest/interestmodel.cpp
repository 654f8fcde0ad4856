#include "interest/interestmodel.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "interest/calculationformcontrols.h"
#include "interest/ledgerlines.h"
#include "interest/ledgerreport.h"
#include "shell/datefield.h"
#include "shell/format.h"
#include "shell/ratefield.h"
#include "shell/refusals.h"
#include "shell/values.h"

namespace corvell {

using namespace calculationform;

namespace {

constexpr ControlName kInputFields[] = {
    txtBeginningDate, txtEndingDate,    txtRate,        txtWeeks,
    txtPaymentDate,   txtPaymentAmount, txtCaseCaption,
};
constexpr ControlName kTextInputFields[] = {txtBeginningDate, txtEndingDate, txtPaymentDate,
                                            txtCaseCaption};
constexpr ControlName kResultFields[] = {
    lblDays,           txtTotalDays,  txtTotalComp,   txtAccruedInterest,
    txtSimpleInterest, txtSimpleDays, txtTotalAmount, txtNetAmount,
};

// The three ledger messages carry their own title.
Reaction ledgerMessage(std::string text) {
    return Reaction::say(std::move(text), "Calculate");
}

std::string money(double amount) {
    return Format(amount, "#,###,##0.00");
}

}  // namespace

InterestModel::InterestModel() : FormModel(WindowId::CalculationForm) {
    addFields(kTextInputFields);
    addNumberFields({kRateField, kWeeksField, kPaymentAmountField});
    addResultFields(kResultFields);
    addButton(cmdCalculate);
    addButton(cmdSave, false);
    addButton(cmdNextEntry, false);
    addButton(cmdPrint, false);
    addButton(cmdClear);
    addList(List1);
    addLabel(Label11, std::string(kPanelHeading));
    addNavigationRow();

    on(txtBeginningDate, Event::LostFocus, [this] { return txtBeginningDate_LostFocus(); });
    on(txtEndingDate, Event::LostFocus, [this] { return txtEndingDate_LostFocus(); });
    on(txtPaymentDate, Event::LostFocus, [this] { return txtPaymentDate_LostFocus(); });
    on(txtRate, Event::LostFocus, [this] { return txtRate_LostFocus(); });
    on(cmdCalculate, Event::Click, [this] { return cmdCalculate_Click(); });
    on(cmdSave, Event::Click, [this] { return cmdSave_Click(); });
    on(cmdNextEntry, Event::Click, [this] { return cmdNextEntry_Click(); });
    on(cmdClear, Event::Click, [this] { return cmdClear_Click(); });
    on(cmdPrint, Event::Click, [this] { return cmdPrint_Click(); });
    onLine(List1, Event::DblClick, [this](int line) { return List1_DblClick(line); });
    calculatesWith(cmdCalculate);
    showsLog(log_, &calculationWorksheet);
}

// Leaving a date field completes digits typed as mmddyyyy or mmddyy, writes
// the date out as mm/dd/yyyy and keeps it. A changed date needs a new
// calculation before Next Entry; merely passing through the field (as any
// click elsewhere does) changes nothing.
Reaction InterestModel::leaveDateField(ControlName control, Date& stored, std::string& lastText) {
    std::string& typed = field(control);
    if (typed != lastText) {
        state_.EntryCalculated = false;
    }
    typed = Format(completeDateDigits(typed), "mm/dd/yyyy");
    lastText = typed;
    if (typed.empty()) {
        return {};
    }
    const std::optional<Date> date = CDate(typed);
    if (!date) {
        return notValidDate(typed, control);
    }
    stored = *date;
    return {};
}

void InterestModel::putDate(ControlName control, std::string text) {
    (control == txtBeginningDate ? lastBeginningDate_ : lastEndingDate_) = text;
    put(control, std::move(text));
}

Reaction InterestModel::txtBeginningDate_LostFocus() {
    return leaveDateField(txtBeginningDate, values_.BeginDate, lastBeginningDate_);
}

Reaction InterestModel::txtEndingDate_LostFocus() {
    return leaveDateField(txtEndingDate, values_.EndDate, lastEndingDate_);
}

// Digits typed without separators are completed; whatever was typed, a
// payment date that is no date is refused and none is kept. Blanks are no
// payment date.
Reaction InterestModel::txtPaymentDate_LostFocus() {
    std::string& typed = field(txtPaymentDate);
    if (Val(typed) > 10000) {
        typed = completeDateDigits(typed);
    }
    typed = Format(typed, "mm/dd/yyyy");
    if (trimLeft(typed).empty()) {
        return {};
    }
    const std::optional<Date> date = CDate(typed);
    if (!date) {
        values_.PaymentDate = kNoDate;
        return notValidDate(typed, txtPaymentDate);
    }
    values_.PaymentDate = *date;
    return {};
}

// With the period already ended by a date, the weeks are skipped.
Reaction InterestModel::txtRate_LostFocus() {
    if (Reaction refusal = leaveRateField(field(txtRate), kRateField); !refusal.empty()) {
        return refusal;
    }
    if (IsDate(text(txtEndingDate))) {
        return Reaction::focusOn(txtPaymentDate);
    }
    return {};
}

Reaction InterestModel::cmdCalculate_Click() {
    const CalculationInput input{
        text(txtBeginningDate), text(txtEndingDate),    text(txtRate),      text(txtWeeks),
        text(txtPaymentDate),   text(txtPaymentAmount), state_.CurrentEntry};
    const CalculationOutcome outcome = calculate(input, ledger_);
    if (const auto* refusal = std::get_if<CalculationRefusal>(&outcome)) {
        log_.refused(refusal->message, std::string(refusal->control.name()));
        return Reaction::refuse(refusal->message, refusal->control);
    }
    const Calculation& c = std::get<Calculation>(outcome);
    log_.passed(CalculationRecord{input, c});
    calculatedRecord_ = log_.record;

    state_.EntryCalculated = true;
    state_.EntrySaved = false;
    enable(cmdSave, true);

    values_.BeginDate = c.BeginDate;
    values_.EndDate = c.EndDate;
    values_.PaymentDate = c.PaymentDate;
    if (c.endingDateFromWeeks) {
        values_.Days = c.Days;
    }
    values_.Weeks = c.period.Weeks;
    values_.CompRate = c.period.CompRate;
    values_.TotalComp = c.period.TotalComp;
    figures_ = figuresOf(c);
    calculated_ = entryOf(c);

    showCalculation(c);
    if (c.payment == PaymentOutcome::BeforeEndingDate) {
        return Reaction::refuse(paymentBeforeEndingMessage(text(txtPaymentDate)), txtEndingDate);
    }
    return {};
}

void InterestModel::showCalculation(const Calculation& c) {
    for (ShownField& shown : shownFields(c)) {
        if (shown.field == txtEndingDate) {
            putDate(txtEndingDate, std::move(shown.text));
        } else {
            put(shown.field, std::move(shown.text));
        }
    }
}

Reaction InterestModel::cmdSave_Click() {
    if (!calculated_) {
        return {};
    }
    const int target = state_.CurrentEntry == 0 ? 1 : state_.CurrentEntry;
    const bool appends = state_.CurrentEntry == 0 || state_.NewEntryPending;
    if (const auto refusal = ledger_.refuseWrite(target, appends)) {
        return ledgerMessage(*refusal);
    }
    // An appended entry is compared with every saved one.
    if (auto overlap = ledger_.askOverlap(appends ? 0 : target, *calculated_)) {
        return Reaction::ask({std::move(*overlap),
                              {},
                              [this] { return saveCalculated(); },
                              [] { return Reaction::focusOn(txtBeginningDate); }});
    }
    return saveCalculated();
}

Reaction InterestModel::saveCalculated() {
    beforeClear_.reset();  // the ledger changes: what Clear emptied is gone
    state_.EntrySaved = true;
    if (state_.CurrentEntry == 0) {
        state_.NewEntryPending = true;
        state_.CurrentEntry = 1;
    }
    enable(cmdPrint, true);
    enable(cmdNextEntry, true);
    const bool appended = state_.NewEntryPending;
    if (state_.NewEntryPending) {
        ledger_.grow();
        state_.NewEntryPending = false;
    }
    ledger_.StoreEntry(state_.CurrentEntry, *calculated_);
    noteWrite(state_.CurrentEntry, appended, calculatedRecord_->input);
    entryRecords_.resize(static_cast<std::size_t>(ledger_.EntryCount()));
    entryRecords_[static_cast<std::size_t>(state_.CurrentEntry - 1)] = *calculatedRecord_;
    if (panel_.entryWritten(ledger_, state_.CurrentEntry)) {
        rebuildPanel();
    } else {
        updatePanel(state_.CurrentEntry);
    }
    enable(cmdSave, false);
    return {};
}

void InterestModel::rebuildPanel() {
    // A figure too wide for its column widens it on every line, headings included.
    const LedgerLines& entries = panel_.lines();
    put(Label11, panelHeading(entries.widths));
    std::vector<std::string>& panel = listLines(List1);
    panel = entries.lines;
    totals_ = sumLedger(ledger_);
    panel.emplace_back();
    panel.push_back(panelTotalsLine(totals_));
}

std::string InterestModel::lineReadAloud(ControlName list, std::size_t line) const {
    const std::size_t entries = static_cast<std::size_t>(ledger_.EntryCount());
    if (list != List1 || lines(List1).size() != entries + 2) {
        return FormModel::lineReadAloud(list, line);
    }
    if (line < entries) {
        return spokenEntryLine(ledger_.entry(static_cast<int>(line) + 1),
                               static_cast<int>(line) + 1);
    }
    return line == entries ? std::string() : spokenTotalsLine(totals_);
}

// Only the written entry's line and the totals changed.
void InterestModel::updatePanel(int entry) {
    std::vector<std::string>& panel = listLines(List1);
    const std::size_t count = panel_.lines().lines.size();
    const auto row = static_cast<std::size_t>(entry - 1);
    if (panel.size() == count + 1 && row + 1 == count) {
        // An entry appended: its line goes before the empty line and the totals.
        panel.insert(panel.end() - 2, panel_.lines().lines[row]);
    } else if (panel.size() == count + 2) {
        panel[row] = panel_.lines().lines[row];
    } else {
        rebuildPanel();
        return;
    }
    totals_ = sumLedger(ledger_);
    panel.back() = panelTotalsLine(totals_);
}

void InterestModel::noteWrite(int entry, bool appended, const CalculationInput& input) {
    // The earlier save of this entry goes when no later entry came between.
    for (auto it = writes_.rbegin(); it != writes_.rend() && it->entry <= entry; ++it) {
        if (it->entry == entry) {
            appended = appended || it->appended;
            writes_.erase(std::next(it).base());
            break;
        }
    }
    writes_.push_back({entry, appended, input});
}

Reaction InterestModel::cmdNextEntry_Click() {
    if (!state_.EntryCalculated) {
        return ledgerMessage("You must calculate the present entry first or choose clear!");
    }
    if (!state_.EntrySaved) {
        return ledgerMessage("You must save the present entry first or choose clear!");
    }
    if (ledger_.EntryCount() == 0) {
        return ledgerMessage("There is no saved entry to continue from.");
    }
    // A full ledger opens no entry it could not save: it stays saved and printable.
    if (const auto refusal = ledger_.refuseWrite(ledger_.EntryCount() + 1, true)) {
        return ledgerMessage(*refusal);
    }
    const std::optional<Date> next = DateAdd(1, ledger_.entry(ledger_.EntryCount()).EndDateValue);
    if (!next) {
        return ledgerMessage("There is no day after 12/31/9999 to continue from.");
    }
    state_.NewEntryPending = true;
    state_.EntrySaved = false;
    state_.EntryCalculated = false;
    state_.CurrentEntry = ledger_.EntryCount() + 1;
    values_.BeginDate = *next;
    putDate(txtBeginningDate, Format(*next, "mm/dd/yyyy"));
    putDate(txtEndingDate, {});
    for (ControlName name :
         {txtTotalDays, txtWeeks, lblDays, txtRate, txtTotalComp, txtPaymentAmount, txtSimpleDays,
          txtTotalAmount, txtNetAmount, txtSimpleInterest, txtAccruedInterest}) {
        put(name, {});
    }
    values_.Weeks = 0;
    figures_.PartWeekDays = 0;
    values_.CompRate = 0;
    values_.TotalComp = 0;
    figures_.PaymentAmount = 0;
    log_.clear();  // the new entry shows no figures yet
    return Reaction::focusOn(txtBeginningDate);
}

Reaction InterestModel::List1_DblClick(int line) {
    if (line < 0 || line >= kLedgerCapacity || line + 1 > ledger_.EntryCount()) {
        return {};  // no line, the empty line or the totals
    }
    const int n = line + 1;
    const LedgerEntry& e = ledger_.entry(n);
    putDate(txtBeginningDate, e.BeginText);
    values_.BeginDate = CDate(e.BeginText).value_or(kNoDate);
    putDate(txtEndingDate, e.EndText);
    values_.EndDate = e.EndDateValue;
    // A missing payment date comes back as an empty field, ready for typing.
    put(txtPaymentDate, e.hasPaymentDate() ? e.PayDateText : std::string());
    values_.PaymentDate = e.hasPaymentDate() ? CDate(e.PayDateText).value_or(kNoDate) : kNoDate;
    put(txtPaymentAmount, CStr(e.PayAmount));
    put(txtWeeks, e.WeeksText);
    put(lblDays, e.DaysText);
    put(txtRate, CStr(e.RateValue));
    values_.CompRate = Val(text(txtRate));  // to the 15 digits the field shows
    put(txtTotalComp, e.CompText);
    put(txtAccruedInterest, e.AccruedText);
    put(txtSimpleInterest, e.SimpleText);
    put(txtTotalAmount, e.TotalText);
    put(txtTotalDays, e.TotalDaysText);
    put(txtSimpleDays, e.SimpleDaysText);
    figures_.SimpleDays = Val(e.SimpleDaysText);
    figures_.PaymentAmount = e.PayAmount;
    figures_.TotalAmount = e.TotalAmountValue;
    put(txtNetAmount, money(figures_.TotalAmount - figures_.PaymentAmount));
    state_.NewEntryPending = false;
    state_.CurrentEntry = n;
    // The recalled figures are not a calculation: Save waits for the next one.
    enable(cmdSave, false);
    calculated_.reset();
    calculatedRecord_.reset();
    // The worksheet explains the entry the fields now show.
    log_.clear();
    log_.record = entryRecords_[static_cast<std::size_t>(n - 1)];
    recalledFigures_.clear();
    for (ControlName name : kResultFields) {
        recalledFigures_.emplace(std::string(name.name()), text(name));
    }
    return {};
}

Reaction InterestModel::cmdClear_Click() {
    beforeClear_ = save();
    listLines(List1).clear();
    put(Label11, std::string(kPanelHeading));
    ledger_.ClearLedger();
    panel_.reset(ledger_);
    values_.BeginDate = kNoDate;
    values_.EndDate = kNoDate;
    values_.PaymentDate = kNoDate;
    values_.Weeks = 0;
    values_.CompRate = 0;
    values_.TotalComp = 0;
    figures_ = EntryFigures{};
    for (ControlName name : kInputFields) {
        put(name, {});
    }
    for (ControlName name : kResultFields) {
        put(name, {});
    }
    lastBeginningDate_.clear();
    lastEndingDate_.clear();
    state_.CurrentEntry = 0;
    state_.NewEntryPending = true;
    enable(cmdPrint, false);
    enable(cmdSave, false);
    calculated_.reset();
    calculatedRecord_.reset();
    log_.clear();
    entryRecords_.clear();
    writes_.clear();
    return Reaction::focusOn(txtBeginningDate, Caret::AtStart);
}

Reaction InterestModel::undoClear() {
    if (!beforeClear_) {
        return {};
    }
    const SavedWindow saved = std::move(*beforeClear_);
    FigureChanges none;  // the same rules make the same figures
    reopen(saved, none);
    return Reaction::focusOn(txtBeginningDate, Caret::AtStart);
}

Reaction InterestModel::cmdPrint_Click() {
    if (!state_.EntrySaved) {
        return ledgerMessage("You must save the present entry before printing!");
    }
    return Reaction::printing(
        {std::string(kLedgerReportTitle), text(txtCaseCaption), true,
         [ledger = ledger_, totals = totals_, caption = text(txtCaseCaption)](const LocalTime& at) {
             return buildLedgerReport(ledger, totals, caption, at);
         }});
}

std::optional<Worksheet> InterestModel::ownReportWorksheet() const {
    return ledgerWorksheet(ledger_, entryRecords_, totals_);
}

// --- Claim files -------------------------------------------------------------

namespace {

// An entry's inputs, by the field each was typed into.
FieldTexts typedOf(const CalculationInput& in) {
    return {{std::string(txtBeginningDate.name()), in.beginningDate},
            {std::string(txtEndingDate.name()), in.endingDate},
            {std::string(txtRate.name()), in.rate},
            {std::string(txtWeeks.name()), in.weeks},
            {std::string(txtPaymentDate.name()), in.paymentDate},
            {std::string(txtPaymentAmount.name()), in.paymentAmount}};
}

CalculationInput inputOf(const FieldTexts& typed, int entry) {
    const auto of = [&typed](ControlName field) { return textOf(typed, field.name()); };
    return {of(txtBeginningDate), of(txtEndingDate),    of(txtRate), of(txtWeeks),
            of(txtPaymentDate),   of(txtPaymentAmount), entry};
}

// An entry's figures as its calculation shows them, by their labels.
FieldTexts figureTexts(const Calculation& c) {
    FieldTexts shown;
    for (ShownField& f : shownFields(c)) {
        shown.emplace(std::string(f.label), std::move(f.text));
    }
    return shown;
}

int whole(const SavedWindow& saved, std::string_view key, int least, int most) {
    const double x = stateOf(saved.state, key, 0.0);
    return x >= least && x <= most ? static_cast<int>(x) : least;
}

}  // namespace

// The figures the fields show are those of the last Calculate (while the
// entry it made may still be saved) or of the entry recalled, or none.
SavedWindow InterestModel::save() const {
    SavedWindow saved = FormModel::save();
    const bool showsCalculation = log_.record && calculatedRecord_;
    if (!showsCalculation) {
        saved.calculation.reset();
    }
    if (log_.record && !calculatedRecord_) {
        // The recalled entry's figures the operator has not typed over.
        CalculationTexts& recalled = saved.calculation.emplace();
        for (const auto& [name, figure] : recalledFigures_) {
            if (textOf(saved.fields, name) == figure) {
                recalled.figures.push_back(name);
            }
        }
    }
    saved.state = {{"CurrentEntry", double(state_.CurrentEntry)},
                   {"NewEntryPending", state_.NewEntryPending},
                   {"EntryCalculated", state_.EntryCalculated},
                   {"EntrySaved", state_.EntrySaved},
                   {"Shows", std::string(showsCalculation ? "calculation"
                                         : log_.record    ? "entry"
                                                          : "")},
                   {"lastBeginningDate", lastBeginningDate_},
                   {"lastEndingDate", lastEndingDate_}};
    for (std::size_t i = 0; i < writes_.size(); ++i) {
        const LedgerWrite& w = writes_[i];
        SavedEntry& entry = saved.ledger.emplace_back();
        entry.typed = typedOf(w.input);
        entry.entry = w.appended ? 0 : w.entry;
        // The figures it shows now are those of its last save.
        const bool last =
            std::none_of(writes_.begin() + static_cast<std::ptrdiff_t>(i) + 1, writes_.end(),
                         [&w](const LedgerWrite& later) { return later.entry == w.entry; });
        if (last) {
            entry.shown = figureTexts(entryRecords_[static_cast<std::size_t>(w.entry - 1)].result);
        }
    }
    return saved;
}

void InterestModel::forgetCalculations() {
    ledger_.ClearLedger();
    panel_.reset(ledger_);
    values_ = {};
    figures_ = {};
    calculated_.reset();
    lastBeginningDate_.clear();
    lastEndingDate_.clear();
    state_ = {};
    totals_ = {};
    beforeClear_.reset();
    log_ = {};
    calculatedRecord_.reset();
    entryRecords_.clear();
    writes_.clear();
    recalledFigures_.clear();
}

// Each entry is calculated again in order, against the entries before it,
// as its Save calculated it; an entry the rules refuse now is left out.
void InterestModel::rebuild(const SavedWindow& saved, FigureChanges& changes) {
    const std::string where = windowName(id());
    for (const SavedEntry& entry : saved.ledger) {
        const int count = ledger_.EntryCount();
        const bool appends = entry.entry == 0 || entry.entry > count;
        if (appends && count == kLedgerCapacity) {
            continue;
        }
        const int n = appends ? count + 1 : entry.entry;
        const std::string entryWhere = where + ", entry " + std::to_string(n);
        const CalculationInput input = inputOf(entry.typed, n);
        CalculationOutcome outcome = calculate(input, ledger_);
        if (const auto* refusal = std::get_if<CalculationRefusal>(&outcome)) {
            changes.push_back(
                entryWhere + " (" + input.beginningDate + " - " + input.endingDate +
                ") is refused now and is left out of the ledger: " + refusal->message);
            continue;
        }
        Calculation& c = std::get<Calculation>(outcome);
        for (const auto& [label, now] : figureTexts(c)) {
            if (const auto was = entry.shown.find(label);
                was != entry.shown.end() && was->second != now) {
                changes.push_back(changeLine(entryWhere + ", " + label, was->second, now));
            }
        }
        if (appends) {
            ledger_.grow();
        }
        ledger_.StoreEntry(n, entryOf(c));
        entryRecords_.resize(static_cast<std::size_t>(ledger_.EntryCount()));
        entryRecords_[static_cast<std::size_t>(n - 1)] = {input, std::move(c)};
        noteWrite(n, appends, input);
    }
    const int count = ledger_.EntryCount();
    panel_.reset(ledger_);
    if (count > 0) {
        rebuildPanel();
    }
    // The entry being worked on is one of the ledger's, or the one after it.
    state_.CurrentEntry =
        count == 0 ? 0 : whole(saved, "CurrentEntry", 1, std::min(count + 1, kLedgerCapacity));
    state_.NewEntryPending = count == 0 ? stateOf(saved.state, "NewEntryPending", false)
                                        : state_.CurrentEntry == count + 1;

    const std::string shows = stateOf(saved.state, "Shows", std::string());
    bool calculatedAgain = false;
    if (shows == "calculation" && saved.calculation) {
        const std::optional<std::string> refusal = calculateAgain(saved.calculation->typed);
        calculatedAgain = !refusal;
        if (refusal) {
            changes.push_back(where + ": its last Calculate is refused now (" + *refusal +
                              "); its figures are left out.");
        }
    }
    std::vector<std::string> figures;
    if (shows == "calculation" && saved.calculation) {
        figures = saved.calculation->figures;
    } else if (shows == "entry" && state_.CurrentEntry >= 1 && state_.CurrentEntry <= count) {
        (void)List1_DblClick(state_.CurrentEntry - 1);
        figures = saved.calculation ? saved.calculation->figures : resultFields();
        calculatedAgain = true;
    }
    refuseAgain(saved);
    restoreFields(
        saved.fields,
        saved.calculation && shows == "calculation" ? saved.calculation->typed : FieldTexts{},
        figures, calculatedAgain, where, changes);
    state_.EntryCalculated = stateOf(saved.state, "EntryCalculated", false);
    state_.EntrySaved = stateOf(saved.state, "EntrySaved", false);
    lastBeginningDate_ = stateOf(saved.state, "lastBeginningDate", std::string());
    lastEndingDate_ = stateOf(saved.state, "lastEndingDate", std::string());
}

}  // namespace corvell

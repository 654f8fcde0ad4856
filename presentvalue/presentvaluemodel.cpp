#include "presentvalue/presentvaluemodel.h"

#include <cmath>

#include "presentvalue/frmpresentvaluecontrols.h"
#include "presentvalue/lifeexpectancy.h"
#include "presentvalue/presentvaluecalc.h"
#include "presentvalue/presentvaluereport.h"
#include "shell/datefield.h"
#include "shell/daycount.h"
#include "shell/format.h"
#include "shell/ratefield.h"
#include "shell/refusals.h"
#include "shell/values.h"

namespace corvell {

using namespace frmpresentvalue;

namespace {

constexpr const char* kDatePattern = "mm/dd/yyyy";
constexpr const char* kAmountPattern = kPresentValueAmountPattern;

// Every field but the Interest Rate, which Clear keeps, in the order in which
// Clear empties them.
constexpr ControlName kClearedFields[] = {
    txtFromDate, txtToDate,    txtWeeks,        txtAge,         txtGender,
    txtRate,     txtTotalComp, txtPresentValue, txtCaseCaption,
};
constexpr ControlName kTextFields[] = {txtFromDate, txtToDate, txtGender, txtCaseCaption};

// Moving on to the rate leaves the caret at the start of what is there.
Reaction moveToRate() {
    return Reaction::focusOn(txtRate, Caret::AtStart);
}

}  // namespace

PresentValueModel::PresentValueModel() : FormModel(WindowId::frmPresentValue) {
    addFields(kTextFields);
    addResultFields({txtTotalComp, txtPresentValue});
    addNumberFields({kWeeksField, kAgeField, kRateField, kInterestRateField});
    startWith(txtInterestRate, kDefaultInterestRate);
    addCalculatorButtons(cmdPVCalculate, cmdPVPrint, cmdPVClear);
    showsLog(log_, &presentValueWorksheet);

    on(cmdPVCalculate, Event::Click, [this] { return cmdPVCalculate_Click(); });
    on(cmdPVClear, Event::Click, [this] { return cmdPVClear_Click(); });
    on(cmdPVPrint, Event::Click, [this] { return cmdPVPrint_Click(); });
    on(txtFromDate, Event::LostFocus, [this] { return txtFromDate_LostFocus(); });
    on(txtToDate, Event::LostFocus, [this] { return txtToDate_LostFocus(); });
    on(txtRate, Event::LostFocus, [this] { return txtRate_LostFocus(); });
    on(txtWeeks, Event::LostFocus, [this] { return txtWeeks_LostFocus(); });
    on(txtAge, Event::Change, [this] { return txtAge_Change(); });
}

// --- Field events -----------------------------------------------------------

Reaction PresentValueModel::txtFromDate_LostFocus() {
    std::string& from = field(txtFromDate);
    from = completeDateDigits(from);
    if (!from.empty() && !IsDate(from)) {
        return notValidDate(from, txtFromDate);
    }
    from = Format(from, kDatePattern);
    return {};
}

Reaction PresentValueModel::txtToDate_LostFocus() {
    std::string& to = field(txtToDate);
    to = Format(completeDateDigits(to), kDatePattern);
    if (to.empty()) {
        return {};
    }
    if (!IsDate(to)) {
        return notValidDate(to, txtToDate);
    }
    return moveToRate();
}

Reaction PresentValueModel::txtRate_LostFocus() {
    return leaveRateField(field(txtRate), kRateField);
}

Reaction PresentValueModel::txtWeeks_LostFocus() {
    return text(txtWeeks).empty() ? Reaction{} : moveToRate();
}

Reaction PresentValueModel::txtAge_Change() {
    return text(txtAge).empty() ? moveToRate() : Reaction{};
}

// --- Calculate --------------------------------------------------------------

Reaction PresentValueModel::cmdPVCalculate_Click() {
    PresentValueRecord record;
    record.fromText = text(txtFromDate);
    record.toText = text(txtToDate);
    record.weeksText = text(txtWeeks);
    record.ageText = text(txtAge);
    record.genderText = text(txtGender);
    record.rateText = text(txtRate);
    record.interestText = text(txtInterestRate);
    Reaction reaction = logRefusal(log_, calculate(record));
    if (!reaction.message) {
        log_.passed(std::move(record));
    }
    return reaction;
}

Reaction PresentValueModel::calculate(PresentValueRecord& record) {
    Date from;
    if (auto refusal = checkFromDate(from)) {
        return *refusal;
    }
    record.from = from;
    if (text(txtWeeks).empty() && text(txtToDate).empty() && text(txtAge).empty()) {
        return Reaction::say("You must enter either a To Date, Weeks or Age");
    }
    std::optional<Date> to;
    if (auto refusal = checkToDate(to)) {
        return *refusal;
    }
    if (to && *to < from) {
        return Reaction::refuse("To Date cannot be before From Date.", txtToDate);
    }
    record.to = to;
    if (!text(txtAge).empty()) {
        if (auto refusal = weeksFromAge(record)) {
            return *refusal;
        }
    }
    // A To Date wins over typed weeks and over weeks from the age. Without
    // one, the weeks field is filled: typed, or written from the age.
    if (to) {
        periodFromDates(from, *to);
    } else if (auto refusal = periodFromWeeks(from, record)) {
        return *refusal;
    }
    record.Weeks = values_.Weeks;
    if (auto refusal = totalComp(record)) {
        return *refusal;
    }
    if (auto refusal = discountedPresentValue(record)) {
        return *refusal;
    }
    return {};
}

std::optional<Reaction> PresentValueModel::checkFromDate(Date& from) {
    std::string& typed = field(txtFromDate);
    typed = Format(typed, kDatePattern);
    if (typed.empty()) {
        return Reaction::refuse("From Date must be entered.", txtFromDate);
    }
    const std::optional<Date> date = CDate(typed);
    if (!date) {
        return notValidDate(typed, txtFromDate);
    }
    from = *date;
    return std::nullopt;
}

std::optional<Reaction> PresentValueModel::checkToDate(std::optional<Date>& to) {
    const std::string& typed = text(txtToDate);
    if (typed.empty()) {
        return std::nullopt;
    }
    to = CDate(typed);
    if (!to) {
        return notValidDate(typed, txtToDate);
    }
    return std::nullopt;
}

std::optional<Reaction> PresentValueModel::weeksFromAge(PresentValueRecord& record) {
    const std::string& ageText = text(txtAge);
    const NumberRead ageRead = number(kAgeField);
    if (!ageRead) {
        return refused(*ageRead.refusal);
    }
    const double age = *ageRead;
    if (age > kLastTableAge) {
        return Reaction::refuse(ageText + " is beyond end of age table.  Use 110 or younger.",
                                txtAge);
    }
    if (age < kFirstTableAge) {
        return Reaction::refuse(ageText + " is lower than age table.  Use age 1 or older.", txtAge);
    }
    std::string& gender = field(txtGender);
    gender = UCase(gender);
    if (gender != "M" && gender != "F") {
        return Reaction::refuse("Gender of M or F is required", txtGender);
    }
    // Ages round half to even (44.5 looks up 44, 45.5 looks up 46); after the
    // checks above the key lies within the table.
    const int key = static_cast<int>(roundHalfEven(age));
    const bool male = gender == "M";
    const double lifeYears = lifeExpectancy(male ? Gender::Male : Gender::Female, key);
    const double lifeWeeks = weeksOfLife(lifeYears);
    field(txtWeeks) = CStr(lifeWeeks);
    record.life = PresentValueRecord::Life{age, key, male, lifeYears, lifeWeeks};
    return std::nullopt;
}

std::optional<Reaction> PresentValueModel::periodFromWeeks(Date from, PresentValueRecord& record) {
    const std::string& weeksText = text(txtWeeks);
    const NumberRead weeksRead = number(kWeeksField);
    if (!weeksRead) {
        return refused(*weeksRead.refusal);
    }
    // Weeks run forward from the From Date; a period that ends first is
    // given by a To Date.
    const double weeks = *weeksRead;
    const std::optional<std::int16_t> days = daysInWeeks(weeks);
    if (!days || weeks < 0) {
        return Reaction::refuse("Weeks must be more than 0 and at most 4681.", txtWeeks);
    }
    // The To Date is the From Date plus the days, with no day subtracted.
    const std::optional<Date> to = DateAdd(*days, from);
    if (!to) {
        return Reaction::refuse("Weeks put the To Date outside 01/01/100 to 12/31/9999.", txtWeeks);
    }
    values_.Days = *days;
    field(txtToDate) = CStr(*to);
    values_.Weeks = weeks;
    record.weeksRead = weeksText;
    record.days = *days;
    record.toDate = *to;
    return std::nullopt;
}

void PresentValueModel::periodFromDates(Date from, Date to) {
    values_.Weeks = weeksBetween(from, to);
    field(txtWeeks) = CStr(values_.Weeks);
}

std::optional<Reaction> PresentValueModel::totalComp(PresentValueRecord& record) {
    // Without a Comp Rate the rate and total of the last calculation stay.
    const std::string& rateText = text(txtRate);
    if (rateText.empty()) {
        record.CompRate = values_.CompRate;
        record.TotalComp = values_.TotalComp;
        return std::nullopt;
    }
    const NumberRead rateRead = number(kRateField);
    if (!rateRead) {
        return refused(*rateRead.refusal);
    }
    const double rate = *rateRead;
    const double total = values_.Weeks * rate;
    if (!std::isfinite(total)) {
        return Reaction::refuse("Comp Rate is out of range.", txtRate);
    }
    values_.CompRate = rate;
    values_.TotalComp = total;
    field(txtTotalComp) = Format(total, kAmountPattern);
    record.rateGiven = true;
    record.CompRate = rate;
    record.TotalComp = total;
    return std::nullopt;
}

// The rate is read, checked and used before anything is written, so that a
// refused rate stays as typed and the next Calculate reads it the same way.
std::optional<Reaction> PresentValueModel::discountedPresentValue(PresentValueRecord& record) {
    const std::string& typed = text(txtInterestRate);
    const std::string rateText = typed.empty() ? kDefaultInterestRate : typed;
    const NumberRead rateRead = readField(kInterestRateField, rateText);
    if (!rateRead) {
        return refused(*rateRead.refusal);
    }
    const double rate = discountRateOf(*rateRead);
    const std::optional<DiscountedSum> sum =
        discountRateInRange(rate) ? discountWeeks(values_.CompRate, values_.Weeks, rate)
                                  : std::nullopt;
    if (!sum) {
        return Reaction::refuse("Interest Rate is out of range.", txtInterestRate);
    }
    discountRate_ = rate;
    field(txtInterestRate) = Str(rate);
    presentValue_ = sum->sum;
    field(txtPresentValue) = Format(presentValue_, kAmountPattern);
    record.interestRead = rateText;
    record.interest = *rateRead;
    record.DiscountRate = rate;
    record.discount = *sum;
    return std::nullopt;
}

// --- Clear and Print --------------------------------------------------------

Reaction PresentValueModel::cmdPVClear_Click() {
    // Emptying the age raises its change event, which moves on to the rate.
    Reaction reaction;
    for (ControlName name : kClearedFields) {
        reaction.then(assign(name, ""));
    }
    return reaction;
}

Reaction PresentValueModel::cmdPVPrint_Click() {
    return printOnce(
        kPresentValueReportTitle,
        PresentValueReportData{text(txtCaseCaption), text(txtFromDate), text(txtToDate),
                               text(txtAge), text(txtGender), values_.Weeks, values_.CompRate,
                               values_.TotalComp, discountRate_, presentValue_},
        &presentValueReport);
}

SavedWindow PresentValueModel::save() const {
    SavedWindow saved = FormModel::save();
    saved.state = {{"CompRate", values_.CompRate}, {"TotalComp", values_.TotalComp}};
    return saved;
}

void PresentValueModel::rebuild(const SavedWindow& saved, FigureChanges& changes) {
    values_.CompRate = stateOf(saved.state, "CompRate", 0.0);
    values_.TotalComp = stateOf(saved.state, "TotalComp", 0.0);
    FormModel::rebuild(saved, changes);
}

void PresentValueModel::forgetCalculations() {
    values_ = {};
    discountRate_ = 0;
    presentValue_ = 0;
    log_ = {};
}

}  // namespace corvell

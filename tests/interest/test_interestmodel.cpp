// The compensation-and-interest window's model without a display: what
// Calculate reads from the fields as they are now, when a date field counts
// as changed, recall of an entry without a payment date, and the edges of
// the calendar and the ledger.
#include <QTest>

#include "interest/calculationformcontrols.h"
#include "interest/interestmodel.h"
#include "shell/format.h"
#include "tests/support/controlnames.h"

using namespace corvell;
using namespace corvell::calculationform;

namespace {

QString text(const InterestModel& model, ControlName field) {
    return QString::fromStdString(model.text(field));
}

std::string messageOf(const Reaction& r) {
    return r.message ? r.message->text : std::string();
}

// Types each field and leaves it, as the window would report it.
void leave(InterestModel& model, ControlName field, const char* typed) {
    model.setText(field, typed);
    model.fire(field, Event::LostFocus);
}

Reaction calculate(InterestModel& model, const char* begin, const char* end, const char* rate,
                   const char* paid = "") {
    leave(model, txtBeginningDate, begin);
    leave(model, txtEndingDate, end);
    leave(model, txtRate, rate);
    leave(model, txtPaymentDate, paid);
    return model.fire(cmdCalculate, Event::Click);
}

}  // namespace

class TestInterestModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The dates checked are those the fields show, not what an earlier
    // calculation or leaving a field stored.
    void calculateReadsTheFieldsAsTheyAre() {
        InterestModel model;
        QVERIFY(calculate(model, "01/01/2004", "12/31/2004", "500").empty());
        model.setText(txtEndingDate, "06/30/2003");  // typed, not yet left
        Reaction r = model.fire(cmdCalculate, Event::Click);
        QCOMPARE(messageOf(r), std::string("Ending date must be later than beginning date"));
        QCOMPARE(r.focus->control, txtEndingDate);
        model.setText(txtEndingDate, "02/30/2005");
        r = model.fire(cmdCalculate, Event::Click);
        QCOMPARE(messageOf(r), std::string("02/30/2005 is not a valid date."));
        model.setText(txtEndingDate, "12/31/2004");
        model.setText(txtBeginningDate, "13/01/2004");
        r = model.fire(cmdCalculate, Event::Click);
        QCOMPARE(messageOf(r), std::string("13/01/2004 is not a valid date."));
        QCOMPARE(r.focus->control, txtBeginningDate);
        QCOMPARE(model.values().BeginDate, CDate("01/01/2004").value());
    }

    void onlyAChangedDateNeedsANewCalculation() {
        InterestModel model;
        calculate(model, "01/01/2004", "12/31/2004", "500");
        model.fire(cmdSave, Event::Click);
        leave(model, txtBeginningDate, "01/01/2004");  // passing through the field
        leave(model, txtEndingDate, "12/31/2004");
        QVERIFY(model.state().EntryCalculated);
        leave(model, txtEndingDate, "123104");  // typed again: a new entry of the date
        QVERIFY(!model.state().EntryCalculated);
        QCOMPARE(text(model, txtEndingDate), QString("12/31/2004"));
        QCOMPARE(messageOf(model.fire(cmdNextEntry, Event::Click)),
                 std::string("You must calculate the present entry first or choose clear!"));
    }

    // The period figures are recomputed in place when the same entry is
    // calculated again after Save (no Next Entry): entry 1 is replaced.
    void saveAgainReplacesTheCurrentEntry() {
        InterestModel model;
        calculate(model, "01/01/2004", "12/31/2004", "500");
        model.fire(cmdSave, Event::Click);
        calculate(model, "01/01/2004", "12/31/2004", "600");
        model.fire(cmdSave, Event::Click);
        QCOMPARE(model.ledger().EntryCount(), 1);
        QCOMPARE(model.ledger().entry(1).RateText, std::string("600.00"));
        QCOMPARE(model.lines(List1).size(), std::size_t{3});
    }

    void recallWithoutPaymentDate() {
        InterestModel model;
        calculate(model, "01/01/2004", "12/31/2004", "500");
        model.fire(cmdSave, Event::Click);
        model.fire(cmdNextEntry, Event::Click);
        calculate(model, "01/01/2005", "01/31/2005", "500", "06/30/2005");
        model.fire(cmdSave, Event::Click);
        model.fire(List1, Event::DblClick, 0);
        QCOMPARE(text(model, txtPaymentDate), QString(""));  // not ten blanks to type over
        QCOMPARE(model.values().PaymentDate, kNoDate);
        QCOMPARE(text(model, txtNetAmount), QString("26,142.86"));
        QCOMPARE(model.state().CurrentEntry, 1);
        QVERIFY(!model.isEnabled(cmdSave));
        // Recalculated and saved, it stays entry 1; the second keeps its place.
        calculate(model, "01/01/2004", "12/31/2004", "400");
        model.fire(cmdSave, Event::Click);
        QCOMPARE(model.ledger().EntryCount(), 2);
        QCOMPARE(model.ledger().entry(1).RateText, std::string("400.00"));
        QCOMPARE(model.ledger().entry(2).EndText, std::string("01/31/2005"));
    }

    void nothingAfterTheLastDay() {
        InterestModel model;
        calculate(model, "12/01/9999", "12/31/9999", "500");
        model.fire(cmdSave, Event::Click);
        const Reaction r = model.fire(cmdNextEntry, Event::Click);
        QCOMPARE(messageOf(r), std::string("There is no day after 12/31/9999 to continue from."));
        QCOMPARE(r.message->title, std::string("Calculate"));
        QCOMPARE(text(model, txtBeginningDate), QString("12/01/9999"));
        QVERIFY(model.state().EntrySaved);
    }

    void clearKeepsTheFlags() {
        InterestModel model;
        calculate(model, "01/01/2004", "12/31/2004", "500");
        model.fire(cmdSave, Event::Click);
        const LedgerTotals before = model.totals();
        model.fire(cmdClear, Event::Click);
        QVERIFY(model.state().EntryCalculated);
        QVERIFY(model.state().EntrySaved);
        QVERIFY(model.state().NewEntryPending);
        QCOMPARE(model.totals().CompTotal, before.CompTotal);
        QCOMPARE(model.values().BeginDate, kNoDate);
        QCOMPARE(model.values().TotalComp, 0.0);
        QVERIFY(model.lines(List1).empty());
        // Leaving the emptied beginning date is no new date.
        leave(model, txtBeginningDate, "");
        QCOMPARE(messageOf(model.fire(cmdNextEntry, Event::Click)),
                 std::string("There is no saved entry to continue from."));
    }
};

QTEST_APPLESS_MAIN(TestInterestModel)
#include "test_interestmodel.moc"

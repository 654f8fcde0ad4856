#include <QTest>

#include "presentvalue/frmpresentvaluecontrols.h"
#include "presentvalue/presentvaluemodel.h"
#include "shell/format.h"
#include "shell/values.h"
#include "tests/support/controlnames.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;
using namespace corvell::frmpresentvalue;

namespace {

struct Entry {
    const char* from = "";
    const char* to = "";
    const char* weeks = "";
    const char* age = "";
    const char* gender = "";
    const char* rate = "";
};

void enter(PresentValueModel& model, const Entry& e) {
    model.setText(txtFromDate, e.from);
    model.setText(txtToDate, e.to);
    model.setText(txtWeeks, e.weeks);
    model.setText(txtAge, e.age);
    model.setText(txtGender, e.gender);
    model.setText(txtRate, e.rate);
}

Reaction calculate(PresentValueModel& model) {
    return model.fire(cmdPVCalculate, Event::Click);
}

QString text(const PresentValueModel& model, ControlName field) {
    return QString::fromStdString(model.text(field));
}

QStringList texts(const PresentValueModel& model, std::initializer_list<ControlName> fields) {
    QStringList all;
    for (ControlName field : fields) {
        all << text(model, field);
    }
    return all;
}

std::optional<Message> messageOf(const Reaction& r) {
    return r.message;
}

}  // namespace

class TestPresentValueModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsEmptyWithFivePercent() {
        PresentValueModel model;
        QCOMPARE(text(model, txtInterestRate), QStringLiteral(".05"));
        for (ControlName field : {txtFromDate, txtToDate, txtWeeks, txtAge, txtGender, txtRate,
                                  txtTotalComp, txtPresentValue, txtCaseCaption}) {
            QVERIFY2(model.text(field).empty(), qPrintable(qtName(field)));
        }
        QCOMPARE(model.values().Weeks, 0.0);
        QCOMPARE(model.values().CompRate, 0.0);
        QCOMPARE(model.discountRate(), 0.0);
        QCOMPARE(model.presentValue(), 0.0);
    }

    void refusals_data() {
        // focus: empty when the focus stays
        columns<QString, QString, QString, QString, QString, QString, QString>(
            {"from", "to", "weeks", "age", "gender", "message", "focus"});

        row("no from date", "", "01/01/2006", "", "200", "x", "From Date must be entered.",
            qtName(txtFromDate));
        row("from not a date", "13/45/2005", "abc", "", "", "", "13/45/2005 is not a valid date.",
            qtName(txtFromDate));
        row("no period", "01/01/2005", "", "", "", "x",
            "You must enter either a To Date, Weeks or Age", "");
        row("to not a date", "01/01/2005", "abc", "", "200", "x", "abc is not a valid date.",
            qtName(txtToDate));
        row("age beyond table", "01/01/2005", "", "", "110.2", "x",
            "110.2 is beyond end of age table.  Use 110 or younger.", qtName(txtAge));
        row("age below table", "01/01/2005", "", "", "0.7", "x",
            "0.7 is lower than age table.  Use age 1 or older.", qtName(txtAge));
        row("To Date before From Date", "01/01/2006", "01/01/2005", "", "", "",
            "To Date cannot be before From Date.", qtName(txtToDate));
        row("gender missing", "01/01/2005", "", "", "45", "", "Gender of M or F is required",
            qtName(txtGender));
        row("gender not whole", "01/01/2005", "", "", "45", "m ", "Gender of M or F is required",
            qtName(txtGender));
        row("age checked beside a to date", "01/01/2005", "01/01/2006", "", "111", "M",
            "111 is beyond end of age table.  Use 110 or younger.", qtName(txtAge));
        row("weeks negative", "01/01/2005", "", "-5", "", "",
            "Weeks must be more than 0 and at most 4681.", qtName(txtWeeks));
    }
    void refusals() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, weeks);
        QFETCH(QString, age);
        QFETCH(QString, gender);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        PresentValueModel model;
        model.setText(txtFromDate, from.toStdString());
        model.setText(txtToDate, to.toStdString());
        model.setText(txtWeeks, weeks.toStdString());
        model.setText(txtAge, age.toStdString());
        model.setText(txtGender, gender.toStdString());
        model.setText(txtRate, "500");
        const Reaction r = calculate(model);
        QVERIFY(r.message);
        QCOMPARE(QString::fromStdString(r.message->text), message);
        QVERIFY(r.message->title.empty());
        if (focus.isEmpty()) {
            QVERIFY(!r.focus);
        } else {
            QVERIFY(r.focus);
            QCOMPARE(qtName(r.focus->control), focus);
            QCOMPARE(r.focus->caret, Caret::SelectAll);
        }
        // Nothing is computed.
        QCOMPARE(model.values().Weeks, 0.0);
        QVERIFY(model.text(txtTotalComp).empty());
        QVERIFY(model.text(txtPresentValue).empty());
        QCOMPARE(text(model, txtInterestRate), QStringLiteral(".05"));
    }

    void blanksCountAsAPeriod() {
        PresentValueModel model;
        enter(model, {"01/01/2005", "", " ", "", "", "500"});
        const Reaction r = calculate(model);
        QVERIFY(!r.message);
        QCOMPARE(texts(model, {txtToDate, txtTotalComp}), QStringList({"1/1/2005", "0.00"}));
    }

    void fromAndToDates() {
        PresentValueModel model;
        enter(model, {"1/1/2005", "01/01/2006", "", "", "", "500"});
        QVERIFY(calculate(model).empty());
        QCOMPARE(text(model, txtFromDate), QStringLiteral("01/01/2005"));
        QCOMPARE(model.values().Weeks, 365.0 / 7);
        QCOMPARE(texts(model, {txtWeeks, txtTotalComp}),
                 QStringList({"52.1428571428571", "26,071.43"}));
        // 52 whole weeks: the same present value as 52 weeks typed.
        QCOMPARE(texts(model, {txtPresentValue, txtInterestRate}),
                 QStringList({"25,348.82", " .05"}));
        QCOMPARE(model.discountRate(), 0.05);
    }

    void ageRoundsHalfToEven_data() {
        columns<QString, QString, double>({"age", "gender", "lifeYears"});
        row("45.5 looks up 46", "45.5", "M", 29.74);
        row("44.5 looks up 44", "44.5", "m", 31.49);
        row("female 46", "46", "f", 35.0);
        row("110", "110", "F", 1.28);
        row("1", "1", "M", 71.53);
    }
    void ageRoundsHalfToEven() {
        QFETCH(QString, age);
        QFETCH(QString, gender);
        QFETCH(double, lifeYears);
        PresentValueModel model;
        model.setText(txtFromDate, "01/01/2005");
        model.setText(txtAge, age.toStdString());
        model.setText(txtGender, gender.toStdString());
        QVERIFY(calculate(model).empty());
        QCOMPARE(text(model, txtWeeks), QString::fromStdString(CStr(lifeYears * 52.25)));
        QCOMPARE(model.values().Weeks, fieldNumber(CStr(lifeYears * 52.25)));
    }

    void aToDateWinsOverAgeAndWeeks() {
        PresentValueModel model;
        enter(model, {"01/01/2005", "01/01/2006", "10", "45", "m", "500"});
        QVERIFY(calculate(model).empty());
        QCOMPARE(texts(model, {txtGender, txtWeeks}), QStringList({"M", "52.1428571428571"}));
        QCOMPARE(model.values().Days, std::int16_t{0});
    }

    void fiveHundredForFiftyTwoWeeks() {
        PresentValueModel model;
        enter(model, {"01/01/2005", "", "52", "", "", "500"});
        model.setText(txtInterestRate, "");
        QVERIFY(calculate(model).empty());
        QCOMPARE(texts(model, {txtInterestRate, txtTotalComp, txtPresentValue}),
                 QStringList({" .05", "26,000.00", "25,348.82"}));
        QCOMPARE(model.values().CompRate, 500.0);
        QCOMPARE(model.values().TotalComp, 26000.0);
    }

    // A rate above 99 percent or of -100 percent or less is refused before
    // the field is written, so that every Calculate reads it alike: it stays
    // as typed, and the discount rate and present value keep what they held.
    void interestRateAsTyped_data() {
        // message: empty when calculated
        columns<QString, QString, double, QString>({"typed", "shown", "rate", "message"});
        const QString outOfRange = "Interest Rate is out of range.";
        row("6 percent", "6", " .06", 0.06, "");
        row("fraction", ".06", " .06", 0.06, "");
        row(".99 stays", ".99", " .99", 0.99, "");
        row("1 is one percent", "1", " .01", 0.01, "");
        row("percent sign", "6%", " .06", 0.06, "");
        row("not a number", "abc", "abc", 0.0, "abc is not a valid number.");
        row("99 percent", "99", " .99", 0.99, "");
        row("99.9 percent", "99.9", "99.9", 0.0, outOfRange);
        row("-.99", "-.99", "-.99", -0.99, "");
        row("grouped, read whole: 1000 percent", "1,000", "1,000", 0.0, outOfRange);
        row("100 percent", "100", "100", 0.0, outOfRange);
        row("-1", "-1", "-1", 0.0, outOfRange);
        row("-1e308", "-1e308", "-1e308", 0.0, outOfRange);
        row("1E300", "1E300", "1E300", 0.0, outOfRange);
    }
    void interestRateAsTyped() {
        QFETCH(QString, typed);
        QFETCH(double, rate);
        QFETCH(QString, message);
        PresentValueModel model;
        enter(model, {"01/01/2005", "", "52", "", "", "500"});
        model.setText(txtInterestRate, typed.toStdString());
        // The second Calculate reads what the first left in the field.
        for (int i = 0; i < 2; ++i) {
            const Reaction r = calculate(model);
            if (message.isEmpty()) {
                QVERIFY(r.empty());
            } else {
                QCOMPARE(messageOf(r), std::optional<Message>(Message{message.toStdString(), {}}));
                QCOMPARE(r.focus, std::optional<Focus>(Focus{txtInterestRate, Caret::SelectAll}));
                QCOMPARE(model.presentValue(), 0.0);
                QVERIFY(model.text(txtPresentValue).empty());
            }
            QTEST(text(model, txtInterestRate), "shown");
            QCOMPARE(model.discountRate(), rate);
        }
    }

    void withoutACompRateTheLastRateStays() {
        PresentValueModel model;
        enter(model, {"01/01/2005", "", "52", "", "", "500"});
        QVERIFY(calculate(model).empty());
        enter(model, {"01/01/2005", "", "104", "", "", ""});
        QVERIFY(calculate(model).empty());
        QCOMPARE(model.values().Weeks, 104.0);
        QCOMPARE(model.values().CompRate, 500.0);
        QCOMPARE(model.values().TotalComp, 26000.0);
        QCOMPARE(text(model, txtTotalComp), QStringLiteral("26,000.00"));
        QCOMPARE(text(model, txtPresentValue),
                 QString::fromStdString(Format(model.presentValue(), "#,###,##0.00")));
        QVERIFY(model.presentValue() > 25348.82 * 1.9);
    }

    void weeksRecalculatedFromTheirToDate() {
        PresentValueModel model;
        enter(model, {"01/01/2005", "", "10.5", "", "", "500"});
        QVERIFY(calculate(model).empty());
        QCOMPARE(model.values().Days, std::int16_t{74});
        QVERIFY(calculate(model).empty());
        QCOMPARE(text(model, txtWeeks), QStringLiteral("10.5714285714286"));
    }

    void weeksBeyondTheDayCount() {
        PresentValueModel model;
        enter(model, {"01/01/2005", "", "52", "", "", "500"});
        QVERIFY(calculate(model).empty());
        enter(model, {"1/1/2005", "", "4681.1", "", "", "700"});
        const Reaction r = calculate(model);
        QCOMPARE(messageOf(r), std::optional<Message>(
                                   Message{"Weeks must be more than 0 and at most 4681.", {}}));
        QCOMPARE(r.focus, std::optional<Focus>(Focus{txtWeeks, Caret::SelectAll}));
        QCOMPARE(text(model, txtFromDate), QStringLiteral("01/01/2005"));
        QVERIFY(model.text(txtToDate).empty());
        QCOMPARE(model.values().Weeks, 52.0);
        QCOMPARE(model.values().Days, std::int16_t{364});
        QCOMPARE(model.values().CompRate, 500.0);
        QCOMPARE(texts(model, {txtTotalComp, txtInterestRate}), QStringList({"26,000.00", " .05"}));

        enter(model, {"01/01/2005", "", "-4681.3", "", "", "700"});
        QCOMPARE(messageOf(calculate(model))->text,
                 std::string("Weeks must be more than 0 and at most 4681."));
        enter(model, {"01/01/2005", "", "-0.01", "", "", "700"});
        QCOMPARE(messageOf(calculate(model))->text,
                 std::string("Weeks must be more than 0 and at most 4681."));
        QCOMPARE(model.values().Weeks, 52.0);
        enter(model, {"01/01/2005", "", "4681", "", "", "700"});
        QVERIFY(calculate(model).empty());
        QCOMPARE(model.values().Days, std::int16_t{32767});
    }

    void weeksBeyondTheLastDate() {
        PresentValueModel model;
        enter(model, {"12/01/9999", "", "10", "", "", "500"});
        const Reaction r = calculate(model);
        QVERIFY(r.message);
        QCOMPARE(r.message->text,
                 std::string("Weeks put the To Date outside 01/01/100 to 12/31/9999."));
        QCOMPARE(r.focus, std::optional<Focus>(Focus{txtWeeks, Caret::SelectAll}));
        QVERIFY(model.text(txtToDate).empty());
        QCOMPARE(model.values().Weeks, 0.0);
    }

    void discountThatIsNoNumber() {
        PresentValueModel model;
        enter(model, {"01/01/2005", "", "52", "", "", "500"});
        QVERIFY(calculate(model).empty());
        enter(model, {"01/01/2005", "01/01/2006", "", "", "", "600"});
        model.setText(txtInterestRate, "-52");
        const Reaction r = calculate(model);
        QCOMPARE(messageOf(r),
                 std::optional<Message>(Message{"Interest Rate is out of range.", {}}));
        QCOMPARE(r.focus, std::optional<Focus>(Focus{txtInterestRate, Caret::SelectAll}));
        // The steps before keep their effects...
        QCOMPARE(texts(model, {txtWeeks, txtTotalComp, txtInterestRate}),
                 QStringList({"52.1428571428571", "31,285.71", "-52"}));
        // ...while the discount rate and the present value stay those of the
        // last calculation.
        QCOMPARE(model.discountRate(), 0.05);
        QCOMPARE(text(model, txtPresentValue), QStringLiteral("25,348.82"));
        QCOMPARE(Format(model.presentValue(), "#,###,##0.00"), std::string("25,348.82"));
    }

    void aCompRateTooLargeForTheTotal() {
        PresentValueModel model;
        enter(model, {"01/01/2005", "12/31/9999", "", "", "", "1E306"});
        const Reaction r = calculate(model);
        QCOMPARE(messageOf(r), std::optional<Message>(Message{"Comp Rate is out of range.", {}}));
        QCOMPARE(r.focus, std::optional<Focus>(Focus{txtRate, Caret::SelectAll}));
        QVERIFY(model.text(txtTotalComp).empty());
        QVERIFY(model.text(txtPresentValue).empty());
        QCOMPARE(model.values().CompRate, 0.0);
    }

    // Leaving a field (emptying the age: changing it) re-formats its text,
    // refuses a date or number that is none, or sends the focus on to the
    // rate with the caret at its start.
    void leavingAField_data() {
        columns<ControlName, QString, QString, QString, bool>(
            {"field", "typed", "after", "message", "toRate"});
        const QString noDate = " is not a valid date.";
        row("from mmddyyyy", txtFromDate, "01152005", "01/15/2005", "", false);
        row("from mmddyy", txtFromDate, "011505", "01/15/2005", "", false);
        row("from slashes", txtFromDate, "1/15/2005", "01/15/2005", "", false);
        row("from empty", txtFromDate, "", "", "", false);
        row("from not a date", txtFromDate, "13/45/2005", "13/45/2005", "13/45/2005" + noDate,
            false);
        row("from: ten thousand is no mmddyy", txtFromDate, "10000", "10000", "10000" + noDate,
            false);
        row("to mmddyyyy", txtToDate, "01012006", "01/01/2006", "", true);
        row("to mmddyy", txtToDate, "010106", "01/01/2006", "", true);
        row("to empty stays", txtToDate, "", "", "", false);
        row("to not a date", txtToDate, "02/30/2006", "02/30/2006", "02/30/2006" + noDate, false);
        row("rate whole", txtRate, "500", "500.00", "", false);
        row("rate grouped", txtRate, "1,250", "1250.00", "", false);
        row("rate decimals", txtRate, "87.555", "87.56", "", false);
        row("rate not a number", txtRate, "7S0", "7S0", "7S0 is not a valid number.", false);
        row("rate negative", txtRate, "-850", "-850", "Comp Rate cannot be negative.", false);
        row("rate empty", txtRate, "", "", "", false);
        row("rate beyond a double", txtRate, "1e309", "1e309", "1e309 is not a valid number.",
            false);
        row("weeks empty", txtWeeks, "", "", "", false);
        row("weeks", txtWeeks, "52", "52", "", true);
        row("age typed", txtAge, "4", "4", "", false);
        row("age emptied", txtAge, "", "", "", true);
    }
    void leavingAField() {
        QFETCH(ControlName, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(bool, toRate);
        PresentValueModel model;
        model.setText(field, typed.toStdString());
        const Reaction r = model.fire(field, field == txtAge ? Event::Change : Event::LostFocus);
        QTEST(text(model, field), "after");
        if (!message.isEmpty()) {
            QCOMPARE(QString::fromStdString(r.message->text), message);
            QCOMPARE(r.focus, std::optional<Focus>(Focus{field, Caret::SelectAll}));
        } else if (toRate) {
            QVERIFY(!r.message);
            QCOMPARE(r.focus, std::optional<Focus>(Focus{txtRate, Caret::AtStart}));
        } else {
            QVERIFY(r.empty());
        }
    }

    void clearKeepsTheInterestRateAndTheFigures() {
        PresentValueModel model;
        enter(model, {"01/01/2005", "", "", "45", "m", "500"});
        model.setText(txtCaseCaption, "Doe v. Acme");
        model.setText(txtInterestRate, "6");
        QVERIFY(calculate(model).empty());
        const CalculationValues before = model.values();
        const Reaction r = model.fire(cmdPVClear, Event::Click);
        QCOMPARE(r.focus, std::optional<Focus>(Focus{txtRate, Caret::AtStart}));
        QVERIFY(!r.message);
        for (ControlName field : {txtFromDate, txtToDate, txtWeeks, txtAge, txtGender, txtRate,
                                  txtTotalComp, txtPresentValue, txtCaseCaption}) {
            QVERIFY2(model.text(field).empty(), qPrintable(qtName(field)));
        }
        QCOMPARE(text(model, txtInterestRate), QStringLiteral(" .06"));
        QCOMPARE(model.values().Weeks, before.Weeks);
        QCOMPARE(model.values().TotalComp, before.TotalComp);
        QCOMPARE(model.discountRate(), 0.06);
        QVERIFY(model.presentValue() > 0);
        // With no age to empty the focus stays where it is.
        QVERIFY(model.fire(cmdPVClear, Event::Click).empty());
    }

    void reportLines() {
        PresentValueModel model;
        enter(model, {"01/01/2005", "01/01/2006", "", "", "", "500"});
        model.setText(txtCaseCaption, "Doe v. Acme");
        model.setText(txtInterestRate, "");
        QVERIFY(calculate(model).empty());
        const Reaction r = model.fire(cmdPVPrint, Event::Click);
        QVERIFY(r.print);
        QVERIFY(!r.print->copiesApply);
        const report::Document doc = r.print->make(LocalTime{2026, 3, 4, 9, 5, 7});
        // Times New Roman, 16 point, not bold, portrait, before any line.
        const auto& statements = doc.statements();
        QCOMPARE(statements.at(0), report::Statement(report::SetFont{"Times New Roman"}));
        QCOMPARE(statements.at(1), report::Statement(report::SetSize{16}));
        QCOMPARE(statements.at(2), report::Statement(report::SetBold{false}));
        QCOMPARE(statements.at(3),
                 report::Statement(report::SetOrientation{report::Orientation::Portrait}));
        const std::vector<std::string> expected = {
            std::string(28, ' ') + "Present Value Calculation",
            std::string(28, ' ') + "03-04-2026    09:05:07",
            std::string(14, ' ') + "Doe v. Acme",
            "",
            "   From 01/01/2005   to  01/01/2006",
            "   52.14 weeks     rate = $500.00",
            "   Total compensation = $26,071.43",
            "   Present value at  5 % discount = $25,348.82",
        };
        QCOMPARE(doc.plainLines(), expected);
        // Printing changes nothing.
        QCOMPARE(texts(model, {txtInterestRate, txtWeeks}),
                 QStringList({" .05", "52.1428571428571"}));
    }

    void reportAgeLineOnlyWithAnAge() {
        PresentValueModel model;
        enter(model, {"01/01/2005", "", "", "45", "f", "500"});
        QVERIFY(calculate(model).empty());
        std::vector<std::string> lines =
            model.fire(cmdPVPrint, Event::Click).print->make(LocalTime{}).plainLines();
        QCOMPARE(lines.size(), std::size_t{9});
        QCOMPARE(lines[5], std::string("   Age=45     Gender=F"));
        model.setText(txtAge, "");
        lines = model.fire(cmdPVPrint, Event::Click).print->make(LocalTime{}).plainLines();
        QCOMPARE(lines.size(), std::size_t{8});
        QCOMPARE(lines[5].substr(0, 12), std::string("   1,876.82 "));
    }

    void reportWeeksBelowOneHaveNoLeadingZero() {
        PresentValueModel model;
        enter(model, {"01/01/2005", "", "0.5", "", "", "100"});
        QVERIFY(calculate(model).empty());
        const std::vector<std::string> lines =
            model.fire(cmdPVPrint, Event::Click).print->make(LocalTime{}).plainLines();
        QCOMPARE(lines.at(5), std::string("   .50 weeks     rate = $100.00"));
        QCOMPARE(lines.at(6), std::string("   Total compensation = $50.00"));
        QCOMPARE(lines.at(7), std::string("   Present value at  5 % discount = $0.00"));
    }

    void reportBeforeAnyCalculation() {
        PresentValueModel model;
        const std::vector<std::string> lines =
            model.fire(cmdPVPrint, Event::Click).print->make(LocalTime{}).plainLines();
        QCOMPARE(lines.at(4), std::string("   From    to  "));
        QCOMPARE(lines.at(5), std::string("   .00 weeks     rate = $0.00"));
        QCOMPARE(lines.at(7), std::string("   Present value at  0 % discount = $0.00"));
    }
};

QTEST_APPLESS_MAIN(TestPresentValueModel)
#include "test_presentvaluemodel.moc"

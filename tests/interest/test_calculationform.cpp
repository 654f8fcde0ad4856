// The compensation-and-interest window as the operator uses it: its fields,
// the date and rate fields' handling when they are left, Calculate with its
// checks in order, and the figures it writes, through the real window.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include "interest/calculationformcontrols.h"
#include "interest/ui/calculationform.h"
#include "shell/ui/look.h"
#include "tests/support/rows.h"
#include "tests/support/windowtest.h"

using namespace corvell;
using namespace corvell::calculationform;
using namespace corvell::test;

namespace {

constexpr ControlName kResults[] = {txtTotalDays,  txtWeeks,           lblDays,
                                    txtTotalComp,  txtAccruedInterest, txtSimpleInterest,
                                    txtSimpleDays, txtTotalAmount,     txtNetAmount};

struct Period {
    QString begin;
    QString end;
    QString rate;
    QString paid;
    QString payment;
};

}  // namespace

class TestCalculationForm : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTest> t_;
    ui::CalculationForm* w_ = nullptr;

    const InterestModel& model() { return w_->model(); }
    QWidget& w() { return *w_; }

    // Types each field in tab order and leaves it, then presses Calculate.
    void calculate(const Period& p) {
        typeAll(w(), {txtBeginningDate, txtEndingDate, txtRate, txtPaymentDate, txtPaymentAmount},
                {p.begin, p.end, p.rate, p.paid, p.payment}, cmdClear);
        click(w(), cmdCalculate);
    }

    QStringList results() { return texts(w(), kResults); }

    void expectRefusal(const QString& message, ControlName field) {
        QCOMPARE(t_->dialogs.messages.size(), std::size_t{1});
        QCOMPARE(t_->dialogs.messages.front().text, message);
        QCOMPARE(t_->dialogs.messages.front().title, ui::applicationTitle());
        QCOMPARE(focused(), control(w(), field));
        QCOMPARE(lineEdit(w(), field)->selectedText(), text(w(), field));
    }

private Q_SLOTS:
    void init() {
        t_ = std::make_unique<WindowTest>();
        w_ = &t_->open<ui::CalculationForm>(WindowId::CalculationForm);
    }
    void cleanup() { t_.reset(); }

    void controlsAndTabOrder() {
        const ControlName order[] = {
            txtBeginningDate, txtEndingDate,  txtRate,      txtWeeks, txtPaymentDate,
            txtPaymentAmount, txtCaseCaption, cmdCalculate, cmdSave,  cmdNextEntry,
            cmdPrint,         cmdClear,       nav::cmdQuit};
        QWidget* at = control(w(), order[0]);
        for (ControlName name : order) {
            QCOMPARE(at->objectName(), qtName(name));
            do {
                at = at->nextInFocusChain();
            } while (!(at->focusPolicy() & Qt::TabFocus));
        }
        QCOMPARE(at->objectName(), qtName(nav::cmdPresentValue));  // then the navigation row
        QVERIFY(!button(w(), cmdCalculate)->isDefault());
        QCOMPARE(filled(w(), {txtBeginningDate, txtEndingDate, txtRate, txtWeeks, txtPaymentDate,
                              txtPaymentAmount, txtCaseCaption, lblDays, txtTotalDays, txtTotalComp,
                              txtAccruedInterest, txtSimpleInterest, txtSimpleDays, txtTotalAmount,
                              txtNetAmount}),
                 QStringList());
        QVERIFY(button(w(), cmdCalculate)->isEnabled());
        QVERIFY(button(w(), cmdClear)->isEnabled());
        QVERIFY(!button(w(), cmdSave)->isEnabled());
        QVERIFY(!button(w(), cmdNextEntry)->isEnabled());
        QVERIFY(!button(w(), cmdPrint)->isEnabled());
        QCOMPARE(button(w(), cmdCalculate)->text(), QString("Calculate Interest"));
        QCOMPARE(button(w(), cmdCalculate)->toolTip(), QString("Press to calculate"));
        QCOMPARE(lineEdit(w(), txtRate)->toolTip(), QString("Enter  weekly compensation rate"));
        QCOMPARE(lineEdit(w(), lblDays)->toolTip(), QString("Partial weeks expressed in days"));
        QCOMPARE(qobject_cast<QLabel*>(control(w(), labSimpleInterest))->text(),
                 QString("Simple Int."));
        QCOMPARE(qobject_cast<QLabel*>(control(w(), Label11))->text(),
                 QString("Begin           End            Pay       Pay Amt.   Weeks Days     Rate  "
                         "       Comp    "
                         "Accrued      Simple           Total     Net Total"));
        auto* panel = qobject_cast<QListWidget*>(control(w(), List1));
        QVERIFY(panel != nullptr);
        QVERIFY(QFontInfo(panel->font()).fixedPitch());
        QCOMPARE(w().windowTitle(), QString("CORVELL'S Compensation & Interest"));
    }

    // A full panel line of 122 characters fits the panel without scrolling.
    void panelShowsAWholeLine() {
        auto* panel = qobject_cast<QListWidget*>(control(w(), List1));
        const int wide = QFontMetrics(panel->font()).horizontalAdvance(QString(122, '0'));
        QVERIFY2(wide < panel->viewport()->width() - panel->verticalScrollBar()->sizeHint().width(),
                 qPrintable(QString("%1 >= %2").arg(wide).arg(panel->viewport()->width())));
    }

    void enterDoesNotCalculate() {
        typeAll(w(), {txtBeginningDate, txtEndingDate}, {"01/01/2004", "12/31/2004"});
        pressEnter(w(), txtEndingDate);
        QVERIFY(text(w(), txtTotalDays).isEmpty());
        QVERIFY(t_->dialogs.messages.empty());
    }

    void dateFieldsComplete_data() {
        columns<QString, QString, QString>({"typed", "shown", "message"});
        row("mmddyyyy", "03152004", "03/15/2004", "");
        row("mmddyy", "031504", "03/15/2004", "");
        row("with slashes", "3/15/04", "03/15/2004", "");
        row("five digits", "12345", "12/34/45", "12/34/45 is not a valid date.");
        row("empty stays empty", "", "", "");
    }
    void dateFieldsComplete() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        for (ControlName field : {txtBeginningDate, txtEndingDate}) {
            t_->dialogs.clear();
            typeAndLeave(w(), field, typed, cmdCalculate);
            QCOMPARE(text(w(), field), shown);
            if (message.isEmpty()) {
                QVERIFY(t_->dialogs.messages.empty());
            } else {
                expectRefusal(message, field);
                type(w(), field, "01/01/2004");  // so that leaving it is accepted
            }
        }
        if (!shown.isEmpty() && message.isEmpty()) {
            QCOMPARE(model().values().BeginDate, CDate(shown.toStdString()).value());
            QCOMPARE(model().values().EndDate, CDate(shown.toStdString()).value());
        }
    }

    void paymentDateLeft_data() {
        columns<QString, QString, QString>({"typed", "shown", "message"});
        row("not digits: refused as typed", "abc", "abc", "abc is not a valid date.");
        row("slashes, no such day", "06/31/2005", "06/31/2005", "06/31/2005 is not a valid date.");
        row("slashes, no such month", "13/45/2020", "13/45/2020",
            "13/45/2020 is not a valid date.");
        row("blanks: no payment date", "   ", "   ", "");
        row("six digits, no date", "123456", "12/34/56", "12/34/56 is not a valid date.");
        row("mmddyy", "063005", "06/30/2005", "");
        row("with slashes", "6/30/05", "06/30/2005", "");
    }
    void paymentDateLeft() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        typeAndLeave(w(), txtPaymentDate, typed, cmdCalculate);
        QTEST(text(w(), txtPaymentDate), "shown");
        if (message.isEmpty()) {
            QVERIFY(t_->dialogs.messages.empty());
        } else {
            expectRefusal(message, txtPaymentDate);
            QCOMPARE(model().values().PaymentDate, kNoDate);
        }
    }

    void rateLeftSkipsToPaymentDate() {
        typeAndLeave(w(), txtRate, "500", cmdCalculate);
        QCOMPARE(text(w(), txtRate), QString("500.00"));
        QCOMPARE(focused(), control(w(), cmdCalculate));
        typeAll(w(), {txtEndingDate, txtRate}, {"123104", "1,250"}, cmdCalculate);
        QCOMPARE(text(w(), txtRate), QString("1250.00"));
        QCOMPARE(focused(), control(w(), txtPaymentDate));
        typeAndLeave(w(), txtRate, "", cmdCalculate);
        QCOMPARE(text(w(), txtRate), QString(""));
        QVERIFY(t_->dialogs.messages.empty());
        // A number beyond the range of a double stays as typed and is refused.
        typeAndLeave(w(), txtRate, "1e309", cmdCalculate);
        expectRefusal("1e309 is not a valid number.", txtRate);
    }

    void firstWorkedExample() {
        calculate({"010104", "12/31/2004", "500", "", ""});
        QCOMPARE(results(), QStringList({"366", "52", "2", "26,142.86", "", "", "", "26,142.86",
                                         "26,142.86"}));
        calculate({"010104", "12/31/2004", "500", "06/30/2005", "1000"});
        QCOMPARE(results(), QStringList({"366", "52", "2", "26,142.86", "1,325.00", "1,381.02",
                                         "181", "28,848.88", "27,848.88"}));
        QVERIFY(t_->dialogs.messages.empty());
        QVERIFY(button(w(), cmdSave)->isEnabled());
        QVERIFY(model().state().EntryCalculated);
        QCOMPARE(model().values().TotalComp, 500.0 * 366 / 7);
    }

    void oneDayPeriod() {
        calculate({"03/15/2004", "03/15/2004", "700", "", ""});
        QCOMPARE(results().mid(0, 4), QStringList({"1", "0", "1", "100.00"}));
    }

    void endingDateFromWeeks() {
        typeAndLeave(w(), txtBeginningDate, "01/01/2005", cmdClear);
        type(w(), txtWeeks, "10.5");
        click(w(), cmdCalculate);
        QCOMPARE(texts(w(), {txtEndingDate, txtWeeks, lblDays, txtTotalDays}),
                 QStringList({"03/15/2005", "10", "4", "74"}));
        QCOMPARE(int{model().values().Days}, 74);
    }

    void endingDateWinsOverWeeks() {
        type(w(), txtWeeks, "10");
        calculate({"01/01/2004", "12/31/2004", "500", "", ""});
        QCOMPARE(texts(w(), {txtWeeks, txtEndingDate}), QStringList({"52", "12/31/2004"}));
    }

    void refusals_data() {
        columns<QString, QString, QString, QString, QString, QString, QString, ControlName>(
            {"begin", "end", "rate", "weeks", "paid", "payment", "message", "field"});
        row("beginning empty", "", "12/31/2004", "500", "", "", "",
            "Beginning Date is required for any calculation.", txtBeginningDate);
        row("ending before beginning", "06/01/2005", "12/31/2004", "500", "", "06/31/2005", "",
            "Ending date must be later than beginning date", txtEndingDate);
        row("no ending date, no weeks", "01/01/2005", "", "500", "", "", "",
            "Ending Date or Weeks is required for any calculation.", txtEndingDate);
        row("weeks too few", "01/01/2005", "", "500", "0.07", "", "",
            "Weeks must be more than 0 and at most 4681.", txtWeeks);
        row("weeks too many", "01/01/2005", "", "500", "4682", "", "",
            "Weeks must be more than 0 and at most 4681.", txtWeeks);
        row("payment date, no such day", "01/01/2004", "12/31/2004", "500", "", "06/31/2005",
            "1000", "06/31/2005 is not a valid date.", txtPaymentDate);
        row("payment date a word", "01/01/2004", "12/31/2004", "500", "", "abc", "1000",
            "abc is not a valid date.", txtPaymentDate);
        row("payment date before the payment amount", "01/01/2004", "12/31/2004", "500", "",
            "02/30/2005", "1e309", "02/30/2005 is not a valid date.", txtPaymentDate);
    }
    // A refusal changes no flag, button, result field or stored value.
    void refusals() {
        QFETCH(QString, begin);
        QFETCH(QString, end);
        QFETCH(QString, rate);
        QFETCH(QString, weeks);
        QFETCH(QString, paid);
        QFETCH(QString, payment);
        QFETCH(ControlName, field);
        calculate({"01/01/2004", "12/31/2004", "500", "06/30/2005", "1000"});
        typeAndLeave(w(), txtBeginningDate, "",
                     cmdClear);  // leaving a date: not calculated now
        const QStringList before = results();
        const CalculationValues values = model().values();
        t_->dialogs.clear();

        typeAll(w(), {txtBeginningDate, txtEndingDate}, {begin, end}, cmdClear);
        typeAll(w(), {txtRate, txtWeeks}, {rate, weeks});
        // Leaving the rate may have moved the focus on to the payment date:
        // leave it before the payment fields are put in place without
        // passing through them, so that only Calculate checks them.
        control(w(), cmdClear)->setFocus(Qt::OtherFocusReason);
        lineEdit(w(), txtPaymentDate)->setText(paid);
        lineEdit(w(), txtPaymentAmount)->setText(payment);
        const CalculationValues left = model().values();
        const EntryFigures figures = model().figures();
        click(w(), cmdCalculate);
        QFETCH(QString, message);
        expectRefusal(message, field);

        QCOMPARE(text(w(), txtEndingDate), end);  // not taken from the weeks
        QCOMPARE(text(w(), txtWeeks), weeks);
        QStringList after = results();
        after[1] = before[1];  // the weeks field holds what was typed
        QCOMPARE(after, before);
        QVERIFY(!model().state().EntryCalculated);
        QVERIFY(button(w(), cmdSave)->isEnabled());  // as the earlier calculation left it
        QCOMPARE(model().values().TotalComp, values.TotalComp);
        QCOMPARE(model().values().BeginDate, left.BeginDate);
        QCOMPARE(model().values().EndDate, left.EndDate);
        QCOMPARE(model().values().PaymentDate, left.PaymentDate);
        QCOMPARE(model().figures().PaymentAmount, figures.PaymentAmount);
        QCOMPARE(model().figures().TotalAmount, figures.TotalAmount);
    }

    void paymentBeforeEndingDate() {
        calculate({"01/01/2004", "12/31/2004", "500", "06/30/2005", "1000"});
        calculate({"01/01/2004", "12/31/2004", "500", "06/30/2004", "1000"});
        expectRefusal("06/30/2004 Payment Date is before Ending Date - make two entries",
                      txtEndingDate);
        QCOMPARE(results(), QStringList({"366", "52", "2", "26,142.86", "", "", "", "26,142.86",
                                         "25,142.86"}));
        QCOMPARE(model().values().PaymentDate, kNoDate);
        QCOMPARE(model().figures().AccruedInterest, 0.0);
        QCOMPARE(model().figures().TotalAmount, model().values().TotalComp);
        QVERIFY(model().state().EntryCalculated);
        QVERIFY(button(w(), cmdSave)->isEnabled());
    }

    // No payment date, or one of blanks, leaves no interest of an earlier
    // calculation behind.
    void noPaymentDateNoStaleInterest() {
        calculate({"01/01/2004", "12/31/2004", "500", "06/30/2005", "1000"});
        calculate({"01/01/2004", "12/31/2004", "500", "", "1,000.00"});
        QCOMPARE(results(), QStringList({"366", "52", "2", "26,142.86", "", "", "", "26,142.86",
                                         "25,142.86"}));
        QCOMPARE(model().figures().SimpleInterest, 0.0);
        QCOMPARE(model().figures().SimpleDays, 0.0);
        QCOMPARE(model().figures().PaymentAmount, 1000.0);
        calculate({"01/01/2004", "12/31/2004", "500", "   ", "1000"});
        QCOMPARE(results().mid(4), QStringList({"", "", "", "26,142.86", "25,142.86"}));
        QVERIFY(t_->dialogs.messages.empty());
    }

    void paymentOnEndingDate() {
        calculate({"01/01/2004", "12/31/2004", "500", "12/31/2004", ""});
        QCOMPARE(results().mid(4), QStringList({"1,325.00", "", "", "27,467.86", "27,467.86"}));
    }

    void withoutRateNoCompensation() {
        calculate({"01/01/2004", "12/31/2004", "500", "", ""});
        calculate({"01/01/2004", "12/31/2004", "", "", ""});
        QCOMPARE(results(), QStringList({"366", "52", "2", "", "", "", "", "0.00", "0.00"}));
        QCOMPARE(model().values().CompRate, 0.0);
    }
};

QTEST_MAIN(TestCalculationForm)
#include "test_calculationform.moc"

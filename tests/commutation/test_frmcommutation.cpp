// The commutation window as the operator uses it: typing, leaving the
// beginning date, Enter, Calculate, Clear and Print, with messages, focus
// and printed reports read back from a PDF.
#include <QApplication>
#include <QTest>

#include "commutation/frmcommutationcontrols.h"
#include "commutation/ui/frmcommutation.h"
#include "shell/format.h"
#include "shell/ui/look.h"
#include "tests/support/pdftext.h"
#include "tests/support/rows.h"
#include "tests/support/windowcheck.h"
#include "tests/support/windowtest.h"

using namespace corvell;
using namespace corvell::frmcommutation;
using namespace corvell::test;

namespace {

constexpr ControlName kInputs[] = {txtBeginningDate, txtCommWeeks, txtCommAmount};

}  // namespace

class TestFrmCommutation : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTest> t_;
    ui::frmCommutation* w_ = nullptr;

    CommutationModel& model() { return w_->model(); }

    // Types the three inputs in tab order and presses Enter in the last one.
    void calculate(const QString& begin, const QString& weeks, const QString& amount) {
        const QString values[] = {begin, weeks, amount};
        for (int i = 0; i < 3; ++i) {
            type(*w_, kInputs[i], values[i]);
        }
        pressEnter(*w_, txtCommAmount);
    }

    void expectRefusal(const QString& message, ControlName field) {
        checkRefusal(*t_, *w_, message, field);
    }

    QString printedRate() { return QString::fromStdString(Format(*model().CommRate(), "0.00")); }

private Q_SLOTS:
    void init() {
        t_ = std::make_unique<WindowTest>();
        w_ = &t_->open<ui::frmCommutation>(WindowId::frmCommutation);
    }
    void cleanup() { t_.reset(); }

    void tabOrderAndDefaultButton() {
        checkTabOrder(
            *w_, {txtBeginningDate, txtCommWeeks, txtCommAmount, txtCaseCaption, cmdCommCalculate,
                  cmdCommPrint, cmdCommClear, nav::cmdQuit, nav::cmdCommutation,
                  nav::cmdPresentValue, nav::cmdSocialSecurity, nav::CmdLumpSum,
                  nav::cmdSubrogation, nav::cmdPension, txtComputedRate, txtComputedEndDate});
        QVERIFY(button(*w_, cmdCommCalculate)->isDefault());
        QCOMPARE(button(*w_, nav::cmdCommutation)->text(), QString("Interest"));
    }

    void workedExamples_data() {
        columns<QString, QString, QString, QString, int>(
            {"weeks", "amount", "end", "rate", "days"});
        row("104 weeks, 52000", "104", "52000", "01/02/2006", "500.00", 728);
        row("amount 52,000 is 52000", "104", "52,000", "01/02/2006", "500.00", 728);
        row("amount $52,000.00", "104", "$52,000.00", "01/02/2006", "500.00", 728);
        row("1 week, same weekday", "1", "500", "01/12/2004", "500.00", 7);
        row("1.5 weeks", "1.5", "750", "01/15/2004", "500.00", 10);
        row("10.25 weeks", "10.25", "1000", "03/17/2004", "97.56", 72);
        row("0.5 weeks", "0.5", "100", "01/09/2004", "200.00", 4);
        row("grouped rate", "2", "2,500,001", "01/19/2004", "1,250,000.50", 14);
    }
    void workedExamples() {
        QFETCH(QString, weeks);
        QFETCH(QString, amount);
        QFETCH(QString, end);
        QFETCH(int, days);
        calculate("01/05/2004", weeks, amount);
        QVERIFY(t_->dialogs.messages.empty());
        QCOMPARE(text(*w_, txtComputedEndDate), end);
        QTEST(text(*w_, txtComputedRate), "rate");
        QCOMPARE(int{model().values().Days}, days);
        QCOMPARE(QString::fromStdString(Format(model().values().EndDate, "mm/dd/yyyy")), end);
        // The inputs stay as typed.
        QCOMPARE(texts(*w_, {txtCommWeeks, txtCommAmount}), QStringList({weeks, amount}));
    }

    void beginningDateCompletion_data() {
        columns<QString, QString>({"typed", "shown"});
        row("mmddyyyy", "01152004", "01/15/2004");
        row("mmddyy", "011504", "01/15/2004");
        row("m/d/yy", "1/5/04", "01/05/2004");
        row("month name", "March 15, 2004", "03/15/2004");
        row("empty left alone", "", "");
    }
    void beginningDateCompletion() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        typeAndLeave(*w_, txtBeginningDate, typed, cmdCommPrint);
        QVERIFY(t_->dialogs.messages.empty());
        QCOMPARE(text(*w_, txtBeginningDate), shown);
        // Leaving the field with a date already sets the beginning date.
        if (shown.isEmpty()) {
            QCOMPARE(model().values().BeginDate, kNoDate);
        } else {
            QCOMPARE(QString::fromStdString(Format(model().values().BeginDate, "mm/dd/yyyy")),
                     shown);
        }
    }

    void refusedBeginningDateOnLeaving() {
        calculate("01/05/2004", "104", "52000");
        typeAndLeave(*w_, txtBeginningDate, "02302004", cmdCommPrint);
        expectRefusal("02/30/2004 is not a valid date.", txtBeginningDate);
        QCOMPARE(text(*w_, txtBeginningDate), QString("02/30/2004"));
        QCOMPARE(QString::fromStdString(Format(model().values().BeginDate, "mm/dd/yyyy")),
                 QString("01/05/2004"));
    }

    // Each check in its order; the fields before the refused one are already
    // set right, so only the refused check can answer.
    void refusals_data() {
        columns<QString, QString, QString, QString, ControlName, QString>(
            {"begin", "weeks", "amount", "message", "field", "endShown"});
        const QString range = "Commuted Weeks must be more than 0 and at most 4681.";
        row("nothing typed", "", "", "", "Beginning Date is requireed for any calculation.",
            txtBeginningDate, "01/02/2006");
        row("date missing, rest typed", "", "-1", "",
            "Beginning Date is requireed for any calculation.", txtBeginningDate, "01/02/2006");
        row("weeks missing", "01/05/2004", "", "", "Commuted Weeks is a required entry",
            txtCommWeeks, "01/02/2006");
        row("weeks 0", "01/05/2004", "0", "", range, txtCommWeeks, "01/02/2006");
        row("weeks a blank", "01/05/2004", " ", "", range, txtCommWeeks, "01/02/2006");
        row("weeks a word", "01/05/2004", "many", "", "many is not a valid number.", txtCommWeeks,
            "01/02/2006");
        row("weeks negative", "01/05/2004", "-3", "", range, txtCommWeeks, "01/02/2006");
        row("weeks 4682", "01/05/2004", "4682", "", range, txtCommWeeks, "01/02/2006");
        row("ends after 9999", "12/25/9999", "1", "1",
            "The payments would end after 12/31/9999. Enter fewer "
            "Comm Weeks or an earlier Beginning Date.",
            txtCommWeeks, "01/02/2006");
        row("amount missing", "01/05/2004", "1", "", "Commuted Amount is a required entry",
            txtCommAmount, "01/12/2004");
        const QString digits400(400, '9');
        row("amount of 400 digits", "01/05/2004", "1", digits400,
            digits400 + " is not a valid number.", txtCommAmount, "01/12/2004");
    }
    void refusals() {
        QFETCH(QString, begin);
        QFETCH(QString, weeks);
        QFETCH(QString, amount);
        QFETCH(QString, message);
        QFETCH(ControlName, field);
        QFETCH(QString, endShown);
        calculate("01/05/2004", "104", "52000");
        t_->dialogs.clear();
        calculate(begin, weeks, amount);
        expectRefusal(message, field);
        QCOMPARE(texts(*w_, {txtComputedEndDate, txtComputedRate, txtCommWeeks, txtCommAmount}),
                 QStringList({endShown, "500.00", weeks, amount}));
        // Kept: what the steps before the refusal set, and nothing after it.
        const QString keptBegin = begin.isEmpty() ? QString("01/05/2004") : begin;
        QCOMPARE(QString::fromStdString(Format(model().values().BeginDate, "mm/dd/yyyy")),
                 keptBegin);
        QCOMPARE(QString::fromStdString(Format(model().values().EndDate, "mm/dd/yyyy")), endShown);
        QCOMPARE(printedRate(), QString("500.00"));
        QCOMPARE(model().CommAmount(), std::optional<double>(52000));
    }

    // Enter calculates without leaving the date field: the check of the
    // calculation itself refuses the date.
    void refusedDateOnEnter() {
        typeAll(*w_, {txtCommWeeks, txtBeginningDate}, {"104", "02/30/2004"});
        pressEnter(*w_, txtBeginningDate);
        expectRefusal("02/30/2004 is not a valid date.", txtBeginningDate);
        QCOMPARE(model().values().BeginDate, kNoDate);
        QCOMPARE(text(*w_, txtComputedEndDate), QString());
    }

    void clearEmptiesFieldsKeepsValues() {
        calculate("01/05/2004", "104", "52000");
        type(*w_, txtCaseCaption, "Smith v. Acme");
        const CalculationValues before = model().values();
        click(*w_, cmdCommClear);
        QCOMPARE(filled(*w_, {txtBeginningDate, txtCommWeeks, txtCommAmount, txtComputedRate,
                              txtComputedEndDate, txtCaseCaption}),
                 QStringList());
        QCOMPARE(focused(), control(*w_, cmdCommClear));  // the focus stays where it was
        QCOMPARE(model().values().BeginDate, before.BeginDate);
        QCOMPARE(model().values().EndDate, before.EndDate);
        QCOMPARE(model().values().Days, before.Days);
        QCOMPARE(model().CommAmount(), std::optional<double>(52000));
        QCOMPARE(printedRate(), QString("500.00"));
        QVERIFY(t_->dialogs.messages.empty());
    }

    void reports_data() {
        // lines: blanks simplified, empty lines left out
        columns<bool, bool, QStringList>({"calculated", "cleared", "lines"});
        const QString title = "CALCULATION OF COMMUTATION";
        const QString moment = "03-04-2026 09:05:07";
        row("before any calculation", false, false,
            QStringList{title, moment, "Smith v. Acme", "to", "Weeks Rate="});
        row("after a calculation", true, false,
            QStringList{title, moment, "Smith v. Acme", "01/05/2004 to 01/02/2006",
                        "104 Weeks Rate=$500.00"});
        row("after Clear", true, true,
            QStringList{title, moment, "01/05/2004 to 01/02/2006", "Weeks Rate=$500.00"});
    }
    void reports() {
        QFETCH(bool, calculated);
        QFETCH(bool, cleared);
        QFETCH(QStringList, lines);
        if (calculated) {
            calculate("01/05/2004", "104", "52,000");
        }
        type(*w_, txtCaseCaption, "Smith v. Acme");
        if (cleared) {
            click(*w_, cmdCommClear);
        }
        t_->dialogs.copies = 3;  // copies are not used: one document
        click(*w_, cmdCommPrint);
        QCOMPARE(t_->dialogs.printerDialogs, 1);
        QCOMPARE(t_->dialogs.printed.size(), std::size_t{1});
        const report::Document& doc = t_->dialogs.printed.front();
        QCOMPARE(doc.plainLines().size(), std::size_t{7});
        QCOMPARE(simplifiedLines(doc.plainLines()), lines);
        QCOMPARE(simplifiedLines(pdfLines(doc)), lines);
    }
};

QTEST_MAIN(TestFrmCommutation)
#include "test_frmcommutation.moc"

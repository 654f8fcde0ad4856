// The subrogation window as the operator uses it: typing, Tab, Enter,
// Calculate, Clear and Print, with messages, focus and printed reports read
// back from a PDF.
#include <QApplication>
#include <QTest>

#include "shell/ui/look.h"
#include "subrogation/frmsubrogationcontrols.h"
#include "subrogation/ui/frmsubrogation.h"
#include "tests/support/pdftext.h"
#include "tests/support/rows.h"
#include "tests/support/windowcheck.h"
#include "tests/support/windowtest.h"

using namespace corvell;
using namespace corvell::frmsubrogation;
using namespace corvell::test;

namespace {

constexpr ControlName kInputs[] = {txtTotalRecovery, txtCostsAndFees, txtRate, txtLienAmount,
                                   txtLienRecovery};
constexpr ControlName kFields[] = {txtTotalRecovery, txtCostsAndFees, txtRate,
                                   txtLienAmount,    txtLienRecovery, txtCaseCaption,
                                   txtNewWeeklyRate, txtForWeeks};

}  // namespace

class TestFrmSubrogation : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTest> t_;
    ui::frmSubrogation* w_ = nullptr;

    // Types the inputs that are given, in tab order (a null string is skipped).
    void fill(const QStringList& inputs) {
        for (int i = 0; i < inputs.size(); ++i) {
            if (!inputs[i].isNull()) {
                type(*w_, kInputs[i], inputs[i]);
            }
        }
    }
    // Fills the inputs and presses Enter in the lien amount.
    void calculate(const QStringList& inputs) {
        fill(inputs);
        pressEnter(*w_, txtLienAmount);
    }

    QStringList fieldTexts() { return texts(*w_, kFields); }

private Q_SLOTS:
    void init() {
        t_ = std::make_unique<WindowTest>();
        w_ = &t_->open<ui::frmSubrogation>(WindowId::frmSubrogation);
    }
    void cleanup() { t_.reset(); }

    void tabOrderAndDefaultButton() {
        checkTabOrder(
            *w_, {txtTotalRecovery, txtCostsAndFees, txtRate, txtLienAmount, txtLienRecovery,
                  txtCaseCaption, cmdSSCalculate, cmdSSPrint, cmdSSClear, nav::cmdQuit,
                  nav::CmdInterest, nav::cmdPresentValue, nav::cmdSocialSecurity, nav::cmdLumpSum,
                  nav::cmdCommutation, nav::cmdPension, txtNewWeeklyRate, txtForWeeks});
        QVERIFY(button(*w_, cmdSSCalculate)->isDefault());
        QCOMPARE(ui::clientArea(*w_).size(), QSize(635, 403));  // 9525 x 6045 twips
        QCOMPARE(control(*w_, txtForWeeks)->geometry(), QRect(296, 136, 129, 25));
    }

    void workedExamples_data() {
        // inputs: total, costs, rate, lien, lien recovery
        // results: lien recovery, new weekly rate, weeks / days
        columns<QStringList, QStringList>({"inputs", "results"});
        row("lien 30000", QStringList{"100000", "40000", "450", "30000", ""},
            QStringList{"18,000.00", "$180.00", "155 / 3"});
        row("agreed recovery 20000", QStringList{"100000", "40000", "450", "", "20000"},
            QStringList{"20000", "$180.00", "177 / 5"});
        row("neither", QStringList{"100000", "40000", "450", "", ""},
            QStringList{"", "$180.00", "222 / 1"});
        row("no costs", QStringList{"100000", "", "450", "30000", ""},
            QStringList{"30,000.00", "$0.00", "155 / 3"});
        row("grouped amounts", QStringList{"$100,000.00", "40,000", "$450.00", "30,000", ""},
            QStringList{"18,000.00", "$180.00", "155 / 3"});
        row("agreed recovery grouped", QStringList{"100,000", "40000", "450", "", "20,000"},
            QStringList{"20,000", "$180.00", "177 / 5"});
        row("whole days kept", QStringList{"1100", "", "350", "", ""},
            QStringList{"", "$0.00", "3 / 1"});
        row("lien all of the total", QStringList{"10000", "5000", "450", "10000", ""},
            QStringList{"5,000.00", "$225.00", "0 / 0"});
    }
    void workedExamples() {
        QFETCH(QStringList, inputs);
        calculate(inputs);
        QVERIFY(t_->dialogs.messages.empty());
        QTEST(texts(*w_, {txtLienRecovery, txtNewWeeklyRate, txtForWeeks}), "results");
        QCOMPARE(text(*w_, txtTotalRecovery), inputs[0]);
    }

    // Each refusal: its message, the refused field focused with its whole
    // text selected, nothing changed. Enter is pressed in the lien amount,
    // which the focus then leaves for the refused field and not for the
    // case caption.
    void refusals_data() {
        columns<QString, QString, QString, ControlName>({"total", "rate", "message", "field"});
        row("rate missing first", "", "", "Rate is required for any calculation.", txtRate);
        row("total missing before a bad rate", "", "450x",
            "Total Recovery is required for any calculation.", txtTotalRecovery);
        row("total reads 0", "$0.00", "450", "Total Recovery is required for any calculation.",
            txtTotalRecovery);
        row("rate not a number", "100000", "450x", "450x is not a valid number.", txtRate);
        row("rate a blank", "100000", " ", "Rate is required for any calculation.", txtRate);
        row("costs above the total", "10000", "450",
            "The Costs and Fees of 40,000.00 are larger than the Total Recovery of 10,000.00: the "
            "lien holder would recover less than nothing.",
            txtCostsAndFees);
        row("rate 0", "100000", "0", "Rate must be greater than 0.", txtRate);
    }
    void refusals() {
        QFETCH(QString, total);
        QFETCH(QString, rate);
        QFETCH(QString, message);
        QFETCH(ControlName, field);
        calculate({"100000", "40000", "450", "", ""});
        type(*w_, txtCaseCaption, "Smith v. Acme");
        fill({total, QString(), rate, "30000"});
        QCOMPARE(focused(), control(*w_, txtLienAmount));
        const QStringList before = fieldTexts();
        t_->dialogs.clear();
        pressEnter(*w_, txtLienAmount);
        checkRefusal(*t_, *w_, message, field);
        QCOMPARE(fieldTexts(), before);
        QCOMPARE(text(*w_, txtNewWeeklyRate), QString("$180.00"));
        QCOMPARE(w_->model().newWeeklyRate(), 450 * 0.4);
    }

    void leavingLienAmount_data() {
        columns<QString, ControlName>({"lien", "next"});
        row("lien typed: on to the caption", "30000", txtCaseCaption);
        row("no lien: on to the lien recovery", "", txtLienRecovery);
    }
    void leavingLienAmount() {
        QFETCH(QString, lien);
        QFETCH(ControlName, next);
        type(*w_, txtLienAmount, lien);
        QTest::keyClick(lineEdit(*w_, txtLienAmount), Qt::Key_Tab);
        QCOMPARE(focused(), control(*w_, next));
        QVERIFY(t_->dialogs.messages.empty());
    }

    // After a refusal the operator mends the rate and tabs on: the lien
    // amount sends the focus on to the caption as always.
    void lienAmountAfterRefusal() {
        type(*w_, txtTotalRecovery, "100000");
        click(*w_, cmdSSCalculate);
        QCOMPARE(focused(), control(*w_, txtRate));
        QTest::keyClicks(lineEdit(*w_, txtRate), "450");
        QTest::keyClick(lineEdit(*w_, txtRate), Qt::Key_Tab);
        QCOMPARE(focused(), control(*w_, txtLienAmount));
        QTest::keyClicks(lineEdit(*w_, txtLienAmount), "30000");
        QTest::keyClick(lineEdit(*w_, txtLienAmount), Qt::Key_Tab);
        QCOMPARE(focused(), control(*w_, txtCaseCaption));
    }

    void clearEmptiesFieldsKeepsRate() {
        calculate({"100000", "40000", "450", "30000", ""});
        type(*w_, txtCaseCaption, "Smith v. Acme");
        click(*w_, cmdSSClear);
        for (const QString& t : fieldTexts()) {
            QCOMPARE(t, QString());
        }
        QCOMPARE(focused(), control(*w_, txtTotalRecovery));
        QCOMPARE(w_->model().newWeeklyRate(), 450 * 0.4);
        QVERIFY(t_->dialogs.messages.empty());
    }

    void reports_data() {
        // lines: blanks simplified, empty lines left out
        columns<bool, bool, QStringList>({"calculated", "cleared", "lines"});
        const QString title = "Subrogation Calculation";
        const QString moment = "03-04-2026 09:05:07";
        row("before any calculation", false, false,
            QStringList{title, moment, "Smith v. Acme", "Total tort recovery=", "Costs and fees=",
                        "Weekly compensation rate=", "Lien Amount=", "Lien Recovery=",
                        "New compensation rate=$0.00", "Weeks / days new rate payable="});
        row("after a calculation", true, false,
            QStringList{title, moment, "Smith v. Acme", "Total tort recovery=$100,000.00",
                        "Costs and fees=$40,000.00", "Weekly compensation rate=$450.00",
                        "Lien Amount=$30,000.00", "Lien Recovery=$18,000.00",
                        "New compensation rate=$180.00", "Weeks / days new rate payable=155 / 3"});
        row("after Clear", true, true,
            QStringList{title, moment, "Total tort recovery=", "Costs and fees=",
                        "Weekly compensation rate=", "Lien Amount=", "Lien Recovery=",
                        "New compensation rate=$180.00", "Weeks / days new rate payable="});
    }
    void reports() {
        QFETCH(bool, calculated);
        QFETCH(bool, cleared);
        QFETCH(QStringList, lines);
        if (calculated) {
            calculate({"100,000", "40000", "450", "30000", ""});
        }
        type(*w_, txtCaseCaption, "Smith v. Acme");
        if (cleared) {
            click(*w_, cmdSSClear);
        }
        click(*w_, cmdSSPrint);
        QCOMPARE(t_->dialogs.printed.size(), std::size_t{1});
        const report::Document& doc = t_->dialogs.printed.front();
        QCOMPARE(doc.plainLines().size(), std::size_t{11});
        QCOMPARE(simplifiedLines(doc.plainLines()), lines);
        QCOMPARE(simplifiedLines(pdfLines(doc)), lines);
    }
};

QTEST_MAIN(TestFrmSubrogation)
#include "test_frmsubrogation.moc"

// The present value window as the operator uses it: its layout, leaving
// fields, Enter, Calculate, Clear and Print, with messages, focus and the
// printed report read back from a PDF.
#include <QLabel>
#include <QTest>
#include <cmath>
#include <memory>

#include "presentvalue/frmpresentvaluecontrols.h"
#include "presentvalue/ui/frmpresentvalue.h"
#include "shell/dates.h"
#include "shell/ui/look.h"
#include "shell/values.h"
#include "tests/support/pdftext.h"
#include "tests/support/rows.h"
#include "tests/support/windowcheck.h"
#include "tests/support/windowtest.h"

using namespace corvell;
using namespace corvell::frmpresentvalue;
using namespace corvell::test;

namespace {

// The left edge of the first word of the PDF with this text.
double leftOf(const PdfResult& pdf, const QString& word) {
    for (const PdfWord& w : pdf.words) {
        if (w.text == word) {
            return w.x;
        }
    }
    qFatal("no word %s in the report", qPrintable(word));
}

}  // namespace

class TestFrmPresentValue : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTest> t_;
    ui::frmPresentValue* w_ = nullptr;

    void expectRefusal(const QString& message, ControlName field) {
        checkRefusal(*t_, *w_, message, field);
        QVERIFY(!text(*w_, field).isEmpty());
    }

    void expectFocusAtStart(ControlName field) {
        QCOMPARE(focused(), control(*w_, field));
        QVERIFY(!lineEdit(*w_, field)->hasSelectedText());
        QCOMPARE(lineEdit(*w_, field)->cursorPosition(), 0);
    }

    const report::Document& printed() {
        if (t_->dialogs.printed.size() != 1) {
            qFatal("expected one printed report");
        }
        return t_->dialogs.printed.front();
    }

private Q_SLOTS:
    void init() {
        t_ = std::make_unique<WindowTest>();
        w_ = &t_->open<ui::frmPresentValue>(WindowId::frmPresentValue);
    }
    void cleanup() { t_.reset(); }

    void titleAndStartingTexts() {
        QCOMPARE(w_->windowTitle(), QStringLiteral("CORVELL'S Present Value Calculator"));
        QCOMPARE(ui::clientArea(*w_).size(), QSize(ui::pixels(9525), ui::pixels(5940)));
        QCOMPARE(text(*w_, txtInterestRate), QStringLiteral(".05"));
        QVERIFY(text(*w_, txtFromDate).isEmpty());
        QVERIFY(button(*w_, cmdPVCalculate)->isDefault());
    }

    void controls_data() {
        columns<ControlName, QRect, QString>({"name", "twips", "toolTip"});
        auto row = [](ControlName name, int l, int t, int w, int h, const char* tip) {
            QTest::newRow(qPrintable(qtName(name))) << name << QRect(l, t, w, h) << tip;
        };
        row(txtFromDate, 120, 960, 1455, 375, "Enter first day payment made as m/d/yy");
        row(txtToDate, 1680, 960, 1455, 375,
            "Enter last date of period inclusive.  Enter as m/d/yy");
        row(txtWeeks, 3240, 960, 1095, 375,
            "Enter weeks to compute end date or weeks will be calculated using from and to dates");
        row(txtAge, 4440, 960, 615, 375,
            "Enter age to nearest birthday for approximation of life expency from HCFA tables.");
        row(txtGender, 5160, 960, 615, 375, "If age is entered, enter M for male or F for female");
        row(txtRate, 5880, 960, 1455, 375, "Enter weekly indemnity rate");
        row(txtInterestRate, 360, 1920, 1215, 375, "Enter discount  interest rate if not 5%");
        row(txtCaseCaption, 360, 2760, 4935, 975,
            "Enter any identifying information for printed report");
        row(txtTotalComp, 1800, 1920, 1935, 360, "Calculated total Compensation before discount");
        row(txtPresentValue, 4080, 1920, 1815, 360,
            "Calculated present value based on interest rate");
        row(cmdPVCalculate, 7200, 1920, 1575, 735, "Press to calculate");
        row(cmdPVPrint, 7200, 3000, 855, 735, "Press to print results of calculation");
        row(cmdPVClear, 8160, 3000, 615, 735, "Clear for new calculation");
        row(nav::cmdQuit, 7920, 120, 855, 375, "Return to main menu");
        row(nav::CmdInterest, 240, 240, 1095, 195, "");
        row(nav::cmdSocialSecurity, 1440, 240, 1215, 195, "");
        row(nav::cmdCommutation, 2760, 240, 1215, 195, "");
        row(nav::cmdLumpSum, 4080, 240, 1215, 195, "");
        row(nav::cmdSubrogation, 5400, 240, 1095, 195, "");
        row(nav::cmdPension, 6600, 240, 1095, 195, "");
    }
    void controls() {
        QFETCH(ControlName, name);
        QFETCH(QRect, twips);
        QFETCH(QString, toolTip);
        QWidget* c = control(*w_, name);
        QCOMPARE(c->geometry(), QRect(ui::pixels(twips.left()), ui::pixels(twips.top()),
                                      ui::pixels(twips.width()), ui::pixels(twips.height())));
        QCOMPARE(c->toolTip(), toolTip);
        if (auto* field = qobject_cast<QLineEdit*>(c)) {
            QCOMPARE(field->font().family(), ui::standInFamily("Times New Roman"));
            QVERIFY(field->font().bold());
            QCOMPARE(field->font().pointSizeF(), 9.75);
        } else if (name == cmdPVCalculate || name == cmdPVPrint || name == cmdPVClear) {
            QCOMPARE(c->font().family(), ui::standInFamily("MS Sans Serif"));
            QVERIFY(c->font().bold());
            QCOMPARE(c->font().pointSizeF(), 8.25);
        }
    }

    void buttonCaptions() {
        QCOMPARE(button(*w_, cmdPVCalculate)->text(), QStringLiteral("Calculate"));
        QCOMPARE(button(*w_, cmdPVPrint)->text(), QStringLiteral("Print"));
        QCOMPARE(button(*w_, cmdPVClear)->text(), QStringLiteral("Clear"));
        QCOMPARE(button(*w_, nav::cmdQuit)->text(), QStringLiteral("Close"));
        QCOMPARE(button(*w_, nav::CmdInterest)->text(), QStringLiteral("Interest"));
        QCOMPARE(button(*w_, nav::cmdLumpSum)->text(), QStringLiteral("Lump Sum"));
    }

    void labelsAboveTheirFields() {
        struct Expected {
            const char* caption;
            int left;
            int top;
        };
        const Expected labels[] = {
            {"From Date", 120, 720},      {"To Date", 1800, 720},     {"Weeks", 3240, 720},
            {"Age", 4440, 720},           {"M/F", 5160, 720},         {"Comp Rate", 6000, 720},
            {"Interest Rate", 360, 1680}, {"Total Comp", 2040, 1680}, {"Present Value", 4080, 1680},
            {"Case Caption", 360, 2520},
        };
        const QList<QLabel*> all = w_->findChildren<QLabel*>();
        for (const Expected& e : labels) {
            QLabel* found = nullptr;
            for (QLabel* label : all) {
                if (label->text() == QLatin1String(e.caption)) {
                    found = label;
                }
            }
            QVERIFY2(found != nullptr, e.caption);
            QCOMPARE(found->pos(), QPoint(ui::pixels(e.left), ui::pixels(e.top)));
            QCOMPARE(found->height(), ui::pixels(255));
            const bool caseCaption = QLatin1String(e.caption) == QLatin1String("Case Caption");
            QCOMPARE(found->font().family(),
                     ui::standInFamily(caseCaption ? "MS Serif" : "MS Sans Serif"));
            QCOMPARE(found->font().pointSizeF(), caseCaption ? 9.75 : 8.25);
            QVERIFY(found->font().bold());
        }
    }

    void tabOrder() {
        checkTabOrder(*w_, {txtFromDate,
                            txtToDate,
                            txtWeeks,
                            txtAge,
                            txtGender,
                            txtRate,
                            txtInterestRate,
                            txtCaseCaption,
                            cmdPVCalculate,
                            cmdPVPrint,
                            cmdPVClear,
                            nav::cmdQuit,
                            nav::CmdInterest,
                            nav::cmdSocialSecurity,
                            nav::cmdCommutation,
                            nav::cmdLumpSum,
                            nav::cmdSubrogation,
                            nav::cmdPension,
                            txtTotalComp,
                            txtPresentValue});
    }

    // Leaving a field for another control re-formats its text, refuses what
    // is no date, or sends the focus on to the rate.
    void leavingAField_data() {
        columns<ControlName, QString, ControlName, QString, QString, ControlName>(
            {"field", "typed", "to", "shown", "message", "focus"});
        row("from mmddyyyy", txtFromDate, "01152005", cmdPVClear, "01/15/2005", "", cmdPVClear);
        row("from mmddyy", txtFromDate, "011505", cmdPVClear, "01/15/2005", "", cmdPVClear);
        row("to mmddyyyy", txtToDate, "01012006", cmdPVClear, "01/01/2006", "", txtRate);
        row("to m/d/yy", txtToDate, "1/1/06", cmdPVClear, "01/01/2006", "", txtRate);
        row("to, for the weeks", txtToDate, "01012006", txtWeeks, "01/01/2006", "", txtRate);
        row("from not a date", txtFromDate, "13452005", txtToDate, "13/45/2005",
            "13/45/2005 is not a valid date.", txtFromDate);
        row("to not a date", txtToDate, "abc", txtWeeks, "abc", "abc is not a valid date.",
            txtToDate);
        row("rate", txtRate, "1,250", txtInterestRate, "1250.00", "", txtInterestRate);
        row("weeks", txtWeeks, "52", txtAge, "52", "", txtRate);
    }
    void leavingAField() {
        QFETCH(ControlName, field);
        QFETCH(QString, typed);
        QFETCH(ControlName, to);
        QFETCH(QString, message);
        QFETCH(ControlName, focus);
        typeAndLeave(*w_, field, typed, to);
        QTEST(text(*w_, field), "shown");
        if (!message.isEmpty()) {
            expectRefusal(message, field);
            return;
        }
        QVERIFY(t_->dialogs.messages.empty());
        if (focus == txtRate) {
            expectFocusAtStart(txtRate);
        } else {
            QCOMPARE(focused(), control(*w_, focus));
        }
    }

    void emptyingTheAgeMovesOnToTheRate() {
        type(*w_, txtAge, "45");
        QCOMPARE(focused(), control(*w_, txtAge));
        type(*w_, txtAge, "");
        expectFocusAtStart(txtRate);
    }

    void fromAndToDates() {
        typeAll(*w_, {txtFromDate, txtToDate}, {"01/01/2005", "01/01/2006"});
        typeAndLeave(*w_, txtRate, "500", txtInterestRate);
        type(*w_, txtInterestRate, "");
        click(*w_, cmdPVCalculate);
        QVERIFY(t_->dialogs.messages.empty());
        QCOMPARE(texts(*w_, {txtWeeks, txtInterestRate, txtTotalComp, txtPresentValue}),
                 QStringList({"52.1428571428571", " .05", "26,071.43", "25,348.82"}));
    }

    void weeksPutTheirEndIntoToDate() {
        typeAll(*w_, {txtFromDate, txtWeeks}, {"01/01/2005", "10"});
        click(*w_, cmdPVCalculate);
        QCOMPARE(text(*w_, txtToDate), QStringLiteral("3/12/2005"));
        QCOMPARE(w_->model().values().Days, std::int16_t{70});
    }

    void ageAndGender() {
        typeAll(*w_, {txtFromDate, txtAge, txtGender}, {"01/01/2005", "45", "m"});
        click(*w_, cmdPVCalculate);
        QCOMPARE(texts(*w_, {txtGender, txtWeeks}), QStringList({"M", "1599.3725"}));
        QCOMPARE(w_->model().values().Days, std::int16_t{11196});
        const Date from = fromCivil({2005, 1, 1});
        QCOMPARE(text(*w_, txtToDate), QString::fromStdString(CStr(*DateAdd(11196, from))));
    }

    void ageRefusals_data() {
        columns<QString, QString>({"age", "message"});
        row("110.2", "110.2", "110.2 is beyond end of age table.  Use 110 or younger.");
        row("0.7", "0.7", "0.7 is lower than age table.  Use age 1 or older.");
    }
    void ageRefusals() {
        QFETCH(QString, age);
        QFETCH(QString, message);
        typeAll(*w_, {txtFromDate, txtAge, txtGender}, {"01/01/2005", age, "M"});
        click(*w_, cmdPVCalculate);
        expectRefusal(message, txtAge);
        QVERIFY(text(*w_, txtWeeks).isEmpty());
    }

    void noPeriodLeavesTheFocus() {
        typeAll(*w_, {txtFromDate, txtRate}, {"01/01/2005", "500"});
        click(*w_, cmdPVCalculate);
        QCOMPARE(t_->dialogs.lastMessage(),
                 QStringLiteral("You must enter either a To Date, Weeks or Age"));
        QCOMPARE(focused(), control(*w_, cmdPVCalculate));
    }

    void enterPressesCalculateWithTheWholeRate() {
        typeAll(*w_, {txtFromDate, txtWeeks, txtRate, txtInterestRate},
                {"01/01/2005", "52", "1,250", "6"});
        pressEnter(*w_, txtInterestRate);
        QCOMPARE(texts(*w_, {txtInterestRate, txtTotalComp}), QStringList({" .06", "65,000.00"}));
        QCOMPARE(w_->model().values().CompRate, 1250.0);
        QCOMPARE(focused(), control(*w_, txtInterestRate));
    }

    void enterInTheRateFieldReadsTheWholeRate() {
        typeAll(*w_, {txtFromDate, txtWeeks, txtRate}, {"01/01/2005", "52", "1,250"});
        pressEnter(*w_, txtRate);
        // The rate field was not left, so it keeps its text, read in full.
        QCOMPARE(texts(*w_, {txtRate, txtTotalComp}), QStringList({"1,250", "65,000.00"}));
    }

    void weeksBeyondTheDayCount() {
        typeAll(*w_, {txtFromDate, txtWeeks, txtRate}, {"1/1/2005", "5000", "500"});
        click(*w_, cmdPVCalculate);
        expectRefusal(QStringLiteral("Weeks must be more than 0 and at most 4681."), txtWeeks);
        QCOMPARE(text(*w_, txtFromDate), QStringLiteral("01/01/2005"));
        QVERIFY(text(*w_, txtToDate).isEmpty());
        QVERIFY(text(*w_, txtTotalComp).isEmpty());
    }

    void interestRateOutOfRange() {
        typeAll(*w_, {txtFromDate, txtWeeks, txtRate}, {"01/01/2005", "52", "500"});
        click(*w_, cmdPVCalculate);
        type(*w_, txtInterestRate, "-52");
        click(*w_, cmdPVCalculate);
        expectRefusal(QStringLiteral("Interest Rate is out of range."), txtInterestRate);
        QCOMPARE(texts(*w_, {txtInterestRate, txtPresentValue}), QStringList({"-52", "25,348.82"}));
    }

    void clearKeepsTheInterestRate() {
        typeAll(*w_, {txtFromDate, txtAge, txtGender, txtRate, txtInterestRate, txtCaseCaption},
                {"01/01/2005", "45", "m", "500", "6", "Doe v. Acme"});
        click(*w_, cmdPVCalculate);
        click(*w_, cmdPVClear);
        QCOMPARE(filled(*w_, {txtFromDate, txtToDate, txtWeeks, txtAge, txtGender, txtRate,
                              txtTotalComp, txtPresentValue, txtCaseCaption}),
                 QStringList());
        QCOMPARE(text(*w_, txtInterestRate), QStringLiteral(" .06"));
        expectFocusAtStart(txtRate);
    }

    void printedReportReadFromPdf() {
        typeAll(*w_, {txtFromDate, txtToDate, txtRate, txtCaseCaption},
                {"01/01/2005", "01/01/2006", "500", "Doe v. Acme Mills"});
        click(*w_, cmdPVCalculate);
        click(*w_, cmdPVPrint);
        QCOMPARE(t_->dialogs.printerDialogs, 1);
        const QStringList lines = simplifiedLines(pdfLines(printed()));
        const QStringList expected = {
            "Present Value Calculation",
            "03-04-2026 09:05:07",
            "Doe v. Acme Mills",
            "From 01/01/2005 to 01/01/2006",
            "52.14 weeks rate = $500.00",
            "Total compensation = $26,071.43",
            "Present value at 5 % discount = $25,348.82",
        };
        QCOMPARE(lines, expected);
        // The title and the date start in the third print zone, the time in
        // the fourth, the caption in the second.
        const PdfResult pdf = renderToPdf(printed());
        QCOMPARE(pdf.pages, 1);
        QVERIFY(!pdf.landscape);
        const double zone2 = leftOf(pdf, "Doe");
        const double zone3 = leftOf(pdf, "Present");
        QVERIFY(std::abs(leftOf(pdf, "03-04-2026") - zone3) < 1);
        QVERIFY(std::abs((leftOf(pdf, "09:05:07") - zone3) - (zone3 - zone2)) < 1);
        QVERIFY(zone2 > leftOf(pdf, "From"));
    }

    void printedAgeLineAndLaterFieldTexts() {
        typeAll(*w_, {txtFromDate, txtAge, txtGender, txtRate, txtCaseCaption},
                {"01/01/2005", "45", "m", "500", "Doe"});
        click(*w_, cmdPVCalculate);
        // A To Date typed after the calculation prints as typed; the figures
        // stay those of the calculation.
        typeAndLeave(*w_, txtToDate, "06302010", cmdPVPrint);
        click(*w_, cmdPVPrint);
        const QStringList lines = simplifiedLines(pdfLines(printed()));
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines[3], QStringLiteral("From 01/01/2005 to 06/30/2010"));
        QCOMPARE(lines[4], QStringLiteral("Age=45 Gender=M"));
        QCOMPARE(lines[5], QStringLiteral("1,599.37 weeks rate = $500.00"));
        QCOMPARE(lines[6], QStringLiteral("Total compensation = $799,686.25"));
        // Gender starts in the second print zone, as the caption does.
        const PdfResult pdf = renderToPdf(printed());
        QVERIFY(std::abs(leftOf(pdf, "Gender=M") - leftOf(pdf, "Doe")) < 1);
    }

    void cancelledPrinterDialogPrintsNothing() {
        t_->dialogs.copies = std::nullopt;
        type(*w_, txtCaseCaption, "Doe");
        click(*w_, cmdPVPrint);
        QCOMPARE(t_->dialogs.printerDialogs, 1);
        QVERIFY(t_->dialogs.printed.empty());
        QCOMPARE(text(*w_, txtCaseCaption), QStringLiteral("Doe"));
    }
};

QTEST_MAIN(TestFrmPresentValue)
#include "test_frmpresentvalue.moc"

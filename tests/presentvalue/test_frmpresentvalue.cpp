// The present value window as the operator uses it: its layout, leaving
// fields, Enter, Calculate, Clear and Print, with messages, focus and the
// printed report read back from a PDF.
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

// Each label sits above its field, its width not set.
constexpr Placed kPlaces[] = {
    {txtFromDate, 120, 960, 1455, 375, nullptr, "Enter first day payment made as m/d/yy"},
    {txtToDate, 1680, 960, 1455, 375, nullptr,
     "Enter last date of period inclusive.  Enter as m/d/yy"},
    {txtWeeks, 3240, 960, 1095, 375, nullptr,
     "Enter weeks to compute end date or weeks will be calculated using from and to dates"},
    {txtAge, 4440, 960, 615, 375, nullptr,
     "Enter age to nearest birthday for approximation of life expency from HCFA tables."},
    {txtGender, 5160, 960, 615, 375, nullptr,
     "If age is entered, enter M for male or F for female"},
    {txtRate, 5880, 960, 1455, 375, nullptr, "Enter weekly indemnity rate"},
    {txtInterestRate, 360, 1920, 1215, 375, nullptr, "Enter discount  interest rate if not 5%"},
    {txtCaseCaption, 360, 2760, 4935, 975, nullptr,
     "Enter any identifying information for printed report"},
    {txtTotalComp, 1800, 1920, 1935, 360, nullptr, "Calculated total Compensation before discount"},
    {txtPresentValue, 4080, 1920, 1815, 360, nullptr,
     "Calculated present value based on interest rate"},
    {lblFromDate, 120, 720, 0, 255, "From Date", nullptr},
    {lblToDate, 1800, 720, 0, 255, "To Date", nullptr},
    {lblWeeks, 3240, 720, 0, 255, "Weeks", nullptr},
    {lblAge, 4440, 720, 0, 255, "Age", nullptr},
    {lblGender, 5160, 720, 0, 255, "M/F", nullptr},
    {lblRate, 6000, 720, 0, 255, "Comp Rate", nullptr},
    {lblInterestRate, 360, 1680, 0, 255, "Interest Rate", nullptr},
    {lblTotalComp, 2040, 1680, 0, 255, "Total Comp", nullptr},
    {lblPresentValue, 4080, 1680, 0, 255, "Present Value", nullptr},
    {lblCaseCaption, 360, 2520, 0, 255, "Case Caption", nullptr},
    {cmdPVCalculate, 7200, 1920, 1575, 735, "Calculate", "Press to calculate"},
    {cmdPVPrint, 7200, 3000, 855, 735, "Print", "Press to print results of calculation"},
    {cmdPVClear, 8160, 3000, 615, 735, "Clear", "Clear for new calculation"},
    {nav::cmdQuit, 7920, 120, 855, 375, "Close", "Return to main menu"},
    {nav::CmdInterest, 240, 240, 1095, 195, "Interest", nullptr},
    {nav::cmdSocialSecurity, 1440, 240, 1215, 195, nullptr, nullptr},
    {nav::cmdCommutation, 2760, 240, 1215, 195, nullptr, nullptr},
    {nav::cmdLumpSum, 4080, 240, 1215, 195, "Lump Sum", nullptr},
    {nav::cmdSubrogation, 5400, 240, 1095, 195, nullptr, nullptr},
    {nav::cmdPension, 6600, 240, 1095, 195, nullptr, nullptr},
};

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

    void layout() {
        QCOMPARE(w_->windowTitle(), QStringLiteral("CORVELL'S Present Value Calculator"));
        QCOMPARE(ui::clientArea(*w_).size(), QSize(ui::pixels(9525), ui::pixels(5940)));
        QCOMPARE(text(*w_, txtInterestRate), QStringLiteral(".05"));
        QVERIFY(text(*w_, txtFromDate).isEmpty());
        QVERIFY(button(*w_, cmdPVCalculate)->isDefault());
        checkPlaces(*w_, kPlaces);
        checkFonts(*w_,
                   {txtFromDate, txtToDate, txtWeeks, txtAge, txtGender, txtRate, txtInterestRate,
                    txtCaseCaption, txtTotalComp, txtPresentValue},
                   {lblFromDate, lblToDate, lblWeeks, lblAge, lblGender, lblRate, lblInterestRate,
                    lblTotalComp, lblPresentValue},
                   {cmdPVCalculate, cmdPVPrint, cmdPVClear}, lblCaseCaption);
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

// The pension offset window as the operator uses it: its layout, the rate
// re-format, Calculate and its refusals, Clear (which keeps the last rate),
// and the report as printed.

#include <QTest>
#include <memory>

#include "offsets/frmpensioncontrols.h"
#include "offsets/ui/frmpension.h"
#include "shell/ui/look.h"
#include "tests/support/rows.h"
#include "tests/support/windowcheck.h"
#include "tests/support/windowtest.h"

using namespace corvell;
using namespace corvell::frmpension;
using namespace corvell::test;

namespace {

const std::string kTitle = std::string(14, ' ') + "Pension Offset Calculation";
const std::string kDateLine = std::string(28, ' ') + "03-04-2026    09:05:07";

constexpr Placed kPlaces[] = {
    {txtMonthlyPension, 240, 1080, 1455, 375, nullptr, "Enter net pension amount"},
    {txtEmployerPercent, 2040, 1080, 1455, 375, nullptr,
     "Enter percentage of pension funded by employer"},
    {txtRate, 3840, 1080, 1815, 375, nullptr, "Enter weekly indemnity rate before offset"},
    {txtCaseCaption, 240, 3000, 4935, 1215, nullptr,
     "Enter any identifying information for printed report"},
    {txtNewWeeklyRate, 240, 2040, 1575, 375, nullptr, "Calculated rate based on pension offset"},
    {lblMonthlyPension, 240, 840, 1455, 255, "Monthly Pension", nullptr},
    {lblEmployerPercent, 2040, 840, 1455, 255, "Employer %", nullptr},
    {lblRate, 3840, 840, 1815, 255, "Weekly Comp. Rate", nullptr},
    {lblCaseCaption, 240, 2760, 4935, 255, "Case Caption", nullptr},
    {lblNewWeeklyRate, 240, 1800, 1575, 255, "New Weekly Rate", nullptr},
    {cmdSSCalculate, 5280, 1800, 1695, 735, "Calculate", "Press to perform calculation"},
    {cmdSSPrint, 7200, 1800, 855, 735, "Print", "Press to print results of calculation"},
    {cmdSSClear, 8280, 1800, 615, 735, "Clear", "Press to clear for new calculation"},
    {nav::cmdQuit, 7920, 120, 975, 375, "Close", "Return to main menu"},
    {nav::CmdInterest, 240, 240, 1095, 195, "Interest", nullptr},
    {nav::cmdPresentValue, 1440, 240, 1215, 195, "Present Value", nullptr},
    {nav::cmdSocialSecurity, 2760, 240, 1215, 195, "Soc. Security", nullptr},
    {nav::CmdLumpSum, 4080, 240, 1095, 195, "Lump Sum", nullptr},
    {nav::cmdCommutation, 5280, 240, 1215, 195, "Commutation", nullptr},
    {nav::cmdSubrogation, 6600, 240, 1095, 195, "Subrogation", nullptr},
};

}  // namespace

class TestPensionWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTest> t_;
    ui::FrmPension* w_ = nullptr;

    void calculate(const QString& pension, const QString& percent, const QString& rate) {
        typeAll(*w_, {txtMonthlyPension, txtEmployerPercent, txtRate}, {pension, percent, rate});
        click(*w_, cmdSSCalculate);
    }

    const report::Document& printed() { return test::printed(*t_, *w_, cmdSSPrint); }

private Q_SLOTS:
    void init() {
        t_ = std::make_unique<WindowTest>();
        w_ = &t_->open<ui::FrmPension>(WindowId::FrmPension);
    }
    void cleanup() { t_.reset(); }

    void layout() {
        QCOMPARE(w_->windowTitle(), QString("CORVELL'S Pension Offset Calculator"));
        QCOMPARE(ui::clientArea(*w_).size(), QSize(ui::pixels(9510), ui::pixels(6075)));
        QCOMPARE(w_->palette().color(QPalette::Window), ui::windowGrey());
        checkPlaces(*w_, kPlaces);
        checkTabOrder(*w_, {txtMonthlyPension, txtEmployerPercent, txtRate, txtCaseCaption,
                            cmdSSCalculate, cmdSSPrint, cmdSSClear, nav::cmdQuit, nav::CmdInterest,
                            nav::cmdPresentValue, nav::cmdSocialSecurity, nav::CmdLumpSum,
                            nav::cmdCommutation, nav::cmdSubrogation, txtNewWeeklyRate});
        checkFonts(
            *w_, {txtMonthlyPension, txtEmployerPercent, txtRate, txtCaseCaption, txtNewWeeklyRate},
            {lblMonthlyPension, lblEmployerPercent, lblRate, lblNewWeeklyRate},
            {cmdSSCalculate, cmdSSPrint, cmdSSClear}, lblCaseCaption);
        QVERIFY(button(*w_, cmdSSCalculate)->isDefault());
        QCOMPARE(w_->model().newWeeklyRate(), 0.0);
    }

    void example() {
        calculate("1200", "60", "500");
        QCOMPARE(texts(*w_, {txtRate, txtNewWeeklyRate}), QStringList({"500.00", "$334.10"}));
        QVERIFY(t_->dialogs.messages.empty());
        QCOMPARE(QString::number(w_->model().newWeeklyRate(), 'f', 6), QString("334.101382"));
        type(*w_, txtCaseCaption, "Doe v. Widget Corp.");
        checkReport(printed(),
                    {kDateLine, kTitle, "Doe v. Widget Corp.", "", "   Monthly pension=$1,200.00",
                     "   Percentage paid by employer=60%", "   Weekly compensation rate=$500.00",
                     "   New weekly compensation rate=$334.10"});
    }

    void enterCalculates() {
        typeAll(*w_, {txtMonthlyPension, txtEmployerPercent, txtRate}, {"1200", "60", "500"});
        pressEnter(*w_, txtEmployerPercent);
        QCOMPARE(text(*w_, txtNewWeeklyRate), QString("$334.10"));
    }

    // An unreadable pension or percentage counts as 0; amounts are read
    // with their grouping and dollar sign.
    void readings_data() {
        columns<QString, QString, QString, QString>({"pension", "percent", "rate", "newRate"});
        row("no percentage", "1200", "", "500", "$500.00");
        row("no pension", "", "60", "500", "$500.00");
        row("grouped pension", "1,200.00", "60", "500", "$334.10");
        row("dollar pension", "$1,200", "60", "$500", "$334.10");
        row("percent sign", "1200", "60%", "500", "$334.10");
        row("all of the rate", "2170", "100", "500", "$0.00");
        row("grouped result", "0", "0", "12345.678", "$12,345.68");
    }
    void readings() {
        QFETCH(QString, pension);
        QFETCH(QString, percent);
        QFETCH(QString, rate);
        calculate(pension, percent, rate);
        QVERIFY(t_->dialogs.messages.empty());
        QTEST(text(*w_, txtNewWeeklyRate), "newRate");
    }

    void rateOnLeaving_data() {
        columns<QString, QString>({"typed", "shown"});
        row("whole", "500", "500.00");
        row("one decimal", "87.5", "87.50");
        row("empty", "", "");
        row("no number", "abc", "abc");
        row("negative", "-500", "-500");
    }
    void rateOnLeaving() {
        QFETCH(QString, typed);
        typeAndLeave(*w_, txtRate, typed, txtCaseCaption);
        QTEST(text(*w_, txtRate), "shown");
    }

    // A refused Calculate keeps the last new rate, in its field and for the
    // report.
    void refusals_data() {
        columns<QString, QString, QString, QString, ControlName>(
            {"pension", "percent", "rate", "message", "field"});
        row("rate empty", "1200", "60", "", "Rate is required for any calculation.", txtRate);
        row("rate blanks", "1200", "60", "   ", "Rate is required for any calculation.", txtRate);
        row("rate not wholly a number", "1200", "60", "500x", "500x is not a valid number.",
            txtRate);
        row("offset above the rate", "4340", "100", "500.00",
            "The offset of 1,000.00 a week is larger than the weekly rate of 500.00: no "
            "compensation remains.",
            txtMonthlyPension);
        row("too large", "1e307", "100", "500.00",
            "The amounts entered are too large to calculate.", txtMonthlyPension);
    }
    void refusals() {
        QFETCH(QString, pension);
        QFETCH(QString, percent);
        QFETCH(QString, rate);
        QFETCH(QString, message);
        QFETCH(ControlName, field);
        calculate("1200", "60", "500");
        const double kept = w_->model().newWeeklyRate();

        typeAll(*w_, {txtMonthlyPension, txtEmployerPercent, txtRate}, {pension, percent, rate});
        click(*w_, cmdSSCalculate);
        checkRefusal(*t_, *w_, message, field);
        QCOMPARE(texts(*w_, {txtRate, txtNewWeeklyRate}), QStringList({rate, "$334.10"}));
        QCOMPARE(w_->model().newWeeklyRate(), kept);
    }

    // Clear empties every field, leaves the focus where it was and keeps the
    // last new rate, which the report then still prints.
    void clearKeepsTheRate() {
        calculate("1200", "60", "500");
        typeAll(*w_, {txtCaseCaption, txtEmployerPercent}, {"Doe", "60"});
        click(*w_, cmdSSClear);
        QCOMPARE(filled(*w_, {txtMonthlyPension, txtEmployerPercent, txtRate, txtNewWeeklyRate,
                              txtCaseCaption}),
                 QStringList());
        QCOMPARE(focused(), control(*w_, cmdSSClear));
        QVERIFY(t_->dialogs.messages.empty());
        checkReport(
            printed(),
            {kDateLine, kTitle, "", "", "   Monthly pension=", "   Percentage paid by employer=%",
             "   Weekly compensation rate=", "   New weekly compensation rate=$334.10"});
    }

    void printBeforeCalculate() {
        type(*w_, txtEmployerPercent, "60.0");
        checkReport(printed(),
                    {kDateLine, kTitle, "", "",
                     "   Monthly pension=", "   Percentage paid by employer=60.0%",
                     "   Weekly compensation rate=", "   New weekly compensation rate=$0.00"});
    }
};

QTEST_MAIN(TestPensionWindow)
#include "test_pensionwindow.moc"

// The social security offset window as the operator uses it: its layout,
// the rate re-format, Calculate with its refusals in order, Clear, and the
// report as printed.

#include <QTest>
#include <memory>

#include "offsets/frmsocialsecuritycontrols.h"
#include "offsets/ui/frmsocialsecurity.h"
#include "shell/ui/look.h"
#include "tests/support/rows.h"
#include "tests/support/windowcheck.h"
#include "tests/support/windowtest.h"

using namespace corvell;
using namespace corvell::frmsocialsecurity;
using namespace corvell::test;

namespace {

constexpr const char* kNoMonthly = "Please enter monthly social security payment received";
constexpr const char* kNoRate = "Please enter weekly compensation rate before adjustment";

const std::string kTitle = std::string(14, ' ') + "Social Security Offset Calculation";
const std::string kDateLine = std::string(28, ' ') + "03-04-2026    09:05:07";

constexpr Placed kPlaces[] = {
    {txtSocialSecurity, 480, 960, 1815, 375, nullptr,
     "Enter net amount of monthly social security payment recieved after taxes.  See Rule 123"},
    {txtRate, 2760, 960, 1815, 375, nullptr, "Enter weekly indemnity rate before adjustment"},
    {txtCaseCaption, 480, 2640, 4935, 1095, nullptr,
     "Enter any identifying information for printed report"},
    {txtNewRate, 480, 1680, 1815, 375, nullptr, "Calculated weekly rate after offset"},
    {lblSocialSecurity, 480, 720, 1815, 255, "Net Social Security Amount", nullptr},
    {lblRate, 2760, 720, 1815, 255, "Weekly Comp. Rate", nullptr},
    {lblCaseCaption, 480, 2400, 4935, 255, "Case Caption", nullptr},
    {lblNewRate, 480, 1440, 1815, 255, "New Weekly Rate", nullptr},
    {cmdSSCalculate, 5520, 1320, 1695, 735, "Calculate", "Press to calculate"},
    {cmdSSPrint, 7440, 1320, 855, 735, "Print", "Print this calculation"},
    {cmdSSClear, 8520, 1320, 615, 735, "Clear", "Clear for next calculation"},
    {nav::cmdQuit, 8160, 120, 975, 375, "Close", "Return to main menu"},
    {nav::CmdInterest, 480, 240, 1095, 195, "Interest", nullptr},
    {nav::cmdPresentValue, 1680, 240, 1215, 195, "Present Value", nullptr},
    {nav::cmdLumpSum, 3000, 240, 1215, 195, "Lump Sum", nullptr},
    {nav::cmdCommutation, 4320, 240, 1215, 195, "Commutation", nullptr},
    {nav::cmdSubrogation, 5640, 240, 1095, 195, "Subrogation", nullptr},
    {nav::cmdPension, 6840, 240, 1095, 195, "Pension", nullptr},
};

}  // namespace

class TestSocialSecurityWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTest> t_;
    QWidget* w_ = nullptr;

    // Types both inputs and presses Calculate; leaving the rate for the
    // button re-formats it first.
    void calculate(const QString& monthly, const QString& rate) {
        typeAll(*w_, {txtSocialSecurity, txtRate}, {monthly, rate});
        click(*w_, cmdSSCalculate);
    }

    const report::Document& printed() { return test::printed(*t_, *w_, cmdSSPrint); }

private Q_SLOTS:
    void init() {
        t_ = std::make_unique<WindowTest>();
        w_ = &t_->open(WindowId::frmSocialSecurity);
    }
    void cleanup() { t_.reset(); }

    void layout() {
        QCOMPARE(w_->windowTitle(), QString("CORVELL'S Social Security Offset Calculator"));
        QCOMPARE(ui::clientArea(*w_).size(), QSize(ui::pixels(9525), ui::pixels(6105)));
        QCOMPARE(w_->palette().color(QPalette::Window), ui::windowGrey());
        checkPlaces(*w_, kPlaces);
        checkTabOrder(
            *w_, {txtSocialSecurity, txtRate, txtCaseCaption, cmdSSCalculate, cmdSSPrint,
                  cmdSSClear, nav::cmdQuit, nav::CmdInterest, nav::cmdPresentValue, nav::cmdLumpSum,
                  nav::cmdCommutation, nav::cmdSubrogation, nav::cmdPension, txtNewRate});
        checkFonts(*w_, {txtSocialSecurity, txtRate, txtCaseCaption, txtNewRate},
                   {lblSocialSecurity, lblRate, lblNewRate},
                   {cmdSSCalculate, cmdSSPrint, cmdSSClear}, lblCaseCaption);
        QVERIFY(button(*w_, cmdSSCalculate)->isDefault());
        for (const Placed& p : kPlaces) {
            QWidget* c = control(*w_, p.name);
            if (qobject_cast<QLineEdit*>(c) != nullptr ||
                qobject_cast<QPlainTextEdit*>(c) != nullptr) {
                QCOMPARE(text(*w_, p.name), QString());
            }
        }
    }

    void example() {
        calculate("1000", "500");
        QCOMPARE(texts(*w_, {txtRate, txtNewRate}), QStringList({"500.00", "384.80"}));
        QVERIFY(t_->dialogs.messages.empty());
        type(*w_, txtCaseCaption, "Smith v. Acme Co.\nClaim 04-1234");
        checkReport(printed(),
                    {kTitle, kDateLine, "Smith v. Acme Co.", "Claim 04-1234", "",
                     "Monthly Net Social Security =$1,000.00", "Weekly Compensation Rate=$500.00",
                     "New Compensation Rate =$384.80"});
        QCOMPARE(t_->dialogs.printerDialogs, 1);
    }

    void enterCalculates() {
        typeAll(*w_, {txtSocialSecurity, txtRate}, {"1000", "500"});
        pressEnter(*w_, txtRate);
        QCOMPARE(text(*w_, txtNewRate), QString("384.80"));
        QCOMPARE(focused(), control(*w_, txtRate));
    }

    // Amounts are read the same way everywhere: grouped thousands and a
    // dollar sign are part of the number.
    void readings_data() {
        columns<QString, QString, QString>({"monthly", "rate", "newRate"});
        row("grouped amount", "1,000.00", "500", "384.80");
        row("dollar amount", "$1,000", "500", "384.80");
        row("dollar rate", "1000", "$500", "384.80");
        row("blanks around", " 1000 ", " 500", "384.80");
        row("offset just below the rate", "4340", "500", "0.01");
    }
    void readings() {
        QFETCH(QString, monthly);
        QFETCH(QString, rate);
        calculate(monthly, rate);
        QCOMPARE(t_->dialogs.lastMessage(), QString());
        QTEST(text(*w_, txtNewRate), "newRate");
    }

    void rateOnLeaving_data() {
        columns<QString, QString, QString>({"typed", "shown", "message"});
        row("whole", "500", "500.00", "");
        row("one decimal", "87.5", "87.50", "");
        row("empty", "", "", "");
        row("no number", "abc", "abc", "abc is not a valid number.");
        row("negative", "-850", "-850", "Weekly Comp. Rate cannot be negative.");
        row("grouped", "1,250.5", "1250.50", "");
        row("rounded", "99.999", "100.00", "");
        row("beyond a double", "1e309", "1e309", "1e309 is not a valid number.");
    }
    void rateOnLeaving() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        typeAndLeave(*w_, txtRate, typed, txtCaseCaption);
        QTEST(text(*w_, txtRate), "shown");
        if (message.isEmpty()) {
            QVERIFY(t_->dialogs.messages.empty());
        } else {
            QCOMPARE(t_->dialogs.messages.size(), std::size_t{1});
            QCOMPARE(t_->dialogs.lastMessage(), message);
            QCOMPARE(focused(), control(*w_, txtRate));
        }
    }

    // The first failing check speaks; its field gets the focus with its whole
    // text selected, and the result of the last Calculate stays.
    void refusals_data() {
        columns<QString, QString, QString, ControlName>({"monthly", "rate", "message", "field"});
        row("both zero", "0", "0", kNoMonthly, txtSocialSecurity);
        row("amount empty", "", "500", kNoMonthly, txtSocialSecurity);
        row("amount blanks", "  ", "500", kNoMonthly, txtSocialSecurity);
        row("rate empty", "1000", "", kNoRate, txtRate);
        row("rate zero", "1000", "0", kNoRate, txtRate);
        row("amount not wholly a number", "1000x", "500", "1000x is not a valid number.",
            txtSocialSecurity);
        row("rate not wholly a number", "1,000", "500 a week", "500 a week is not a valid number.",
            txtRate);
        row("offset above the rate", "100000", "500",
            "The offset of 11,520.74 a week is larger than the weekly rate of 500.00: no "
            "compensation remains.",
            txtSocialSecurity);
    }
    void refusals() {
        QFETCH(QString, monthly);
        QFETCH(QString, rate);
        QFETCH(QString, message);
        QFETCH(ControlName, field);
        calculate("1000", "500");
        QCOMPARE(text(*w_, txtNewRate), QString("384.80"));

        calculate(monthly, rate);
        checkRefusal(*t_, *w_, message, field);
        QCOMPARE(texts(*w_, {txtSocialSecurity, txtNewRate}), QStringList({monthly, "384.80"}));
    }

    void clear() {
        calculate("1000", "500");
        type(*w_, txtCaseCaption, "Smith");
        click(*w_, cmdSSClear);
        QCOMPARE(filled(*w_, {txtSocialSecurity, txtRate, txtNewRate, txtCaseCaption}),
                 QStringList());
        QCOMPARE(focused(), control(*w_, txtSocialSecurity));
        QVERIFY(t_->dialogs.messages.empty());
    }

    void printBeforeCalculate() {
        const std::vector<std::string> empty = {kTitle,
                                                kDateLine,
                                                "",
                                                "",
                                                "Monthly Net Social Security =",
                                                "Weekly Compensation Rate=",
                                                "New Compensation Rate ="};
        checkReport(printed(), empty);
        calculate("1000", "500");
        click(*w_, cmdSSClear);
        checkReport(printed(), empty);
    }

    // The report prints the fields as they stand, without recalculating.
    void printAsTheFieldsStand() {
        calculate("1000", "500");
        typeAll(*w_, {txtRate, txtSocialSecurity}, {"600", "abc"});
        const std::vector<std::string> lines = printed().plainLines();
        QCOMPARE(lines.at(4), std::string("Monthly Net Social Security =abc"));
        QCOMPARE(lines.at(5), std::string("Weekly Compensation Rate=$600.00"));
        QCOMPARE(lines.at(6), std::string("New Compensation Rate =$384.80"));
    }

    void printCancelled() {
        calculate("1000", "500");
        t_->dialogs.copies = std::nullopt;
        click(*w_, cmdSSPrint);
        QVERIFY(t_->dialogs.printed.empty());
        QCOMPARE(text(*w_, txtNewRate), QString("384.80"));
    }
};

QTEST_MAIN(TestSocialSecurityWindow)
#include "test_socialsecuritywindow.moc"

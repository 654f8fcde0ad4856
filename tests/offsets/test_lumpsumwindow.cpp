// The lump sum offset window as the operator uses it: its layout, the
// beginning date completed and checked on leaving, Calculate with its
// refusals in order, Clear, and the report as printed.

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <memory>

#include "offsets/frmoffsetcontrols.h"
#include "offsets/ui/frmoffset.h"
#include "shell/format.h"
#include "shell/ui/look.h"
#include "tests/support/rows.h"
#include "tests/support/windowcheck.h"
#include "tests/support/windowtest.h"

using namespace corvell;
using namespace corvell::frmoffset;
using namespace corvell::test;

namespace {

constexpr ControlName kResults[] = {txtComputedWeeks, txtComputedDays, txtComputedEndDate,
                                    txtRemainder};

const std::string kTitle = std::string(14, ' ') + "Lump Sum Offset Calculation";
const std::string kDateLine = std::string(28, ' ') + "03-04-2026    09:05:07";

constexpr Placed kPlaces[] = {
    {txtBeginningDate, 240, 840, 1335, 360, nullptr,
     "Enter first day offset to be taken as m/d/yy"},
    {txtRate, 1920, 840, 855, 360, nullptr, "Enter weekly compensation rate"},
    {txtNetOffsetAmount, 3240, 840, 1695, 360, nullptr, "Enter net amount of benefits received"},
    {txtCaseCaption, 240, 2640, 4935, 1215, nullptr,
     "Enter any identifying information for printed report"},
    {txtComputedEndDate, 3240, 1680, 1695, 360, nullptr, "Calculated end date of offset credit"},
    {txtComputedWeeks, 240, 1680, 1335, 360, nullptr, "Calculated weeks of offset allowed"},
    {txtComputedDays, 1920, 1680, 855, 360, nullptr,
     "Calculated partial weeks of offset allowed expressed in days"},
    {txtRemainder, 5400, 1680, 1335, 360, nullptr, "Calculated remaining credit for partial day"},
    {lblBeginningDate, 240, 600, 1335, 255, "Beginning Date", nullptr},
    {lblRate, 1920, 600, 855, 255, "Rate", nullptr},
    {lblNetOffsetAmount, 3240, 600, 1695, 255, "Net Offset Amount", nullptr},
    {lblComputedWeeks, 120, 1440, 1695, 255, "Computed Weeks", nullptr},
    {lblDays, 1920, 1440, 855, 255, "Days", nullptr},
    {lblComputedEndDate, 3240, 1440, 1815, 255, "Computed End Date", nullptr},
    {lblRemainder, 5520, 1440, 1095, 255, "Remainder", nullptr},
    {lblCaseCaption, 240, 2400, 4935, 255, "Case Caption", nullptr},
    {cmdCommCalculate, 5520, 2400, 1455, 735, "Calculate", "Press to perform calculation"},
    {cmdCommPrint, 7320, 2400, 855, 735, "Print", "Press to print results of calculation"},
    {cmdCommClear, 8520, 2400, 615, 735, "Clear", "Clear all entries for new calculation"},
    {nav::cmdQuit, 8280, 120, 975, 375, "Close", "Return to main menu"},
    {nav::CmdInterest, 240, 120, 1095, 195, "Interest", nullptr},
    {nav::cmdPresentValue, 1440, 120, 1215, 195, "Present Value", nullptr},
    {nav::cmdSocialSecurity, 2760, 120, 1215, 195, "Soc. Security", nullptr},
    {nav::cmdCommutation, 4080, 120, 1215, 195, "Commutation", nullptr},
    {nav::cmdSubrogation, 5400, 120, 1095, 195, "Subrogation", nullptr},
    {nav::cmdPension, 6600, 120, 1095, 195, "Pension", nullptr},
};

QString shown(Date date) {
    return QString::fromStdString(Format(date, "mm/dd/yyyy"));
}

}  // namespace

class TestLumpSumWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTest> t_;
    ui::frmOffset* w_ = nullptr;

    const CalculationValues& values() { return w_->model().values(); }

    // Types the inputs, the date last, and presses Enter in the date field:
    // Calculate then sees the date as typed, not completed on leaving.
    void enterAll(const QString& date, const QString& rate, const QString& amount) {
        typeAll(*w_, {txtRate, txtNetOffsetAmount, txtBeginningDate}, {rate, amount, date});
        pressEnter(*w_, txtBeginningDate);
    }

    // Types the inputs in tab order and clicks Calculate.
    void calculate(const QString& date, const QString& rate, const QString& amount) {
        typeAll(*w_, {txtBeginningDate, txtRate, txtNetOffsetAmount}, {date, rate, amount});
        click(*w_, cmdCommCalculate);
    }

    QStringList results() { return texts(*w_, kResults); }

    const report::Document& printed() { return test::printed(*t_, *w_, cmdCommPrint); }

private Q_SLOTS:
    void init() {
        t_ = std::make_unique<WindowTest>();
        w_ = &t_->open<ui::frmOffset>(WindowId::frmOffset);
    }
    void cleanup() { t_.reset(); }

    void layout() {
        QCOMPARE(w_->windowTitle(), QString("CORVELL'S Lump Sum Offset Calculator"));
        QCOMPARE(ui::clientArea(*w_).size(), QSize(ui::pixels(9630), ui::pixels(6075)));
        // The desktop's face colour behind everything but the grey labels.
        QCOMPARE(w_->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Window));
        QVERIFY(w_->palette().color(QPalette::Window) != ui::windowGrey());
        const QList<QLabel*> labels = w_->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 8);
        for (QLabel* label : labels) {
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->palette().color(QPalette::Window), ui::windowGrey());
            QCOMPARE(label->palette().color(QPalette::WindowText),
                     label->palette().color(QPalette::Highlight));
        }
        checkPlaces(*w_, kPlaces);
        checkTabOrder(
            *w_, {txtBeginningDate, txtRate, txtNetOffsetAmount, txtCaseCaption, cmdCommCalculate,
                  cmdCommPrint, cmdCommClear, nav::cmdQuit, nav::CmdInterest, nav::cmdPresentValue,
                  nav::cmdSocialSecurity, nav::cmdCommutation, nav::cmdSubrogation, nav::cmdPension,
                  txtComputedEndDate, txtComputedWeeks, txtComputedDays, txtRemainder});
        checkFonts(*w_,
                   {txtBeginningDate, txtRate, txtNetOffsetAmount, txtCaseCaption,
                    txtComputedEndDate, txtComputedWeeks, txtComputedDays, txtRemainder},
                   {lblBeginningDate, lblRate, lblNetOffsetAmount, lblComputedWeeks, lblDays,
                    lblComputedEndDate, lblRemainder},
                   {cmdCommCalculate, cmdCommPrint, cmdCommClear}, lblCaseCaption);
        QVERIFY(button(*w_, cmdCommCalculate)->isDefault());
        QCOMPARE(values().BeginDate, kNoDate);
        QCOMPARE(values().CompRate, 0.0);
    }

    void examples_data() {
        columns<QString, QString, QStringList, double>({"rate", "amount", "expected", "compRate"});
        row("5000 at 400", "400", "5000", QStringList{"12", "3", "03/31/2004", "$28.57"}, 400.0);
        row("less than a day", "800", "100", QStringList{"0", "0", "01/04/2004", "$100.00"}, 800.0);
        row("495 days exactly", "595", "42075", QStringList{"70", "5", "05/13/2005", "$0.00"},
            595.0);
        row("grouped amount", "400", "5,000.00", QStringList{"12", "3", "03/31/2004", "$28.57"},
            400.0);
        row("dollar amount", "$400", "$5,000", QStringList{"12", "3", "03/31/2004", "$28.57"},
            400.0);
        row("zero amount", "400", "0", QStringList{"0", "0", "01/04/2004", "$0.00"}, 400.0);
    }
    void examples() {
        QFETCH(QString, rate);
        QFETCH(QString, amount);
        QFETCH(double, compRate);
        calculate("01/05/2004", rate, amount);
        QVERIFY(t_->dialogs.messages.empty());
        QTEST(results(), "expected");
        QCOMPARE(text(*w_, txtBeginningDate), QString("01/05/2004"));
        QCOMPARE(text(*w_, txtRate), rate);  // this rate field is not re-formatted
        QCOMPARE(shown(values().BeginDate), QString("01/05/2004"));
        QCOMPARE(values().CompRate, compRate);
    }

    void enterCalculates() {
        enterAll("01/05/2004", "400", "5000");
        QCOMPARE(results(), (QStringList{"12", "3", "03/31/2004", "$28.57"}));
        QCOMPARE(focused(), control(*w_, txtBeginningDate));
    }

    void dateOnLeaving_data() {
        columns<QString, QString>({"typed", "shown"});
        row("mmddyyyy", "01152004", "01/15/2004");
        row("mmddyy", "011504", "01/15/2004");
        row("short with slashes", "1/5/04", "01/05/2004");
        row("dashes", "3-15-2004", "03/15/2004");
        row("leap day", "02292004", "02/29/2004");
        row("twentieth century", "123199", "12/31/1999");
        row("empty", "", "");
    }
    void dateOnLeaving() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        typeAndLeave(*w_, txtBeginningDate, typed, txtRate);
        QVERIFY(t_->dialogs.messages.empty());
        QCOMPARE(text(*w_, txtBeginningDate), shown);
        if (shown.isEmpty()) {
            QCOMPARE(values().BeginDate, kNoDate);
        } else {
            QCOMPARE(::shown(values().BeginDate), shown);
        }
        QCOMPARE(focused(), control(*w_, txtRate));
    }

    // A date that is none is refused on leaving: the field keeps the text as
    // it then reads, gets the focus back with that text selected, and the
    // kept beginning date stays.
    void dateRefusedOnLeaving_data() {
        columns<QString, QString>({"typed", "kept"});
        row("no such day", "02/30/2004", "02/30/2004");
        row("split, then refused", "45672004", "45/67/2004");
        row("six digits split", "139904", "13/99/04");
        row("small number is no day count", "5000", "5000");
        row("1000000 is six digits, not eight", "1000000", "10/00/00");
        row("exactly 10000 is not split", "10000", "10000");
        row("words", "next week", "next week");
    }
    void dateRefusedOnLeaving() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        typeAndLeave(*w_, txtBeginningDate, "01/02/2004", txtRate);
        typeAndLeave(*w_, txtBeginningDate, typed, txtRate);
        QCOMPARE(t_->dialogs.messages.size(), std::size_t{1});
        QCOMPARE(t_->dialogs.lastMessage(), kept + " is not a valid date.");
        QCOMPARE(t_->dialogs.messages.back().title, ui::applicationTitle());
        QCOMPARE(text(*w_, txtBeginningDate), kept);
        QCOMPARE(focused(), control(*w_, txtBeginningDate));
        QCOMPARE(lineEdit(*w_, txtBeginningDate)->selectedText(), kept);
        QCOMPARE(shown(values().BeginDate), QString("01/02/2004"));
    }

    // Calculate's checks, in order. The first one failing speaks and puts
    // its field in focus with the whole text selected; the earlier results
    // and the kept rate stay, and the date is written out only once it has
    // passed its own checks.
    void refusals_data() {
        columns<QString, QString, QString, QString, ControlName, QString>(
            {"date", "rate", "amount", "message", "field", "dateAfter"});
        const QString rateRequired = "Rate is required for any calculation.";
        const QString amountRequired = "Net Offset Amount is required for any calculation.";
        const QString rateZero = "Rate must be greater than 0.";
        row("no date", "", "", "", "Beginning Date is requireed for any calculation.",
            txtBeginningDate, "");
        row("no such date", "02/30/2004", "400", "5000", "02/30/2004 is not a valid date.",
            txtBeginningDate, "02/30/2004");
        row("no rate", "1/5/04", "", "", rateRequired, txtRate, "01/05/2004");
        row("rate blanks", "1/5/04", "   ", "5000", rateRequired, txtRate, "01/05/2004");
        row("no amount", "01/05/2004", "400", " ", amountRequired, txtNetOffsetAmount,
            "01/05/2004");
        row("amount before rate zero", "01/05/2004", "0", "", amountRequired, txtNetOffsetAmount,
            "01/05/2004");
        row("rate zero", "01/05/2004", "0", "5000", rateZero, txtRate, "01/05/2004");
        row("rate no number", "01/05/2004", "4OO", "5000x", "4OO is not a valid number.", txtRate,
            "01/05/2004");
        row("ends after 9999", "01/05/2004", "0.01", "1000000000000",
            "The offset would end after 12/31/9999. Please check the Net Offset Amount and "
            "the Rate.",
            txtNetOffsetAmount, "01/05/2004");
    }
    void refusals() {
        QFETCH(QString, date);
        QFETCH(QString, rate);
        QFETCH(QString, amount);
        QFETCH(QString, message);
        QFETCH(ControlName, field);
        QFETCH(QString, dateAfter);
        calculate("01/02/2004", "800", "1000");
        const QStringList before = results();
        QCOMPARE(before, (QStringList{"1", "1", "01/09/2004", "$85.71"}));
        QVERIFY(t_->dialogs.messages.empty());

        enterAll(date, rate, amount);
        checkRefusal(*t_, *w_, message, field);
        QCOMPARE(texts(*w_, {txtBeginningDate, txtRate, txtNetOffsetAmount}),
                 QStringList({dateAfter, rate, amount}));
        QCOMPARE(results(), before);
        QCOMPARE(values().CompRate, 800.0);
        QCOMPARE(shown(values().BeginDate), dateAfter.isEmpty() || dateAfter == "02/30/2004"
                                                ? QString("01/02/2004")
                                                : dateAfter);
    }

    // Clear empties every field and the kept rate; the focus stays where it
    // was, and so does the kept beginning date.
    void clear() {
        calculate("01/05/2004", "400", "5000");
        type(*w_, txtCaseCaption, "Doe");
        click(*w_, cmdCommClear);
        for (const Placed& p : kPlaces) {
            QWidget* c = control(*w_, p.name);
            if (qobject_cast<QLineEdit*>(c) != nullptr ||
                qobject_cast<QPlainTextEdit*>(c) != nullptr) {
                QCOMPARE(text(*w_, p.name), QString());
            }
        }
        QCOMPARE(focused(), control(*w_, cmdCommClear));
        QCOMPARE(values().CompRate, 0.0);
        QCOMPARE(shown(values().BeginDate), QString("01/05/2004"));
        QVERIFY(t_->dialogs.messages.empty());
    }

    void printExample() {
        calculate("01/05/2004", "400", "5000");
        type(*w_, txtCaseCaption, "Doe v. Roe Industries\nSeverance offset");
        checkReport(printed(),
                    {kTitle, kDateLine, "Doe v. Roe Industries", "Severance offset", "", "", "",
                     "   Begin offset on =01/05/2004", "   Weekly compensation rate=$400.00",
                     "   Net Offset Amount=$5,000.00", "   Weeks/Days Offset=12 / 3",
                     "   Offset Ends=03/31/2004", "   Remainder=$28.57"});
    }

    void printBeforeCalculateAndAfterClear() {
        const std::vector<std::string> empty = {kTitle,
                                                kDateLine,
                                                "",
                                                "",
                                                "",
                                                "",
                                                "   Begin offset on =",
                                                "   Weekly compensation rate=",
                                                "   Net Offset Amount=",
                                                "   Weeks/Days Offset= / ",
                                                "   Offset Ends=",
                                                "   Remainder="};
        checkReport(printed(), empty);
        calculate("01/05/2004", "400", "5000");
        click(*w_, cmdCommClear);
        checkReport(printed(), empty);
    }

    // Moving to another calculator and back loses nothing.
    void keptAcrossNavigation() {
        calculate("01/05/2004", "400", "5000");
        click(*w_, nav::cmdPension);
        QVERIFY(!w_->isVisible());
        t_->open(WindowId::frmOffset);
        QCOMPARE(results(), (QStringList{"12", "3", "03/31/2004", "$28.57"}));
        QCOMPARE(values().CompRate, 400.0);
    }
};

QTEST_MAIN(TestLumpSumWindow)
#include "test_lumpsumwindow.moc"

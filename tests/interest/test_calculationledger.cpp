// The ledger of the compensation-and-interest window through the real
// window: Save, Next Entry, recall by double-click, Clear, the panel and its
// totals, and Print with copies, read back from a PDF.
#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <cmath>

#include "interest/calculationformcontrols.h"
#include "interest/ledgerlines.h"
#include "interest/ledgerreport.h"
#include "interest/ui/calculationform.h"
#include "shell/format.h"
#include "tests/support/pdftext.h"
#include "tests/support/windowtest.h"
#include "tests/support/workedexample.h"

using namespace corvell;
using namespace corvell::calculationform;
using namespace corvell::test;

namespace {

// The panel lines of the worked example's two entries and their totals.
const QString kFirstLine =
    "01/01/04  12/31/04  06/30/05      1,000.00    52     2    500.00   26,142.86  1,325.00  "
    "1,381.02   28,848.88"
    "   27,848.88";
const QString kSecondLine =
    "01/01/05  01/28/05  12/31/05             0     4     0    500.00    2,000.00      9.62  "
    "1,611.51    3,621.12"
    "    3,621.12";
const QString kTotals =
    "Totals: Payments=$1,000.00  Accrued=$1,334.62  Simple=$2,992.53  Comp=$28,142.86 "
    "Amount=32,470.00  "
    "Net=$31,470.00";

const char* kCalculate = "Calculate";

// The ledger lines of a printed report, in the columns of the "Totals:"
// word at the left margin.
QStringList ledgerLinesOf(const PdfResult& pdf) {
    return fixedPitchLines(pdf, QStringLiteral("Totals:"));
}

}  // namespace

class TestCalculationLedger : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTest> t_;
    ui::CalculationForm* w_ = nullptr;

    const InterestModel& model() { return w_->model(); }
    QWidget& w() { return *w_; }
    QStringList panel() { return listLines(w(), List1); }

    // Fills the fields of one period (those given) and presses Calculate.
    void calculate(const QString& begin, const QString& end, const QString& rate,
                   const QString& paid = {}, const QString& payment = {}) {
        if (!begin.isNull()) {
            typeAndLeave(w(), txtBeginningDate, begin, cmdClear);
        }
        typeAll(w(), {txtEndingDate, txtRate, txtPaymentDate, txtPaymentAmount},
                {end, rate, paid, payment}, cmdClear);
        click(w(), cmdCalculate);
    }

    void workedExample() { saveWorkedExample(w(), "Smith v. Acme Mills", true); }

    void expectMessage(const QString& message, const QString& title = kCalculate) {
        QCOMPARE(t_->dialogs.messages.size(), std::size_t{1});
        QCOMPARE(t_->dialogs.messages.front().text, message);
        QCOMPARE(t_->dialogs.messages.front().title, title);
        t_->dialogs.clear();
    }

private Q_SLOTS:
    void init() {
        t_ = std::make_unique<WindowTest>();
        w_ = &t_->open<ui::CalculationForm>(WindowId::CalculationForm);
    }
    void cleanup() { t_.reset(); }

    void secondWorkedExample() {
        type(w(), txtCaseCaption, "Smith v. Acme Mills");
        calculate("010104", "12/31/2004", "500", "06/30/2005", "1000");
        click(w(), cmdSave);
        QCOMPARE(panel(),
                 QStringList({kFirstLine, "",
                              "Totals: Payments=$1,000.00  Accrued=$1,325.00  Simple=$1,381.02  "
                              "Comp=$26,142.86 Amount=28,848.88  Net=$27,848.88"}));
        QVERIFY(!button(w(), cmdSave)->isEnabled());
        QVERIFY(button(w(), cmdPrint)->isEnabled());
        QVERIFY(button(w(), cmdNextEntry)->isEnabled());

        click(w(), cmdNextEntry);
        QCOMPARE(text(w(), txtBeginningDate), QString("01/01/2005"));
        QCOMPARE(focused(), control(w(), txtBeginningDate));
        QCOMPARE(lineEdit(w(), txtBeginningDate)->selectedText(), QString("01/01/2005"));
        QCOMPARE(filled(w(), {txtEndingDate, txtTotalDays, txtWeeks, lblDays, txtRate, txtTotalComp,
                              txtPaymentAmount, txtSimpleDays, txtTotalAmount, txtNetAmount,
                              txtSimpleInterest, txtAccruedInterest}),
                 QStringList());
        QCOMPARE(texts(w(), {txtPaymentDate, txtCaseCaption}),
                 QStringList({"06/30/2005", "Smith v. Acme Mills"}));
        QCOMPARE(model().state().CurrentEntry, 2);

        calculate(QString(), "01/28/2005", "500", "12/31/2005", "");
        QCOMPARE(texts(w(), {txtTotalComp, txtAccruedInterest, txtSimpleDays, txtSimpleInterest,
                             txtTotalAmount, txtNetAmount}),
                 QStringList({"2,000.00", "9.62", "521", "1,611.51", "3,621.12", "3,621.12"}));
        click(w(), cmdSave);
        QCOMPARE(panel(), QStringList({kFirstLine, kSecondLine, "", kTotals}));
        QCOMPARE(model().ledger().EntryCount(), 2);
        QVERIFY(t_->dialogs.messages.empty());
    }

    // A screen reader reads the panel as the ledger: each entry line with its
    // columns' names, the totals as totals. The blank line between them is
    // never the focus, and a double click on it recalls nothing.
    void ledgerIsReadAloud() {
        workedExample();
        auto* list = qobject_cast<QListWidget*>(control(w(), List1));
        QAccessibleInterface* ledger = QAccessible::queryAccessibleInterface(list);
        QCOMPARE(ledger->text(QAccessible::Name), QString("Ledger"));
        QStringList read;
        for (int i = 0; i < ledger->childCount(); ++i) {
            read << ledger->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(read, QStringList({"Entry 1: Begin 01/01/2004, End 12/31/2004, Pay 06/30/2005, "
                                    "Pay Amt. 1,000.00, Weeks 52, Days 2, Rate 500.00, Comp "
                                    "26,142.86, Accrued 1,325.00, Simple 1,381.02, Total "
                                    "28,848.88, Net Total 27,848.88",
                                    "Entry 2: Begin 01/01/2005, End 01/28/2005, Pay 12/31/2005, "
                                    "Pay Amt. 0, Weeks 4, Days 0, Rate 500.00, Comp 2,000.00, "
                                    "Accrued 9.62, Simple 1,611.51, Total 3,621.12, Net Total "
                                    "3,621.12",
                                    "",
                                    "Totals: Payments $1,000.00, Accrued $1,334.62, Simple "
                                    "$2,992.53, Comp $28,142.86, Amount $32,470.00, Net "
                                    "$31,470.00"}));
        list->setFocus();
        list->setCurrentRow(1);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 3);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->currentRow(), 1);
        list->setCurrentRow(0);
        const QRect blank = list->visualItemRect(list->item(2));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, blank.center());
        QCOMPARE(model().state().CurrentEntry, 2);
        QCOMPARE(text(w(), txtBeginningDate), QString("01/01/2005"));
    }

    void entryWithoutPaymentDate() {
        calculate("01/01/2004", "12/31/2004", "500", "", "");
        click(w(), cmdSave);
        const QString line = panel().at(0);
        QCOMPARE(
            line,
            "01/01/04  12/31/04  " + QString(12, ' ') +
                "           0    52     2    500.00   26,142.86         0         0   26,142.86"
                "   26,142.86");
        QCOMPARE(line.size(), 122);
    }

    void nextEntryRefusals() {
        calculate("01/01/2004", "12/31/2004", "500", "06/30/2005", "1000");
        click(w(), cmdSave);
        calculate("01/01/2004", "12/31/2004", "600", "06/30/2005", "1000");
        click(w(), cmdNextEntry);
        expectMessage("You must save the present entry first or choose clear!");
        typeAndLeave(w(), txtEndingDate, "11/30/2004", cmdClear);
        click(w(), cmdNextEntry);
        expectMessage("You must calculate the present entry first or choose clear!");
        QCOMPARE(texts(w(), {txtBeginningDate, txtEndingDate}),
                 QStringList({"01/01/2004", "11/30/2004"}));
        QCOMPARE(model().state().CurrentEntry, 1);

        // Calculate, Clear, Next Entry: Clear keeps the flags.
        calculate("01/01/2004", "12/31/2004", "500");
        click(w(), cmdClear);
        click(w(), cmdNextEntry);
        expectMessage("You must save the present entry first or choose clear!");
    }

    void nextEntryWithoutSavedEntry() {
        calculate("01/01/2004", "12/31/2004", "500");
        click(w(), cmdSave);
        click(w(), cmdClear);
        QVERIFY(button(w(), cmdNextEntry)->isEnabled());
        click(w(), cmdNextEntry);
        expectMessage("There is no saved entry to continue from.");
        QVERIFY(text(w(), txtBeginningDate).isEmpty());
        QCOMPARE(model().state().CurrentEntry, 0);
        QVERIFY(panel().isEmpty());
        // A Save after Clear needs a calculation first.
        QVERIFY(!button(w(), cmdSave)->isEnabled());
    }

    void recallAndResave() {
        workedExample();
        click(w(), cmdNextEntry);
        calculate(QString(), "02/28/2005", "500", "12/31/2005", "");
        click(w(), cmdSave);
        const QStringList before = panel();
        QCOMPARE(before.size(), 5);
        const double amountBefore = model().totals().AmountTotal;

        doubleClickLine(w(), List1, 1);
        QCOMPARE(texts(w(), {txtBeginningDate, txtEndingDate, txtPaymentDate, txtPaymentAmount,
                             txtWeeks, lblDays, txtRate, txtTotalComp, txtAccruedInterest,
                             txtSimpleInterest, txtTotalAmount, txtTotalDays, txtNetAmount}),
                 QStringList({"01/01/2005", "01/28/2005", "12/31/2005", "0", "4", "", "500",
                              "2,000.00", "9.62", "1,611.51", "3,621.12", "28", "3,621.12"}));
        QCOMPARE(model().state().CurrentEntry, 2);
        QVERIFY(!button(w(), cmdSave)->isEnabled());
        QCOMPARE(panel(), before);

        typeAndLeave(w(), txtRate, "700", cmdClear);
        click(w(), cmdCalculate);
        QCOMPARE(text(w(), txtTotalComp), QString("2,800.00"));
        click(w(), cmdSave);
        QCOMPARE(model().ledger().EntryCount(), 3);
        const QStringList after = panel();
        QCOMPARE(after.size(), 5);
        QCOMPARE(after.at(0), before.at(0));
        QVERIFY(after.at(1).contains("    700.00    2,800.00"));
        QCOMPARE(after.at(2), before.at(2));
        QVERIFY(model().totals().AmountTotal > amountBefore + 800);
        QCOMPARE(after.at(4), QString::fromStdString(panelTotalsLine(model().totals())));

        // Next Entry still continues after the last entry.
        click(w(), cmdNextEntry);
        QCOMPARE(text(w(), txtBeginningDate), QString("03/01/2005"));
        QCOMPARE(model().state().CurrentEntry, 4);
    }

    // A period that shares a day with a saved entry is saved only when the
    // operator says so; No saves nothing and goes back to the beginning date.
    // An entry saved again in place is not compared with itself.
    void overlappingPeriodAsksFirst() {
        calculate("01/01/2005", "01/31/2005", "500");
        click(w(), cmdSave);
        click(w(), cmdNextEntry);
        calculate("01/15/2005", "02/14/2005", "500");
        click(w(), cmdSave);
        const QString question =
            "01/15/2005 - 02/14/2005 overlaps entry 1 (01/01/2005 - 01/31/2005). Save it anyway?";
        QCOMPARE(t_->dialogs.questions, std::vector<QString>({question}));
        QCOMPARE(model().ledger().EntryCount(), 1);
        QCOMPARE(panel().size(), 3);
        QVERIFY(button(w(), cmdSave)->isEnabled());
        QCOMPARE(focused(), control(w(), txtBeginningDate));
        QCOMPARE(lineEdit(w(), txtBeginningDate)->selectedText(), QString("01/15/2005"));

        t_->dialogs.yesNo = {true};
        click(w(), cmdSave);
        QCOMPARE(t_->dialogs.questions, std::vector<QString>({question, question}));
        QCOMPARE(model().ledger().EntryCount(), 2);
        QCOMPARE(panel().size(), 4);

        // Entry 1 again, in place: only entry 2 is asked about.
        doubleClickLine(w(), List1, 0);
        typeAndLeave(w(), txtRate, "600", cmdClear);
        click(w(), cmdCalculate);
        t_->dialogs.clear();
        t_->dialogs.yesNo = {true};
        click(w(), cmdSave);
        QCOMPARE(t_->dialogs.questions,
                 std::vector<QString>(
                     {"01/01/2005 - 01/31/2005 overlaps entry 2 (01/15/2005 - 02/14/2005). "
                      "Save it anyway?"}));
        QCOMPARE(model().ledger().EntryCount(), 2);
        QVERIFY(panel().at(0).contains("600.00"));
        QVERIFY(t_->dialogs.messages.empty());
    }

    // A figure too wide for its column widens it on every panel line, under
    // the heading over the panel, and in the printed report. The panel
    // scrolls sideways to the end of its widest line, here longer than the
    // totals line.
    void wideFiguresWidenTheirColumns() {
        calculate("01/01/1900", "12/31/2099", "99999", "", "");
        click(w(), cmdSave);
        QCOMPARE(panel().at(0),
                 QString("01/01/00  12/31/99                         0 10,435     4 99,999.00 "
                         "1,043,546,707.29         0         0 1,043,546,707.29 1,043,546,707.29"));
        QCOMPARE(qobject_cast<QLabel*>(control(w(), Label11))->text(),
                 QString("Begin           End            Pay       Pay Amt.    Weeks Days     Rate "
                         "             Comp    Accrued      Simple                Total          "
                         "Net Total"));
        auto* list = qobject_cast<QListWidget*>(control(w(), List1));
        QCoreApplication::processEvents();
        const int hidden =
            list->fontMetrics().horizontalAdvance(panel().at(0)) - list->viewport()->width();
        QVERIFY(hidden > 0);
        QVERIFY(list->horizontalScrollBar()->maximum() >= hidden);
        click(w(), cmdPrint);
        QCOMPARE(
            t_->dialogs.printed.front().plainLines().at(4),
            std::string("     Begin       End      Pay        Pay Amt.  Weeks Days       Rate  "
                        "           Comp  Accrued     Simple            Total        Net Total"));

        click(w(), cmdClear);
        QCOMPARE(qobject_cast<QLabel*>(control(w(), Label11))->text(),
                 QString::fromLatin1(kPanelHeading.data(), qsizetype(kPanelHeading.size())));
    }

    void recallOfNoEntryChangesNothing() {
        workedExample();
        const QString begin = text(w(), txtBeginningDate);
        for (int row : {2, 3, -1}) {  // the empty line, the totals, no line at all
            doubleClickLine(w(), List1, row);
            QCOMPARE(text(w(), txtBeginningDate), begin);
            QCOMPARE(model().state().CurrentEntry, 2);
        }
    }

    // Save keeps the entry as calculated, whatever was typed since.
    void saveStoresTheCalculatedEntry() {
        calculate("01/01/2004", "12/31/2004", "500", "06/30/2005", "1000");
        typeAll(w(), {txtEndingDate, txtPaymentDate}, {"06/30/2004", ""}, cmdClear);
        click(w(), cmdSave);
        QCOMPARE(panel().at(0), kFirstLine);
        QCOMPARE(model().ledger().entry(1).EndText, std::string("12/31/2004"));
    }

    void clearEmptiesTheClaim() {
        workedExample();
        click(w(), cmdNextEntry);
        calculate(QString(), "01/31/2005", "500");
        click(w(), cmdClear);
        QVERIFY(panel().isEmpty());
        QCOMPARE(filled(w(), {txtBeginningDate, txtEndingDate, txtTotalDays, txtRate, txtWeeks,
                              lblDays, txtTotalComp, txtAccruedInterest, txtPaymentDate,
                              txtPaymentAmount, txtCaseCaption, txtSimpleDays, txtTotalAmount,
                              txtNetAmount, txtSimpleInterest}),
                 QStringList());
        QCOMPARE(focused(), control(w(), txtBeginningDate));
        QCOMPARE(model().ledger().EntryCount(), 0);
        QCOMPARE(model().state().CurrentEntry, 0);
        QVERIFY(!button(w(), cmdPrint)->isEnabled());
        QVERIFY(!button(w(), cmdSave)->isEnabled());
        QVERIFY(button(w(), cmdNextEntry)->isEnabled());

        // A new claim starts at entry 1.
        calculate("01/01/2006", "01/31/2006", "300");
        click(w(), cmdSave);
        QCOMPARE(model().ledger().EntryCount(), 1);
        QCOMPARE(panel().size(), 3);
        QVERIFY(panel().at(0).startsWith("01/01/06  01/31/06"));
    }

    void printRefusedWhileUnsaved() {
        workedExample();
        calculate("01/01/2004", "12/31/2004", "450");
        QVERIFY(button(w(), cmdPrint)->isEnabled());
        click(w(), cmdPrint);
        expectMessage("You must save the present entry before printing!");
        QCOMPARE(t_->dialogs.printerDialogs, 0);
        QVERIFY(t_->dialogs.printed.empty());
    }

    void twoCopiesChangeNothing() {
        workedExample();
        const QStringList panelBefore = panel();
        const LedgerEntry first = model().ledger().entry(1);
        t_->dialogs.copies = 2;
        click(w(), cmdPrint);
        QCOMPARE(t_->dialogs.printed.size(), std::size_t{2});
        QCOMPARE(t_->dialogs.printed.at(0), t_->dialogs.printed.at(1));
        QCOMPARE(t_->dialogs.printed.at(0), buildLedgerReport(model().ledger(), model().totals(),
                                                              "Smith v. Acme Mills", testMoment())
                                                .pageCaption("Smith v. Acme Mills"));
        QCOMPARE(panel(), panelBefore);
        QCOMPARE(model().ledger().entry(1), first);
        QVERIFY(model().state().EntrySaved);

        t_->dialogs.clear();
        t_->dialogs.copies = 1;
        click(w(), cmdPrint);
        QCOMPARE(t_->dialogs.printed.size(), std::size_t{1});
        t_->dialogs.copies = std::nullopt;  // cancelled: nothing printed
        click(w(), cmdPrint);
        QCOMPARE(t_->dialogs.printed.size(), std::size_t{1});
        QCOMPARE(panel(), panelBefore);
    }

    void reportReadFromPdf() {
        workedExample();
        click(w(), cmdPrint);
        QCOMPARE(t_->dialogs.printed.size(), std::size_t{1});
        const PdfResult pdf = renderToPdf(t_->dialogs.printed.front());
        QVERIFY(pdf.rendered);
        QVERIFY(pdf.landscape);
        QCOMPARE(pdf.pages, 1);
        const QStringList lines = pdfLines(t_->dialogs.printed.front());
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines.at(0).trimmed(), QString("Interest Calculation"));
        QCOMPARE(lines.at(1).simplified(), QString("03-04-2026 09:05:07"));
        QCOMPARE(lines.at(2).trimmed(), QString("Smith v. Acme Mills"));
        QCOMPARE(lines.at(3).simplified(),
                 QString("Begin End Pay Pay Amt. Weeks Days Rate Comp Accrued Simple "
                         "Total Net Total"));
        const QStringList ledger = ledgerLinesOf(pdf);
        QCOMPARE(ledger.size(), 4);
        QCOMPARE(ledger.at(0),
                 QString::fromLatin1(kReportHeader.data(), qsizetype(kReportHeader.size())));
        QCOMPARE(ledger.at(1),
                 QString("01/01/2004 12/31/2004 06/30/2005     1,000.00    52     2    500.00   "
                         "26,142.86  1,325.00  1,381.02   28,848.88   27,848.88"));
        QCOMPARE(ledger.at(2),
                 QString("01/01/2005 01/28/2005 12/31/2005            0     4     0    500.00    "
                         "2,000.00      9.62  1,611.51    3,621.12    3,621.12"));
        QCOMPARE(ledger.at(3),
                 QString("Totals: Payments=$1,000.00  Accrued=$1,334.62  Simple=$2,992.53  "
                         "Comp=$28,142.86  Amount=$32,470.00  Net=$31,470.00"));
    }

    // One hundred weekly entries: all saved, printed over several pages with
    // the totals after the last entry; the hundred-and-first is refused.
    void hundredEntries() {
        calculate("01/01/2004", "01/07/2004", "700", "", "");
        click(w(), cmdSave);
        for (int i = 2; i <= 100; ++i) {
            click(w(), cmdNextEntry);
            const Date end = CDate(text(w(), txtBeginningDate).toStdString()).value();
            calculate(QString(), QString::fromStdString(Format(Date{end.day + 6}, "mm/dd/yyyy")),
                      "700");
            click(w(), cmdSave);
        }
        QVERIFY(t_->dialogs.messages.empty());
        QCOMPARE(model().ledger().EntryCount(), 100);
        QCOMPARE(panel().size(), 102);
        QCOMPARE(model().totals().CompTotal, 70000.0);
        QCOMPARE(panel().at(99).left(18), QString("11/24/05  11/30/05"));

        // A full ledger opens no 101st entry: it stays saved, and Print prints it.
        const QStringList before = panel();
        const QString beginning = text(w(), txtBeginningDate);
        click(w(), cmdNextEntry);
        expectMessage("The ledger holds at most 100 entries.");
        QCOMPARE(text(w(), txtBeginningDate), beginning);
        QCOMPARE(model().ledger().EntryCount(), 100);
        QCOMPARE(panel(), before);
        QCOMPARE(model().totals().CompTotal, 70000.0);
        QVERIFY(model().ledger().refuseWrite(101, false).has_value());
        QVERIFY(model().ledger().refuseWrite(100, true).has_value());
        QVERIFY(!model().ledger().refuseWrite(100, false).has_value());
        click(w(), cmdPrint);
        QCOMPARE(t_->dialogs.printed.size(), std::size_t{1});
        const PdfResult pdf = renderToPdf(t_->dialogs.printed.front());
        QVERIFY(pdf.pages > 2);
        QStringList lines = ledgerLinesOf(pdf);
        // Every page starts with the column header, then the entries and the totals.
        const QString header =
            QString::fromLatin1(kReportHeader.data(), qsizetype(kReportHeader.size()));
        QCOMPARE(lines.removeAll(header), qsizetype(pdf.pages));
        QCOMPARE(lines.size(), 100 + 1);
        QCOMPARE(lines.at(0).left(33), QString("01/01/2004 01/07/2004            "));
        QCOMPARE(lines.at(99),
                 QString("11/24/2005 11/30/2005                       0     1     0    700.00    "
                         "  700.00         0         0      700.00      700.00"));
        QCOMPARE(pdf.words.last().page, pdf.pages);
        QCOMPARE(lines.last(),
                 QString("Totals: Payments=$0.00  Accrued=$0.00  Simple=$0.00  Comp=$70,000.00  "
                         "Amount=$70,000.00  Net=$70,000.00"));
    }
};

QTEST_MAIN(TestCalculationLedger)
#include "test_calculationledger.moc"

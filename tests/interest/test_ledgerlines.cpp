// The ledger as text: PadColumn, the stored entry texts, the panel line and
// the totals line under the panel, the report's lines and the report itself,
// character for character.
#include <QTest>

#include "interest/ledgerlines.h"
#include "interest/ledgerreport.h"

using namespace corvell;

namespace {

Date date(const char* text) {
    return CDate(text).value();
}

struct PeriodFacts {
    const char* begin;
    const char* end;
    const char* paid;  // nullptr: no payment date
    double payment;
    double weeks;
    double days;
    double rate;
    double comp;
    double accrued;
    double simple;
};

LedgerEntry entryOf(const PeriodFacts& s) {
    CalculationValues v;
    v.BeginDate = date(s.begin);
    v.EndDate = date(s.end);
    v.PaymentDate = s.paid == nullptr ? kNoDate : date(s.paid);
    v.Weeks = s.weeks;
    v.CompRate = s.rate;
    v.TotalComp = s.comp;
    EntryFigures f;
    f.PartWeekDays = s.days;
    f.PaymentAmount = s.payment;
    f.AccruedInterest = s.accrued;
    f.SimpleInterest = s.simple;
    f.TotalAmount = s.simple + (s.accrued + s.comp);
    f.TotalDays = "366";
    f.SimpleDays = 181;
    return makeLedgerEntry(v, f);
}

// The two entries of the worked example, with their unrounded figures.
const PeriodFacts kFirst{"01/01/2004",
                         "12/31/2004",
                         "06/30/2005",
                         1000,
                         52,
                         2,
                         500,
                         500.0 * 366 / 7,
                         52.0 * 53 * (0.1 / 52) / 2 * 500,
                         1381.0228174603174};
const PeriodFacts kSecond{"01/01/2005",
                          "01/28/2005",
                          "12/31/2005",
                          0,
                          4,
                          0,
                          500,
                          2000,
                          4.0 * 5 * (0.1 / 52) / 2 * 500,
                          1611.5095270316103};

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

class TestLedgerLines : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void padColumn_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("padded");
        QTest::newRow("right-aligned") << "500.00" << 10 << "    500.00";
        QTest::newRow("blanks around dropped") << "  52 " << 6 << "    52";
        QTest::newRow("empty is 0") << "" << 6 << "     0";
        QTest::newRow(".00 is 0") << ".00" << 12 << "           0";
        QTest::newRow("0.00 is 0") << "0.00" << 10 << "         0";
        QTest::newRow("1,250.00 passes") << "1,250.00" << 12 << "    1,250.00";
        QTest::newRow("exactly the width") << "1,234,567.89" << 12 << "1,234,567.89";
        QTest::newRow("too long loses the left") << "12,345,678.90" << 12 << "2,345,678.90";
        QTest::newRow("nineteen wide") << "7" << 19 << "                  7";
    }
    void padColumn() {
        QFETCH(QString, value);
        QFETCH(int, width);
        const std::string v = value.toStdString();
        QTEST(q(PadColumn(v, width)), "padded");
        QCOMPARE(q(v), value);  // the value passed in is not changed
    }

    void storedTexts() {
        const LedgerEntry e = entryOf(kFirst);
        QCOMPARE(q(e.BeginText), QString("01/01/2004"));
        QCOMPARE(q(e.PayDateText), QString("06/30/2005"));
        QCOMPARE(q(e.PayAmountText), QString("1,000.00"));
        QCOMPARE(q(e.WeeksText), QString("52"));
        QCOMPARE(q(e.DaysText), QString("2"));
        QCOMPARE(q(e.RateText), QString("500.00"));
        QCOMPARE(q(e.CompText), QString("26,142.86"));
        QCOMPARE(q(e.AccruedText), QString("1,325.00"));
        QCOMPARE(q(e.SimpleText), QString("1,381.02"));
        QCOMPARE(q(e.TotalText), QString("28,848.88"));
        QCOMPARE(e.CompAmount, 500.0 * 366 / 7);  // unrounded
        const LedgerEntry second = entryOf(kSecond);
        QCOMPARE(q(second.PayAmountText), QString(".00"));
        QCOMPARE(q(second.DaysText), QString(""));
        PeriodFacts unpaid = kSecond;
        unpaid.paid = nullptr;
        QCOMPARE(q(entryOf(unpaid).PayDateText), QString(10, ' '));
    }

    void panelLines_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("line");
        QTest::newRow("first entry")
            << 1
            << "01/01/04  12/31/04  06/30/05      1,000.00    52     2    500.00   26,142.86"
               "  1,325.00  1,381.02   28,848.88   27,848.88";
        QTest::newRow("zeros show as 0")
            << 2
            << "01/01/05  01/28/05  12/31/05             0     4     0    500.00    2,000.00"
               "      9.62  1,611.51    3,621.12    3,621.12";
        QTest::newRow("no payment date") << 3
                                         << "01/01/05  01/28/05  " + QString(10, ' ') + "  " +
                                                "           0     4     0    500.00    2,000.00"
                                                "      9.62  1,611.51    3,621.12    3,621.12";
        QTest::newRow("rate .50 shows 0.50, too long comp cut")
            << 4
            << "01/01/04  12/31/04  06/30/05             0    52     2      0.502,345,678.90       "
               "  0         0"
               "2,345,678.902,345,678.90";
    }
    void panelLines() {
        QFETCH(int, which);
        PeriodFacts s = which == 1 ? kFirst : kSecond;
        if (which == 3) {
            s.paid = nullptr;
        }
        if (which == 4) {
            s = PeriodFacts{
                "01/01/2004", "12/31/2004", "06/30/2005", 0, 52, 2, 0.5, 12345678.9, 0, 0};
        }
        const std::string line = BuildPanelLine(entryOf(s));
        QTEST(q(line), "line");
        QCOMPARE(line.size(), std::size_t{which == 3 ? 122u : 120u});
    }

    void totalsLines() {
        Ledger ledger;
        for (const PeriodFacts& s : {kFirst, kSecond}) {
            ledger.grow();
            ledger.StoreEntry(ledger.EntryCount(), entryOf(s));
        }
        const LedgerTotals t = sumLedger(ledger);
        QCOMPARE(t.NetTotal, t.AmountTotal - t.PaymentsTotal);
        QCOMPARE(
            q(panelTotalsLine(t)),
            QString(
                "Totals: Payments=$1,000.00  Accrued=$1,334.62  Simple=$2,992.53  Comp=$28,142.86 "
                "Amount=32,470.00  Net=$31,470.00"));
        QCOMPARE(
            q(reportTotalsLine(t)),
            QString(
                "Totals: Payments=$1,000.00  Accrued=$1,334.62  Simple=$2,992.53  Comp=$28,142.86  "
                "Amount=$32,470.00  Net=$31,470.00"));
        QCOMPARE(q(panelTotalsLine(LedgerTotals{})),
                 QString("Totals: Payments=$0.00  Accrued=$0.00  Simple=$0.00  Comp=$0.00 "
                         "Amount=0.00  Net=$0.00"));
        const LedgerTotals overpaid{5000, 0, 0, 1000, 1000, -4000};
        QVERIFY(q(panelTotalsLine(overpaid)).endsWith("Net=$-4,000.00"));
    }

    void reportEntryLines_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("line");
        QTest::newRow("first entry")
            << 1
            << "01/01/2004 12/31/2004 06/30/2005     1,000.00    52     2    500.00   26,142.86"
               "  1,325.00  1,381.02   28,848.88   27,848.88";
        QTest::newRow("no payment date, no payment")
            << 2
            << "01/01/2005 01/28/2005                       0     4     0    500.00    2,000.00    "
               "  9.62  1,611.51"
               "    3,621.12    3,621.12";
        QTest::newRow("stored texts as stored")
            << 3
            << "01/01/2004 12/31/2004 06/30/2005     1,250.00    52     2       .50         .50    "
               "     0         0"
               "         .50   -1,249.50";
    }
    void reportEntryLines() {
        QFETCH(int, which);
        PeriodFacts s = which == 1 ? kFirst : kSecond;
        if (which == 2) {
            s.paid = nullptr;
        }
        if (which == 3) {
            s = PeriodFacts{"01/01/2004", "12/31/2004", "06/30/2005", 1250, 52, 2, 0.5, 0.5, 0, 0};
        }
        const std::string line = reportEntryLine(entryOf(s));
        QTEST(q(line), "line");
        QCOMPARE(line.size(), kReportHeader.size());
        QCOMPARE(kReportHeader.size(), std::size_t{123});
    }

    void report() {
        Ledger ledger;
        for (const PeriodFacts& s : {kFirst, kSecond}) {
            ledger.grow();
            ledger.StoreEntry(ledger.EntryCount(), entryOf(s));
        }
        const report::Document doc = buildLedgerReport(ledger, sumLedger(ledger), "Smith v. Acme",
                                                       LocalTime{2026, 3, 4, 9, 5, 7});
        const std::vector<std::string> expected = {
            "                            Interest Calculation",
            "                            03-04-2026    09:05:07",
            "              Smith v. Acme",
            "",
            std::string(kReportHeader),
            "",
            reportEntryLine(ledger.entry(1)),
            "",
            "",
            reportEntryLine(ledger.entry(2)),
            "",
            "",
            reportTotalsLine(sumLedger(ledger)),
        };
        QCOMPARE(doc.plainLines(), expected);
        const auto& s = doc.statements();
        QCOMPARE(s.at(0), report::Statement(report::SetFont{"Courier New"}));
        QCOMPARE(s.at(1), report::Statement(report::SetBold{true}));
        QCOMPARE(s.at(2),
                 report::Statement(report::SetOrientation{report::Orientation::Landscape}));
        QCOMPARE(s.at(3), report::Statement(report::SetSize{16}));
        QVERIFY(std::find(s.begin(), s.end(), report::Statement(report::SetSize{10})) != s.end());
        // The header alone is underlined.
        const auto on =
            std::find(s.begin(), s.end(), report::Statement(report::SetUnderline{true}));
        QVERIFY(on != s.end());
        QCOMPARE(*(on + 1), report::Statement(
                                report::Print{{report::text(std::string(kReportHeader))}, true}));
        QCOMPARE(*(on + 2), report::Statement(report::SetUnderline{false}));
    }
};

QTEST_APPLESS_MAIN(TestLedgerLines)
#include "test_ledgerlines.moc"

// The ledger as text: PadColumn, the stored entry texts, the panel line and
// the totals line under the panel, the report's lines and the report itself,
// character for character.
#include <QTest>

#include "interest/ledgerlines.h"
#include "interest/ledgerreport.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;

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

using Facts = std::vector<PeriodFacts>;

Ledger ledgerOf(const Facts& entries) {
    Ledger ledger;
    for (const PeriodFacts& s : entries) {
        ledger.grow();
        ledger.StoreEntry(ledger.EntryCount(), entryOf(s));
    }
    return ledger;
}

}  // namespace

Q_DECLARE_METATYPE(Facts)

class TestLedgerLines : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void padColumn_data() {
        columns<QString, int, QString>({"value", "width", "padded"});
        row("right-aligned", "500.00", 10, "    500.00");
        row("blanks around dropped", "  52 ", 6, "    52");
        row("empty is 0", "", 6, "     0");
        row(".00 is 0", ".00", 12, "           0");
        row("0.00 is 0", "0.00", 10, "         0");
        row("1,250.00 passes", "1,250.00", 12, "    1,250.00");
        row("exactly the width", "1,234,567.89", 12, "1,234,567.89");
        row("too long kept whole", "12,345,678.90", 12, "12,345,678.90");
        row("nineteen wide", "7", 19, "                  7");
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
        // length: of every line
        columns<Facts, QStringList, int, QString>({"entries", "lines", "length", "heading"});
        const QString written = q(std::string(kPanelHeading));
        row("first entry", Facts{kFirst},
            QStringList{"01/01/04  12/31/04  06/30/05      1,000.00    52     2    500.00   "
                        "26,142.86  1,325.00  1,381.02   28,848.88   27,848.88"},
            120, written);
        row("zeros show as 0", Facts{kSecond},
            QStringList{"01/01/05  01/28/05  12/31/05             0     4     0    500.00    "
                        "2,000.00      9.62  1,611.51    3,621.12    3,621.12"},
            120, written);
        PeriodFacts unpaid = kSecond;
        unpaid.paid = nullptr;
        row("no payment date", Facts{unpaid},
            QStringList{"01/01/05  01/28/05  " + QString(10, ' ') + "  " +
                        "           0     4     0    500.00    2,000.00      9.62  1,611.51    "
                        "3,621.12    3,621.12"},
            122, written);
        row("rate .50 shows 0.50, too long comp kept whole",
            Facts{{"01/01/2004", "12/31/2004", "06/30/2005", 0, 52, 2, 0.5, 12345678.9, 0, 0}},
            QStringList{"01/01/04  12/31/04  06/30/05             0    52     2      0.50 "
                        "12,345,678.90         0         0 12,345,678.90 12,345,678.90"},
            126,
            "Begin           End            Pay       Pay Amt.   Weeks Days     Rate           "
            "Comp    Accrued      Simple             Total       Net Total");
        PeriodFacts huge = kFirst;
        huge.accrued = 1047011.54;
        row("huge accrued interest widens its column on every line", Facts{kFirst, huge},
            QStringList{"01/01/04  12/31/04  06/30/05      1,000.00    52     2    500.00   "
                        "26,142.86     1,325.00  1,381.02    28,848.88    27,848.88",
                        "01/01/04  12/31/04  06/30/05      1,000.00    52     2    500.00   "
                        "26,142.86 1,047,011.54  1,381.02 1,074,535.42 1,073,535.42"},
            125,
            "Begin           End            Pay       Pay Amt.   Weeks Days     Rate         "
            "Comp       Accrued      Simple            Total      Net Total");
        PeriodFacts fills = kFirst;
        fills.simple = 123456.78;
        row("a value filling its column gets a blank before it", Facts{fills},
            QStringList{"01/01/04  12/31/04  06/30/05      1,000.00    52     2    500.00   "
                        "26,142.86  1,325.00 123,456.78  150,924.64  149,924.64"},
            121,
            "Begin           End            Pay       Pay Amt.   Weeks Days     Rate         "
            "Comp    Accrued       Simple           Total     Net Total");
    }
    void panelLines() {
        QFETCH(Facts, entries);
        QFETCH(int, length);
        const LedgerLines panel = corvell::panelLines(ledgerOf(entries));
        QStringList lines;
        for (const std::string& line : panel.lines) {
            lines << q(line);
            QCOMPARE(lines.back().size(), length);
        }
        QTEST(lines, "lines");
        QTEST(q(panelHeading(panel.widths)), "heading");

        // Kept up to date Save by Save, the panel reads the same; and when
        // the widest entry is written again narrower, its columns narrow.
        Ledger ledger;
        PanelLines kept;
        for (const PeriodFacts& s : entries) {
            ledger.grow();
            ledger.StoreEntry(ledger.EntryCount(), entryOf(s));
            kept.entryWritten(ledger, ledger.EntryCount());
        }
        QCOMPARE(kept.lines().lines, panel.lines);
        QVERIFY(kept.lines().widths == panel.widths);
        ledger.StoreEntry(ledger.EntryCount(), entryOf(kFirst));
        kept.entryWritten(ledger, ledger.EntryCount());
        QCOMPARE(kept.lines().lines, corvell::panelLines(ledger).lines);
        QVERIFY(kept.lines().widths == corvell::panelLines(ledger).widths);
    }

    void totalsLines() {
        const Ledger ledger = ledgerOf({kFirst, kSecond});
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
        // header: as long as every line
        columns<Facts, QStringList, QString>({"entries", "lines", "header"});
        const QString written = q(std::string(kReportHeader));
        row("first entry", Facts{kFirst},
            QStringList{"01/01/2004 12/31/2004 06/30/2005     1,000.00    52     2    500.00   "
                        "26,142.86  1,325.00  1,381.02   28,848.88   27,848.88"},
            written);
        PeriodFacts unpaid = kSecond;
        unpaid.paid = nullptr;
        row("no payment date, no payment", Facts{unpaid},
            QStringList{"01/01/2005 01/28/2005                       0     4     0    500.00    "
                        "2,000.00      9.62  1,611.51    3,621.12    3,621.12"},
            written);
        row("stored texts as stored",
            Facts{{"01/01/2004", "12/31/2004", "06/30/2005", 1250, 52, 2, 0.5, 0.5, 0, 0}},
            QStringList{"01/01/2004 12/31/2004 06/30/2005     1,250.00    52     2       .50    "
                        "     .50         0         0         .50   -1,249.50"},
            written);
        PeriodFacts huge = kFirst;
        huge.accrued = 1047011.54;
        row("huge accrued interest widens its column on every line", Facts{kFirst, huge},
            QStringList{"01/01/2004 12/31/2004 06/30/2005     1,000.00    52     2    500.00   "
                        "26,142.86     1,325.00  1,381.02    28,848.88    27,848.88",
                        "01/01/2004 12/31/2004 06/30/2005     1,000.00    52     2    500.00   "
                        "26,142.86 1,047,011.54  1,381.02 1,074,535.42 1,073,535.42"},
            "     Begin       End      Pay        Pay Amt. Weeks Days       Rate        "
            "Comp     Accrued     Simple        Total    Net Total");
    }
    void reportEntryLines() {
        QFETCH(Facts, entries);
        QFETCH(QString, header);
        const LedgerLines report = reportLines(ledgerOf(entries));
        QStringList lines;
        for (const std::string& line : report.lines) {
            lines << q(line);
            QCOMPARE(lines.back().size(), header.size());
        }
        QTEST(lines, "lines");
        QCOMPARE(q(reportHeader(report.widths)), header);
        QCOMPARE(kReportHeader.size(), std::size_t{123});
    }

    void report() {
        const Ledger ledger = ledgerOf({kFirst, kSecond});
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

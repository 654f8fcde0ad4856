// The commutation arithmetic, checks and report, without any window.
#include <QTest>

#include "commutation/commutationcalc.h"
#include "commutation/commutationmodel.h"
#include "commutation/commutationreport.h"
#include "commutation/frmcommutationcontrols.h"
#include "shell/dates.h"
#include "shell/format.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;
using namespace corvell::frmcommutation;

namespace {

Date day(const char* text) {
    return CDate(text).value();
}

const LocalTime kMoment{2026, 3, 4, 9, 5, 7};

}  // namespace

class TestCommutationCore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void days_data() {
        // days: -1 when refused
        columns<double, int>({"weeks", "days"});
        row("104 weeks", 104.0, 728);
        row("1 week", 1.0, 7);
        row("1.5 weeks: 10.5 to the even 10", 1.5, 10);
        row("10.25 weeks: 71.75 rounds to 72", 10.25, 72);
        row("0.5 weeks: 3.5 to the even 4", 0.5, 4);
        row("4681 weeks: 32767 days, the most", 4681.0, 32767);
        row("0.01 weeks: no whole day", 0.01, 0);
        row("4681.1 weeks: 32768 days", 4681.1, -1);
        row("0 weeks", 0.0, -1);
        row("negative weeks", -2.0, -1);
    }
    void days() {
        QFETCH(double, weeks);
        QFETCH(int, days);
        const std::optional<std::int16_t> got = commutationDays(weeks);
        QCOMPARE(got.has_value(), days >= 0);
        if (got) {
            QCOMPARE(int{*got}, days);
        }
    }

    void endDate_data() {
        // end: empty when beyond 12/31/9999
        columns<QString, int, QString>({"begin", "days", "end"});
        row("104 weeks", "01/05/2004", 728, "01/02/2006");
        row("1 week, same weekday", "01/05/2004", 7, "01/12/2004");
        row("1.5 weeks", "01/05/2004", 10, "01/15/2004");
        row("last day", "12/24/9999", 7, "12/31/9999");
        row("past the last day", "12/25/9999", 7, "");
    }
    void endDate() {
        QFETCH(QString, begin);
        QFETCH(int, days);
        QFETCH(QString, end);
        const std::optional<Date> got =
            commutationEndDate(day(begin.toLatin1().constData()), static_cast<std::int16_t>(days));
        QCOMPARE(got.has_value(), !end.isEmpty());
        if (got) {
            QCOMPARE(QString::fromStdString(Format(*got, "mm/dd/yyyy")), end);
        }
    }

    void rate() {
        QCOMPARE(commutationRate(52000, 104), std::optional<double>(500));
        QCOMPARE(commutationRate(52, 104), std::optional<double>(0.5));
        QVERIFY(!commutationRate(1e300, 1e-300).has_value());
    }

    // The worked example through the model: fields, kept values.
    void calculateExample() {
        CommutationModel m;
        m.setText(txtBeginningDate, "1/5/04");
        m.setText(txtCommWeeks, "104");
        m.setText(txtCommAmount, "$52,000");
        QVERIFY(m.fire(cmdCommCalculate, Event::Click).empty());
        QCOMPARE(m.text(txtBeginningDate), std::string("01/05/2004"));
        QCOMPARE(m.text(txtComputedEndDate), std::string("01/02/2006"));
        QCOMPARE(m.text(txtComputedRate), std::string("500.00"));
        QCOMPARE(m.values().BeginDate, day("01/05/2004"));
        QCOMPARE(m.values().EndDate, day("01/02/2006"));
        QCOMPARE(int{m.values().Days}, 728);
        QCOMPARE(m.CommAmount(), std::optional<double>(52000));
        QCOMPARE(m.CommRate(), std::optional<double>(500));
    }

    void reportLines() {
        CommutationReportFigures f{"Smith v. Acme", "104", day("01/05/2004"), day("01/02/2006"),
                                   500};
        const report::Document doc = commutationReport(f, kMoment);
        const std::vector<std::string> expected = {
            "",
            std::string(14, ' ') + "CALCULATION OF COMMUTATION",
            std::string(28, ' ') + "03-04-2026    09:05:07",
            "Smith v. Acme",
            "",
            "01/05/2004   to  01/02/2006",
            "104 Weeks  Rate=$500.00",
        };
        QCOMPARE(doc.plainLines(), expected);
        QCOMPARE(std::get<report::SetFont>(doc.statements()[0]).name,
                 std::string("Times New Roman"));
        QCOMPARE(std::get<report::SetSize>(doc.statements()[1]).points, 16.0);
        QCOMPARE(std::get<report::SetBold>(doc.statements()[2]).on, false);
    }

    // Before any calculation there are no dates and no rate to print.
    void reportWithNothingCalculated() {
        const report::Document doc = commutationReport(
            CommutationReportFigures{"", "", kNoDate, kNoDate, std::nullopt}, kMoment);
        const std::vector<std::string> lines = doc.plainLines();
        QCOMPARE(lines.size(), std::size_t{7});
        QCOMPARE(lines[5], std::string("   to  "));
        QCOMPARE(lines[6], std::string(" Weeks  Rate="));
    }
};

QTEST_GUILESS_MAIN(TestCommutationCore)
#include "test_commutationcore.moc"

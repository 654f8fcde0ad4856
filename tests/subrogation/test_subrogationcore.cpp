// The subrogation arithmetic, checks and report, without any window.
#include <QTest>
#include <cmath>

#include "subrogation/frmsubrogationcontrols.h"
#include "subrogation/subrogationcalc.h"
#include "subrogation/subrogationmodel.h"
#include "subrogation/subrogationreport.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;
using namespace corvell::frmsubrogation;

class TestSubrogationCore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void weeksAndDays_data() {
        columns<double, double, double, int>({"amount", "rate", "weeks", "days"});
        row("70000 at 450", 70000.0, 450.0, 155.0, 3);
        row("80000 at 450", 80000.0, 450.0, 177.0, 5);
        row("100000 at 450", 100000.0, 450.0, 222.0, 1);
        // 3 weeks and exactly one day of 50: a fraction of a week would lose it.
        row("1100 at 350", 1100.0, 350.0, 3.0, 1);
        row("1700 at 350", 1700.0, 350.0, 4.0, 6);
        row("0.3 at 0.1", 0.3, 0.1, 3.0, 0);
        row("a day short of a week", 349.99, 350.0, 0.0, 6);
        row("nothing left", 0.0, -450.0, 0.0, 0);
        row("lien above the total", -20000.0, 450.0, -45.0, 3);
    }
    void weeksAndDays() {
        QFETCH(double, amount);
        QFETCH(double, rate);
        QFETCH(double, weeks);
        QFETCH(int, days);
        const WeeksAndDays got = weeksAndDaysAt(amount, rate);
        QCOMPARE(got.weeks, weeks);
        QVERIFY(got.weeks != 0 || !std::signbit(got.weeks));  // never "-0"
        QCOMPARE(got.days, days);
    }

    void distribution() {
        const SubrogationDistribution d = distribute({100000, 40000, 450, 30000, 0}).value();
        QCOMPARE(d.lienRecovery, std::optional<double>(18000));
        QCOMPARE(d.excessRecovery, 70000.0);
        QCOMPARE(d.newWeeklyRate, 450 * 0.4);
        const SubrogationDistribution agreed = distribute({100000, 40000, 450, 0, 20000}).value();
        QVERIFY(!agreed.lienRecovery.has_value());
        QCOMPARE(agreed.excessRecovery, 80000.0);
        const SubrogationDistribution neither = distribute({100000, 0, 450, 0, 0}).value();
        QCOMPARE(neither.excessRecovery, 100000.0);
        QCOMPARE(neither.newWeeklyRate, 0.0);
        QVERIFY(!distribute({1e-310, 1e10, 450, 0, 0}).has_value());
    }

    void calculateExample() {
        SubrogationModel m;
        m.setText(txtTotalRecovery, "100,000.00");
        m.setText(txtCostsAndFees, "$40,000");
        m.setText(txtRate, "450");
        m.setText(txtLienAmount, "30,000");
        QVERIFY(m.fire(cmdSSCalculate, Event::Click).empty());
        QCOMPARE(m.text(txtLienRecovery), std::string("18,000.00"));
        QCOMPARE(m.text(txtNewWeeklyRate), std::string("$180.00"));
        QCOMPARE(m.text(txtForWeeks), std::string("155 / 3"));
        QCOMPARE(m.newWeeklyRate(), 450 * 0.4);
    }

    void reportLines() {
        SubrogationReportFigures f{"Smith v. Acme", "100000",    "40000",   "450",
                                   "30000",         "18,000.00", "155 / 3", 450 * 0.4};
        const report::Document doc = subrogationReport(f, LocalTime{2026, 3, 4, 9, 5, 7});
        const std::vector<std::string> expected = {
            std::string(28, ' ') + "Subrogation Calculation",
            std::string(28, ' ') + "03-04-2026    09:05:07",
            "Smith v. Acme",
            "",
            "   Total tort recovery=$100,000.00",
            "   Costs and fees=$40,000.00",
            "   Weekly compensation rate=$450.00",
            "   Lien Amount=$30,000.00",
            "   Lien Recovery=$18,000.00",
            "   New compensation rate=$180.00",
            "   Weeks / days new rate payable=155 / 3",
        };
        QCOMPARE(doc.plainLines(), expected);
        // Bold from the title through the case caption, then plain.
        std::vector<bool> boldAtLine;
        bool bold = false;
        for (const report::Statement& s : doc.statements()) {
            if (const auto* b = std::get_if<report::SetBold>(&s)) {
                bold = b->on;
            } else if (std::holds_alternative<report::Print>(s)) {
                boldAtLine.push_back(bold);
            }
        }
        const std::vector<bool> expectedBold = {true,  true,  true,  false, false, false,
                                                false, false, false, false, false};
        QCOMPARE(boldAtLine, expectedBold);
    }
};

QTEST_GUILESS_MAIN(TestSubrogationCore)
#include "test_subrogationcore.moc"

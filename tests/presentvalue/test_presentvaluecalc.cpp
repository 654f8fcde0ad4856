#include <QTest>
#include <cmath>
#include <limits>

#include "presentvalue/presentvaluecalc.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;

namespace {

// The annuity of n whole weekly payments, first one week out, in closed
// form: rate x (1 - v^n) / i with i the weekly rate and v = 1 / (1 + i).
double closedForm(double compRate, double weeks, double discountRate) {
    const double i = discountRate / 52;
    const double n = std::floor(weeks);
    return compRate * (1 - std::pow(1 / (1 + i), n)) / i;
}

Date day(int year, unsigned month, unsigned d) {
    return fromCivil({year, month, d});
}

}  // namespace

class TestPresentValueCalc : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void agreesWithTheClosedFormToTheCent() {
        const double rates[] = {1, 87.5, 123.45, 500, 1250.75, 3999.99};
        const double weeks[] = {1, 2, 10, 52, 52.1428571428571, 52.9, 260, 1599.3725, 4097.4, 4681};
        const double discounts[] = {0.001, 0.01, 0.05, 0.06, 0.1, 0.25, 0.99, -0.03};
        for (double rate : rates) {
            for (double w : weeks) {
                for (double d : discounts) {
                    const std::optional<double> sum = discountedSum(rate, w, d);
                    QVERIFY(sum.has_value());
                    const double expected = closedForm(rate, w, d);
                    QVERIFY2(std::abs(*sum - expected) < 0.005,
                             qPrintable(QStringLiteral("rate %1 weeks %2 discount %3: %4 vs %5")
                                            .arg(rate)
                                            .arg(w)
                                            .arg(d)
                                            .arg(*sum, 0, 'f', 6)
                                            .arg(expected, 0, 'f', 6)));
                }
            }
        }
    }

    void fiveHundredForAYearAtFivePercent() {
        const std::optional<double> sum = discountedSum(500, 52, 0.05);
        QVERIFY(sum);
        QCOMPARE(QString::number(*sum, 'f', 2), QStringLiteral("25348.82"));
    }

    void onlyWholeWeeksCount_data() {
        columns<double, int>({"weeks", "terms"});
        row("52.9 gives 52", 52.9, 52);
        row("52.14 gives 52", 52.1428571428571, 52);
        row("exactly 3", 3.0, 3);
        row("below one gives none", 0.9, 0);
        row("zero", 0.0, 0);
        row("negative", -12.5, 0);
    }
    void onlyWholeWeeksCount() {
        QFETCH(double, weeks);
        QFETCH(int, terms);
        // Without a discount every whole week adds the full rate.
        QCOMPARE(discountedSum(100, weeks, 0), std::optional<double>(100.0 * terms));
    }

    void eachPaymentIsOneMoreWeekOut() {
        const double v = 1 / (1 + 0.52 / 52);
        QCOMPARE(*discountedSum(1000, 1, 0.52), 1000 * v);
        QCOMPARE(*discountedSum(1000, 2, 0.52) - *discountedSum(1000, 1, 0.52),
                 1000 / std::pow(1 + 0.52 / 52, 2));
    }

    void aZeroWeeklyFactorIsNoNumber() {
        QVERIFY(!discountedSum(500, 52, -52).has_value());
        QVERIFY(!discountedSum(0, 52, -52).has_value());
        // A factor so close to zero that the terms overflow.
        QVERIFY(!discountedSum(500, 1000, -51.9).has_value());
    }

    void aVeryLargeFactorGivesAFiniteSum() {
        const std::optional<double> sum = discountedSum(500, 52, 1e300);
        QVERIFY(sum.has_value());
        QVERIFY(std::isfinite(*sum));
        QVERIFY(*sum >= 0 && *sum < 1e-290);
    }

    void discountRateAsTyped_data() {
        columns<double, double>({"typed", "rate"});
        row("fraction", 0.05, 0.05);
        row("percent", 5.0, 0.05);
        row("six percent", 6.0, 0.06);
        row("0.99 stays", 0.99, 0.99);
        row("1 is one percent", 1.0, 0.01);
        row("zero", 0.0, 0.0);
    }
    void discountRateAsTyped() {
        QFETCH(double, typed);
        QTEST(discountRateOf(typed), "rate");
    }

    void weeksBetweenDates() {
        QCOMPARE(weeksBetween(day(2005, 1, 1), day(2006, 1, 1)), 365.0 / 7);
        QCOMPARE(weeksBetween(day(2005, 1, 1), day(2005, 3, 12)), 10.0);
        QCOMPARE(weeksBetween(day(2006, 1, 1), day(2005, 1, 1)), -365.0 / 7);
    }

    void lifeYearsInWeeks() {
        QCOMPARE(weeksOfLife(30.61), 30.61 * 52.25);
        QCOMPARE(weeksOfLife(4), 209.0);
    }
};

QTEST_APPLESS_MAIN(TestPresentValueCalc)
#include "test_presentvaluecalc.moc"

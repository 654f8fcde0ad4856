// The offset arithmetic on its own: social security and pension rates, and
// the days, weeks, end date and remainder a lump sum buys.

#include <QTest>
#include <cmath>

#include "offsets/lumpsumoffset.h"
#include "offsets/weeklyrateoffset.h"
#include "shell/format.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;

namespace {

Date day(const char* text) {
    return *CDate(text);
}

}  // namespace

class TestOffsetCalculations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void socialSecurity_data() {
        columns<double, double, QString>({"monthly", "rate", "shown"});
        row("1000 against 500", 1000.0, 500.0, "384.80");
        row("below zero", 8680.0, 500.0, "-500.00");
        row("grouped", 100.0, 12345.0, "12,333.48");
    }
    void socialSecurity() {
        QFETCH(double, monthly);
        QFETCH(double, rate);
        const double newRate = socialSecurityNewRate(monthly, rate);
        QTEST(QString::fromStdString(Format(newRate, "##,##0.00")), "shown");
    }

    // Without the half cent 1000 against 500 would show 384.79.
    void socialSecurityHalfCent() {
        const double unrounded = 500 - weeklyEquivalent(1000) / 2;
        QCOMPARE(QString::fromStdString(Format(unrounded, "##,##0.00")), QString("384.79"));
        QCOMPARE(socialSecurityNewRate(1000, 500) - unrounded, 0.005);
    }

    void pension_data() {
        columns<double, double, double, double, QString>(
            {"pension", "percent", "rate", "employerMonthly", "shown"});
        row("1200, 60 %, 500", 1200.0, 60.0, 500.0, 720.0, "$334.10");
        row("no percentage", 1200.0, 0.0, 500.0, 0.0, "$500.00");
        row("below zero", 4340.0, 100.0, 500.0, 4340.0, "-$500.00");
        row("grouped", 0.0, 50.0, 12345.678, 0.0, "$12,345.68");
    }
    void pension() {
        QFETCH(double, pension);
        QFETCH(double, percent);
        QFETCH(double, rate);
        QFETCH(QString, shown);
        const double employer = employerFundedMonthly(pension, percent);
        QTEST(employer, "employerMonthly");
        QCOMPARE(QString::fromStdString(Format(pensionNewRate(rate, employer), "$##,##0.00")),
                 shown);
    }

    // The employer's part is kept to 15 significant digits: 33.3 % of 1500
    // is 499.49999999999994 in binary and is kept as 499.5.
    void pensionKeepsFifteenDigits() {
        QVERIFY(1500 * 33.3 * 0.01 != 499.5);
        QCOMPARE(employerFundedMonthly(1500, 33.3), 499.5);
    }

    void pensionTooLarge() {
        QVERIFY(std::isinf(employerFundedMonthly(1e200, 1e200)));
        QVERIFY(!std::isfinite(pensionNewRate(500, employerFundedMonthly(1e200, 1e200))));
    }

    void lumpSum_data() {
        columns<QString, double, double, double, double, double, QString, QString>(
            {"begin", "amount", "rate", "totalDays", "weeks", "days", "ends", "remainder"});
        row("5000 at 400", "01/05/2004", 5000.0, 400.0, 87.0, 12.0, 3.0, "03/31/2004", "$28.57");
        row("less than a day", "01/05/2004", 100.0, 800.0, 0.0, 0.0, 0.0, "01/04/2004", "$100.00");
        row("one day exactly", "01/05/2004", 100.0, 700.0, 1.0, 0.0, 1.0, "01/05/2004", "$0.00");
        row("whole weeks", "02/25/2004", 1000.0, 500.0, 14.0, 2.0, 0.0, "03/09/2004", "$0.00");
        row("495 days exactly", "01/01/2004", 42075.0, 595.0, 495.0, 70.0, 5.0, "05/09/2005",
            "$0.00");
        row("61 days at 1 a day", "01/01/2004", 61.0, 7.0, 61.0, 8.0, 5.0, "03/01/2004", "$0.00");
        row("a cent short of a day", "01/01/2004", 84.99, 595.0, 0.0, 0.0, 0.0, "12/31/2003",
            "$84.99");
        row("last calendar day", "12/31/9999", 100.0, 700.0, 1.0, 0.0, 1.0, "12/31/9999", "$0.00");
    }
    void lumpSum() {
        QFETCH(QString, begin);
        QFETCH(double, amount);
        QFETCH(double, rate);
        QFETCH(double, totalDays);
        QFETCH(double, weeks);
        QFETCH(double, days);
        QFETCH(QString, remainder);
        const LumpSumOffset offset = lumpSumOffset(day(begin.toLatin1().constData()), amount, rate);
        QCOMPARE(offset.end, LumpSumOffset::End::OnCalendar);
        QCOMPARE(offset.totalDays, totalDays);
        QCOMPARE(offset.weeks, weeks);
        QCOMPARE(offset.days, days);
        QTEST(QString::fromStdString(Format(offset.endDate, "mm/dd/yyyy")), "ends");
        QCOMPARE(QString::fromStdString(Format(offset.remainder, "$##0.00")), remainder);
    }

    // Every amount that pays an exact number of days at a whole-dollar rate
    // buys exactly those days, and a cent less buys one day fewer.
    void exactDaysAreWholeDays() {
        int exact = 0;
        for (int rate = 1; rate <= 1500; ++rate) {
            for (int days = 1; days <= 400; ++days) {
                const long long sevenfoldCents = 100LL * rate * days;
                if (sevenfoldCents % 7 != 0) {
                    continue;  // not a whole number of cents
                }
                const double amount = static_cast<double>(sevenfoldCents / 7) / 100;
                ++exact;
                if (wholeDaysBought(amount, rate) != days) {
                    QFAIL(qPrintable(QString("%1 at %2 a week buys %3 days, not %4")
                                         .arg(amount)
                                         .arg(rate)
                                         .arg(days)
                                         .arg(wholeDaysBought(amount, rate))));
                }
                if (wholeDaysBought(amount - 0.01, rate) != days - 1) {
                    QFAIL(qPrintable(QString("%1 at %2 a week").arg(amount - 0.01).arg(rate)));
                }
            }
        }
        QVERIFY(exact > 80000);
    }

    void negativeAmountsCountBackwards() {
        const LumpSumOffset offset = lumpSumOffset(day("01/05/2004"), -100, 700);
        QCOMPARE(offset.end, LumpSumOffset::End::OnCalendar);
        QCOMPARE(offset.totalDays, -1.0);
        QCOMPARE(offset.weeks, -1.0);
        QCOMPARE(offset.days, 6.0);
        QCOMPARE(QString::fromStdString(Format(offset.endDate, "mm/dd/yyyy")),
                 QString("01/03/2004"));
    }

    void endsOffTheCalendar_data() {
        columns<int, double, double, int>({"begin", "amount", "rate", "end"});
        const int after = static_cast<int>(LumpSumOffset::End::AfterLastDate);
        const int before = static_cast<int>(LumpSumOffset::End::BeforeFirstDate);
        const int jan5 = day("01/05/2004").day;
        row("one day past 9999", kLastDate.day, 200.0, 700.0, after);
        row("huge at a tiny rate", jan5, 1e12, 0.01, after);
        row("beyond any double", jan5, 1e308, 1e-300, after);
        row("no whole day from the first date", kFirstDate.day, 10.0, 700.0, before);
        row("huge negative", jan5, -1e12, 0.01, before);
        row("beyond any double, negative", jan5, -1e308, 1e-300, before);
    }
    void endsOffTheCalendar() {
        QFETCH(int, begin);
        QFETCH(double, amount);
        QFETCH(double, rate);
        QFETCH(int, end);
        const LumpSumOffset offset = lumpSumOffset(Date{begin}, amount, rate);
        QCOMPARE(static_cast<int>(offset.end), end);
        QCOMPARE(offset.endDate, kNoDate);
    }

    // The first day of the calendar can begin an offset of one day.
    void firstCalendarDay() {
        const LumpSumOffset offset = lumpSumOffset(kFirstDate, 100, 700);
        QCOMPARE(offset.end, LumpSumOffset::End::OnCalendar);
        QCOMPARE(offset.endDate, kFirstDate);
    }
};

QTEST_MAIN(TestOffsetCalculations)
#include "test_offsetcalculations.moc"

// The period, interest and Calculate checks of the compensation-and-interest
// window, without a window: day counts, weeks and days, compensation,
// accrued and simple interest, the balance of earlier entries, and the order
// in which Calculate refuses what the fields show.
#include <QTest>

#include "interest/calculation.h"
#include "interest/calculationformcontrols.h"
#include "interest/interest.h"
#include "interest/period.h"
#include "shell/format.h"
#include "tests/support/controlnames.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;
using namespace corvell::calculationform;

namespace {

Date date(const char* text) {
    return CDate(text).value();
}

QString money(double x) {
    return QString::fromStdString(Format(x, "#,###,##0.00"));
}

// An entry as a Save leaves it, with only what the interest reads.
LedgerEntry saved(const char* end, const char* paid, double comp, double accrued, double simple,
                  double payment) {
    CalculationValues v;
    v.EndDate = date(end);
    v.PaymentDate = paid == nullptr ? kNoDate : date(paid);
    v.TotalComp = comp;
    EntryFigures f;
    f.AccruedInterest = accrued;
    f.SimpleInterest = simple;
    f.PaymentAmount = payment;
    f.TotalAmount = comp + accrued + simple;
    return makeLedgerEntry(v, f);
}

Ledger ledgerOf(std::initializer_list<LedgerEntry> entries) {
    Ledger ledger;
    for (const LedgerEntry& e : entries) {
        ledger.grow();
        ledger.StoreEntry(ledger.EntryCount(), e);
    }
    return ledger;
}

CalculationInput input(const char* begin, const char* end, const char* rate, const char* weeks = "",
                       const char* paid = "", const char* payment = "") {
    return CalculationInput{begin, end, rate, weeks, paid, payment, 0};
}

}  // namespace

class TestInterestCalc : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void period_data() {
        columns<QString, QString, double, QString, double, double, QString>(
            {"begin", "end", "rate", "totalDays", "weeks", "days", "comp"});
        row("leap year at 500", "01/01/2004", "12/31/2004", 500.0, "366", 52.0, 2.0, "26,142.86");
        row("one day at 700", "03/15/2004", "03/15/2004", 700.0, "1", 0.0, 1.0, "100.00");
        row("eight days", "01/01/2005", "01/08/2005", 700.0, "8", 1.0, 1.0, "800.00");
        row("three years", "01/01/2005", "12/30/2007", 350.0, "1,094", 156.0, 2.0, "54,700.00");
    }
    void period() {
        QFETCH(QString, begin);
        QFETCH(QString, end);
        QFETCH(double, rate);
        const PeriodFigures p = calculatePeriod(date(begin.toLatin1().constData()),
                                                date(end.toLatin1().constData()), rate);
        QTEST(QString::fromStdString(p.TotalDays), "totalDays");
        QTEST(p.Weeks, "weeks");
        QTEST(p.PartWeekDays, "days");
        QTEST(money(p.TotalComp), "comp");
    }

    void noRateNoCompensation() {
        const PeriodFigures p =
            calculatePeriod(date("01/01/2004"), date("12/31/2004"), std::nullopt);
        QCOMPARE(p.CompRate, 0.0);
        QCOMPARE(p.TotalComp, 0.0);
        QCOMPARE(p.Weeks, 52.0);
    }

    // A period given in weeks holds at least one day and at most 32767.
    void periodOfWeeks_data() {
        // days: 0 when refused
        columns<QString, int>({"weeks", "days"});
        row("10.5 weeks round to even 74", "10.5", 74);
        row("one fourteenth rounds to 0", QString::number(1.0 / 14, 'g', 17), 0);
        row("a little more gives 1", "0.08", 1);
        row("4681 weeks", "4681", 32767);
        row("4681.1 weeks", "4681.1", 0);
        row("negative", "-2", 0);
    }
    void periodOfWeeks() {
        QFETCH(QString, weeks);
        QFETCH(int, days);
        const CalculationOutcome got =
            calculate(input("01/01/2005", "", "", weeks.toLatin1().constData()), Ledger{});
        if (days == 0) {
            QCOMPARE(std::get<CalculationRefusal>(got).message,
                     std::string("Weeks must be more than 0 and at most 4681."));
        } else {
            QCOMPARE(int{std::get<Calculation>(got).Days}, days);
        }
    }

    void accruedInterest() {
        QCOMPARE(money(corvell::accruedInterest(52, 500)), QString("1,325.00"));
        QCOMPARE(money(corvell::accruedInterest(4, 500)), QString("9.62"));
        QCOMPARE(corvell::accruedInterest(0, 500), 0.0);
    }

    // The first worked example, and the entry after it with the unpaid
    // balance of the first bearing interest from its payment date.
    void workedExamples() {
        const auto first = std::get<Calculation>(calculate(
            input("01/01/2004", "12/31/2004", "500.00", "", "06/30/2005", "1000"), Ledger{}));
        QCOMPARE(first.payment, PaymentOutcome::Figured);
        QCOMPARE(first.interest.SimpleDays, 181.0);
        QCOMPARE(money(first.interest.AccruedInterest), QString("1,325.00"));
        QCOMPARE(money(first.interest.SimpleInterest), QString("1,381.02"));
        QCOMPARE(money(first.interest.TotalAmount), QString("28,848.88"));
        QCOMPARE(money(first.netAmount), QString("27,848.88"));

        const Ledger ledger =
            ledgerOf({saved("12/31/2004", "06/30/2005", first.period.TotalComp,
                            first.interest.AccruedInterest, first.interest.SimpleInterest, 1000)});
        CalculationInput next = input("01/01/2005", "01/28/2005", "500.00", "", "12/31/2005", "");
        next.CurrentEntry = 2;
        const auto second = std::get<Calculation>(calculate(next, ledger));
        QCOMPARE(money(second.interest.prior.balance), QString("27,848.88"));
        QCOMPARE(second.interest.PriorDays, 184.0);
        QCOMPARE(second.interest.SimpleDays, 337.0);
        QCOMPARE(money(second.period.TotalComp), QString("2,000.00"));
        QCOMPARE(money(second.interest.AccruedInterest), QString("9.62"));
        QCOMPARE(money(second.interest.SimpleInterest), QString("1,611.51"));
        QCOMPARE(money(second.interest.TotalAmount), QString("3,621.12"));
        QCOMPARE(money(second.netAmount), QString("3,621.12"));
    }

    void sumPriorBalance() {
        const Ledger ledger = ledgerOf({saved("01/31/2004", "02/15/2004", 1000, 10, 5, 200),
                                        saved("02/29/2004", "03/20/2004", 500, 0, 2, 0),
                                        saved("03/31/2004", "04/30/2004", 9000, 0, 0, 0)});
        const PriorBalance two = SumPriorBalance(ledger, 2);
        QCOMPARE(two.balance, 1000.0 + 10 + 5 - 200 + 500 + 2);
        QCOMPARE(two.balanceDate, date("03/20/2004"));  // entries after the second are not read
        QCOMPARE(SumPriorBalance(ledger, 0).balance, 0.0);
    }

    // The latest earlier entry has no payment date: its balance bears
    // interest from its ending date.
    void priorBalanceWithoutPaymentDate() {
        const Ledger ledger = ledgerOf({saved("01/31/2004", nullptr, 3600, 0, 0, 0)});
        QCOMPARE(SumPriorBalance(ledger, 1).balanceDate, date("01/31/2004"));
        const InterestFigures f = calculateInterest(
            InterestInput{date("02/29/2004"), date("03/01/2004"), 0, 0, 0, 2}, ledger);
        QCOMPARE(f.PriorDays, 30.0);
        QCOMPARE(money(f.SimpleInterest), QString("30.00"));  // 3600 x 0.1/360 x 30
    }

    // A balance that ran from after this payment date bears no interest.
    void priorInterestNeverRunsBackwards() {
        const Ledger ledger = ledgerOf({saved("01/31/2004", "06/30/2004", 3600, 0, 0, 0)});
        const InterestFigures f = calculateInterest(
            InterestInput{date("02/29/2004"), date("03/10/2004"), 0, 700, 2900, 2}, ledger);
        QCOMPARE(f.PriorDays, 0.0);
        QCOMPARE(f.SimpleDays, 10.0);
        QCOMPARE(money(f.SimpleInterest), QString("8.06"));  // 2900 x 0.1/360 x 10, nothing less
    }

    void paidOffBalanceBearsNoInterest() {
        const Ledger ledger = ledgerOf({saved("01/31/2004", "02/29/2004", 1000, 0, 0, 1500)});
        const InterestFigures f = calculateInterest(
            InterestInput{date("03/31/2004"), date("03/31/2004"), 4, 100, 428.57, 2}, ledger);
        QCOMPARE(f.PriorDays, 0.0);
        QCOMPARE(f.SimpleInterest, 0.0);
        QCOMPARE(f.SimpleDays, 0.0);
        QCOMPARE(f.TotalAmount, f.AccruedInterest + 428.57);
    }

    void refusalsInOrder_data() {
        columns<QString, QString, QString, QString, QString, ControlName>(
            {"begin", "end", "rate", "weeks", "message", "control"});
        row("beginning empty", "", "x", "x", "", "Beginning Date is required for any calculation.",
            txtBeginningDate);
        row("beginning not a date", "13/45/2004", "x", "x", "", "13/45/2004 is not a valid date.",
            txtBeginningDate);
        row("no ending date, no weeks", "01/01/2004", "", "500", "",
            "Ending Date or Weeks is required for any calculation.", txtEndingDate);
        row("weeks round to no day", "01/01/2004", "", "500", "0.05",
            "Weeks must be more than 0 and at most 4681.", txtWeeks);
        row("weeks beyond 4681", "01/01/2004", "", "500", "5000",
            "Weeks must be more than 0 and at most 4681.", txtWeeks);
        row("weeks past the last date", "12/01/9999", "", "500", "10",
            "The ending date would fall after 12/31/9999.", txtWeeks);
        row("ending not a date", "01/01/2004", "02/30/2004", "500", "10",
            "02/30/2004 is not a valid date.", txtEndingDate);
        row("ending before beginning", "01/01/2004", "12/31/2003", "500", "",
            "Ending date must be later than beginning date", txtEndingDate);
        row("amounts overflow", "01/01/2004", "12/31/2004", "1e308", "",
            "The amounts are too large to calculate.", txtRate);
    }
    void refusalsInOrder() {
        QFETCH(QString, begin);
        QFETCH(QString, end);
        QFETCH(QString, rate);
        QFETCH(QString, weeks);
        const CalculationOutcome outcome =
            calculate(CalculationInput{begin.toStdString(), end.toStdString(), rate.toStdString(),
                                       weeks.toStdString(), "", "", 0},
                      Ledger{});
        QVERIFY(std::holds_alternative<CalculationRefusal>(outcome));
        const auto& refusal = std::get<CalculationRefusal>(outcome);
        QTEST(QString::fromStdString(refusal.message), "message");
        QTEST(refusal.control, "control");
    }

    void endingDateFromWeeks() {
        const auto c =
            std::get<Calculation>(calculate(input("01/01/2005", "", "", "10.5"), Ledger{}));
        QVERIFY(c.endingDateFromWeeks);
        QCOMPARE(int{c.Days}, 74);
        QCOMPARE(c.EndDate, date("03/15/2005"));
        QCOMPARE(c.period.Weeks, 10.0);
        QCOMPARE(c.period.PartWeekDays, 4.0);
        const auto ten =
            std::get<Calculation>(calculate(input("01/01/2005", "", "", "10"), Ledger{}));
        QCOMPARE(ten.EndDate, date("03/11/2005"));
        // Weeks typed with a thousands separator are read whole.
        const auto many =
            std::get<Calculation>(calculate(input("01/01/2005", "", "", "1,000"), Ledger{}));
        QCOMPARE(int{many.Days}, 7000);
    }

    void amountsReadWhole() {
        const auto c = std::get<Calculation>(
            calculate(input("01/01/2004", "12/31/2004", "$1,000.00", "", "12/31/2004", "1,000.00"),
                      Ledger{}));
        QCOMPARE(c.period.CompRate, 1000.0);
        QCOMPARE(c.PaymentAmount, 1000.0);
        QCOMPARE(c.netAmount, c.interest.TotalAmount - 1000);
    }

    void shortPeriodHasOnlySimpleInterest() {
        const auto c = std::get<Calculation>(
            calculate(input("01/01/2004", "01/06/2004", "700", "", "01/31/2004", ""), Ledger{}));
        QCOMPARE(c.period.Weeks, 0.0);
        QCOMPARE(c.interest.AccruedInterest, 0.0);
        QCOMPARE(money(c.interest.SimpleInterest), QString("4.17"));  // 600 x 0.1/360 x 25
    }
};

QTEST_APPLESS_MAIN(TestInterestCalc)
#include "test_interestcalc.moc"

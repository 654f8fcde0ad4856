#include <QTest>

#include "shell/dates.h"
#include "shell/format.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;

namespace {

Date date(int y, unsigned m, unsigned d) {
    return fromCivil(CivilDate{y, m, d});
}

}  // namespace

class TestDates : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dayNumbers() {
        QCOMPARE(date(1899, 12, 30).day, 0);
        QCOMPARE(date(1899, 12, 31).day, 1);
        QCOMPARE(date(1903, 5, 18).day, 1234);
        QCOMPARE(date(2005, 1, 1).day, 38353);
        QCOMPARE(date(100, 1, 1), kFirstDate);
        QCOMPARE(date(9999, 12, 31), kLastDate);
    }

    // Every day from 1900 to 2100: the day number goes up by one, and the
    // text of a day reads back as the same day.
    void everyDayRoundTrips() {
        Date previous = date(1899, 12, 31);
        for (int y = 1900; y <= 2100; ++y) {
            for (unsigned m = 1; m <= 12; ++m) {
                for (unsigned d = 1; d <= 31; ++d) {
                    if (!isValidCivil(y, m, d)) {
                        continue;
                    }
                    const Date day = date(y, m, d);
                    if (day.day != previous.day + 1) {
                        QFAIL(qPrintable(QString("gap before %1/%2/%3").arg(m).arg(d).arg(y)));
                    }
                    const CivilDate back = toCivil(day);
                    if (back.year != y || back.month != m || back.day != d) {
                        QFAIL("day number does not convert back");
                    }
                    const std::string text = Format(day, "mm/dd/yyyy");
                    if (CDate(text) != day) {
                        QFAIL(qPrintable(QString::fromStdString(text) + " does not read back"));
                    }
                    previous = day;
                }
            }
        }
        QCOMPARE(previous, date(2100, 12, 31));
    }

    void isDate_data() {
        // expected: mm/dd/yyyy, or empty when refused
        columns<QString, QString>({"text", "expected"});
        row("full", "03/15/2004", "03/15/2004");
        row("short", "3/15/04", "03/15/2004");
        row("dashes", "3-15-2004", "03/15/2004");
        row("blanks", "3 15 2004", "03/15/2004");
        row("blanks around", "  1/5/04 ", "01/05/2004");
        row("month name", "March 15, 2004", "03/15/2004");
        row("day month year", "15-Mar-2004", "03/15/2004");
        row("abbreviated", "Mar 15 2004", "03/15/2004");
        row("abbreviation with point", "Sept. 1, 2004", "09/01/2004");
        row("century 00", "1/1/00", "01/01/2000");
        row("century 29", "12/31/29", "12/31/2029");
        row("century 30", "1/1/30", "01/01/1930");
        row("century 99", "1/1/99", "01/01/1999");
        row("leap day", "02/29/2004", "02/29/2004");
        row("leap day 2000", "2/29/2000", "02/29/2000");
        row("year 100", "1/1/100", "01/01/0100");
        row("year 9999", "12/31/9999", "12/31/9999");
        row("no leap day 1900", "2/29/1900", "");
        row("no leap day 2005", "02/29/2005", "");
        row("february 30", "02/30/2004", "");
        row("day 34", "12/34/45", "");
        row("month 13", "13/01/2004", "");
        row("day 0", "1/0/2004", "");
        row("split eight digits", "45/67/8901", "");
        row("two parts", "3/15", "");
        row("four parts", "3/15/20/04", "");
        row("number", "1234", "");
        row("empty", "", "");
        row("word", "abc", "");
        row("year 5 digits", "1/1/20045", "");
        row("three digit year below 100", "1/1/099", "");
        row("two slashes", "1//2/2004", "");
        row("time", "1/2/2004 10:00", "");
        row("unknown month", "Foo 1 2004", "");
        row("period separator", "1.2.2004", "");
    }
    void isDate() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const auto value = CDate(text.toStdString());
        QCOMPARE(IsDate(text.toStdString()), !expected.isEmpty());
        QCOMPARE(value.has_value(), !expected.isEmpty());
        if (value) {
            QCOMPARE(QString::fromStdString(Format(*value, "mm/dd/yyyy")), expected);
            QCOMPARE(DateValue(text.toStdString()), value);
        }
    }

    void arithmetic() {
        QCOMPARE(DateDiff(date(2001, 12, 31), date(2002, 1, 1)), 1);
        QCOMPARE(DateDiff(date(2002, 1, 1), date(2001, 12, 31)), -1);
        QCOMPARE(DateAdd(6, date(2004, 2, 25)), date(2004, 3, 2));
        QCOMPARE(DateAdd(-1, date(2004, 1, 5)), date(2004, 1, 4));
        QCOMPARE(DateAdd(69, date(2005, 1, 1)), date(2005, 3, 11));
        QCOMPARE(DateAdd(1, kLastDate), std::nullopt);
        QCOMPARE(DateAdd(-1, kFirstDate), std::nullopt);
        QCOMPARE(DateAdd(0, kLastDate), kLastDate);
        QCOMPARE(DateAdd(9'000'000'000LL, date(2004, 1, 1)), std::nullopt);
    }

    void shortForm() {
        QCOMPARE(QString::fromStdString(CStr(date(2005, 3, 12))), QString("3/12/2005"));
        QCOMPARE(QString::fromStdString(CStr(date(2004, 12, 1))), QString("12/1/2004"));
    }
};

QTEST_APPLESS_MAIN(TestDates)
#include "test_dates.moc"

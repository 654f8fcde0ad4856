#include <QTest>

#include "shell/datefield.h"
#include "shell/format.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;

class TestFormat : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numbers_data() {
        columns<double, QString, QString>({"value", "pattern", "expected"});
        row("comp", 26142.857142857145, "#,###,##0.00", "26,142.86");
        row("half away from zero", 2.5, "#,###", "3");
        row("zero empty", 0.0, "#,###", "");
        row("zero days", 0.0, "#####", "");
        row("zero forced", 0.0, "#,###,##0.00", "0.00");
        row("zero decimals only", 0.0, "#,###.00", ".00");
        row("half no leading zero", 0.5, "#,###.00", ".50");
        row("total days", 1095.0, "##,###", "1,095");
        row("rate field", 500.0, "###0.00", "500.00");
        row("rate no grouping", 1250.0, "###0.00", "1250.00");
        row("dollar", 384.79493087557603 + 0.005, "##,##0.00", "384.80");
        row("dollar sign", 334.1013824884793, "$##,##0.00", "$334.10");
        row("comma anywhere", 1234567.891, "$#,##,##0.00", "$1,234,567.89");
        row("comma odd place", 1234567.891, "##,###,##.00", "1,234,567.89");
        row("negative", -1234.5, "$#,##0.00", "-$1,234.50");
        row("negative rounds to zero", -0.001, "0.00", "0.00");
        row("negative small", -0.5, "#,###.00", "-.50");
        row("2.675 fifteen digits", 2.675, "0.00", "2.68");
        row("1.005", 1.005, "0.00", "1.01");
        row("carry", 999.995, "#,##0.00", "1,000.00");
        row("carry to new digit", 9.5, "0", "10");
        row("huge", 1e20, "#,##0.00", "100,000,000,000,000,000,000.00");
        row("tiny", 1e-20, "#,##0.00", "0.00");
        row("weeks", 52.142857142857146, "#,###.00", "52.14");
        row("weeks below one", 0.5, "#,###.00", ".50");
        row("digit", 4.0, "0", "4");
        row("weeks grouping", 1599.0, "#,##0", "1,599");
        row("interest", 1381.0243, "###,##0.00", "1,381.02");
        row("remainder no grouping", 1028.571, "$##0.00", "$1028.57");
        row("literal suffix", 5.0, "0 %", "5 %");
        row("day count of a date pattern", 1234.0, "mm/dd/yyyy", "05/18/1903");
    }
    void numbers() {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QTEST(QString::fromStdString(Format(value, pattern.toStdString())), "expected");
    }

    void fieldText_data() {
        columns<QString, QString, QString>({"text", "pattern", "expected"});
        row("rate", "500", "###0.00", "500.00");
        row("rate 87.5", "87.5", "###0.00", "87.50");
        row("empty stays empty", "", "###0.00", "");
        row("word unchanged", "abc", "###0.00", "abc");
        row("grouped number", "1,250", "###0.00", "1250.00");
        row("dollar number", "$1,000", "$#,##0.00", "$1,000.00");
        row("date in amount stays", "3/15/04", "###0.00", "3/15/04");
        row("short date", "3/15/04", "mm/dd/yyyy", "03/15/2004");
        row("date already full", "01/01/2005", "mm/dd/yyyy", "01/01/2005");
        row("number as day count", "1234", "mm/dd/yyyy", "05/18/1903");
        row("day count out of calendar", "99999999", "mm/dd/yyyy", "99999999");
        row("invalid date unchanged", "12/34/45", "mm/dd/yyyy", "12/34/45");
        row("empty date", "", "mm/dd/yyyy", "");
        row("upper-case date pattern", "1/2/2006", "MM/DD/YYYY", "01/02/2006");
        row("two-digit year", "1/2/2006", "mm/dd/yy", "01/02/06");
        row("blank padded number", " 500 ", "###0.00", "500.00");
    }
    void fieldText() {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(Format(text.toStdString(), pattern.toStdString())),
                 expected);
    }

    void dateCompletion_data() {
        columns<QString, QString>({"typed", "expected"});
        row("mmddyyyy", "03152004", "03/15/2004");
        row("mmddyy", "031504", "03/15/04");
        row("typed with slashes", "3/15/04", "3/15/04");
        row("five digits", "12345", "12/34/45");
        row("six digits invalid", "123456", "12/34/56");
        row("eight digits invalid", "45678901", "45/67/8901");
        row("exactly 10000", "10000", "10000");
        row("exactly 1000000", "1000000", "10/00/00");
        row("word", "abc", "abc");
        row("empty", "", "");
    }
    void dateCompletion() {
        QFETCH(QString, typed);
        QTEST(QString::fromStdString(completeDateDigits(typed.toStdString())), "expected");
    }
};

QTEST_APPLESS_MAIN(TestFormat)
#include "test_format.moc"

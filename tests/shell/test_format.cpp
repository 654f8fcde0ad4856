#include <QTest>

#include "shell/datefield.h"
#include "shell/format.h"

using namespace corvell;

class TestFormat : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numbers_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("comp") << 26142.857142857145 << "#,###,##0.00"
                              << "26,142.86";
        QTest::newRow("half away from zero") << 2.5 << "#,###"
                                             << "3";
        QTest::newRow("zero empty") << 0.0 << "#,###"
                                    << "";
        QTest::newRow("zero days") << 0.0 << "#####"
                                   << "";
        QTest::newRow("zero forced") << 0.0 << "#,###,##0.00"
                                     << "0.00";
        QTest::newRow("zero decimals only") << 0.0 << "#,###.00"
                                            << ".00";
        QTest::newRow("half no leading zero") << 0.5 << "#,###.00"
                                              << ".50";
        QTest::newRow("total days") << 1095.0 << "##,###"
                                    << "1,095";
        QTest::newRow("rate field") << 500.0 << "###0.00"
                                    << "500.00";
        QTest::newRow("rate no grouping") << 1250.0 << "###0.00"
                                          << "1250.00";
        QTest::newRow("dollar") << 384.79493087557603 + 0.005 << "##,##0.00"
                                << "384.80";
        QTest::newRow("dollar sign") << 334.1013824884793 << "$##,##0.00"
                                     << "$334.10";
        QTest::newRow("comma anywhere") << 1234567.891 << "$#,##,##0.00"
                                        << "$1,234,567.89";
        QTest::newRow("comma odd place") << 1234567.891 << "##,###,##.00"
                                         << "1,234,567.89";
        QTest::newRow("negative") << -1234.5 << "$#,##0.00"
                                  << "-$1,234.50";
        QTest::newRow("negative rounds to zero") << -0.001 << "0.00"
                                                 << "0.00";
        QTest::newRow("negative small") << -0.5 << "#,###.00"
                                        << "-.50";
        QTest::newRow("2.675 fifteen digits") << 2.675 << "0.00"
                                              << "2.68";
        QTest::newRow("1.005") << 1.005 << "0.00"
                               << "1.01";
        QTest::newRow("carry") << 999.995 << "#,##0.00"
                               << "1,000.00";
        QTest::newRow("carry to new digit") << 9.5 << "0"
                                            << "10";
        QTest::newRow("huge") << 1e20 << "#,##0.00"
                              << "100,000,000,000,000,000,000.00";
        QTest::newRow("tiny") << 1e-20 << "#,##0.00"
                              << "0.00";
        QTest::newRow("weeks") << 52.142857142857146 << "#,###.00"
                               << "52.14";
        QTest::newRow("weeks below one") << 0.5 << "#,###.00"
                                         << ".50";
        QTest::newRow("digit") << 4.0 << "0"
                               << "4";
        QTest::newRow("weeks grouping") << 1599.0 << "#,##0"
                                        << "1,599";
        QTest::newRow("interest") << 1381.0243 << "###,##0.00"
                                  << "1,381.02";
        QTest::newRow("remainder no grouping") << 1028.571 << "$##0.00"
                                               << "$1028.57";
        QTest::newRow("literal suffix") << 5.0 << "0 %"
                                        << "5 %";
        QTest::newRow("day count of a date pattern") << 1234.0 << "mm/dd/yyyy"
                                                     << "05/18/1903";
    }
    void numbers() {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(Format(value, pattern.toStdString())), expected);
    }

    void fieldText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rate") << "500"
                              << "###0.00"
                              << "500.00";
        QTest::newRow("rate 87.5") << "87.5"
                                   << "###0.00"
                                   << "87.50";
        QTest::newRow("empty stays empty") << ""
                                           << "###0.00"
                                           << "";
        QTest::newRow("word unchanged") << "abc"
                                        << "###0.00"
                                        << "abc";
        QTest::newRow("grouped number") << "1,250"
                                        << "###0.00"
                                        << "1250.00";
        QTest::newRow("dollar number") << "$1,000"
                                       << "$#,##0.00"
                                       << "$1,000.00";
        QTest::newRow("date in amount stays") << "3/15/04"
                                              << "###0.00"
                                              << "3/15/04";
        QTest::newRow("short date") << "3/15/04"
                                    << "mm/dd/yyyy"
                                    << "03/15/2004";
        QTest::newRow("date already full") << "01/01/2005"
                                           << "mm/dd/yyyy"
                                           << "01/01/2005";
        QTest::newRow("number as day count") << "1234"
                                             << "mm/dd/yyyy"
                                             << "05/18/1903";
        QTest::newRow("day count out of calendar") << "99999999"
                                                   << "mm/dd/yyyy"
                                                   << "99999999";
        QTest::newRow("invalid date unchanged") << "12/34/45"
                                                << "mm/dd/yyyy"
                                                << "12/34/45";
        QTest::newRow("empty date") << ""
                                    << "mm/dd/yyyy"
                                    << "";
        QTest::newRow("upper-case date pattern") << "1/2/2006"
                                                 << "MM/DD/YYYY"
                                                 << "01/02/2006";
        QTest::newRow("two-digit year") << "1/2/2006"
                                        << "mm/dd/yy"
                                        << "01/02/06";
        QTest::newRow("blank padded number") << " 500 "
                                             << "###0.00"
                                             << "500.00";
    }
    void fieldText() {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(Format(text.toStdString(), pattern.toStdString())),
                 expected);
    }

    void dateCompletion_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mmddyyyy") << "03152004"
                                  << "03/15/2004";
        QTest::newRow("mmddyy") << "031504"
                                << "03/15/04";
        QTest::newRow("typed with slashes") << "3/15/04"
                                            << "3/15/04";
        QTest::newRow("five digits") << "12345"
                                     << "12/34/45";
        QTest::newRow("six digits invalid") << "123456"
                                            << "12/34/56";
        QTest::newRow("eight digits invalid") << "45678901"
                                              << "45/67/8901";
        QTest::newRow("exactly 10000") << "10000"
                                       << "10000";
        QTest::newRow("exactly 1000000") << "1000000"
                                         << "10/00/00";
        QTest::newRow("word") << "abc"
                              << "abc";
        QTest::newRow("empty") << ""
                               << "";
    }
    void dateCompletion() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(completeDateDigits(typed.toStdString())), expected);
    }
};

QTEST_APPLESS_MAIN(TestFormat)
#include "test_format.moc"

#include <QTest>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "shell/daycount.h"
#include "shell/values.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::test;

class TestValues : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Weeks to days, halves to even, within the 16-bit day count.
    void daysInWeeks_data() {
        // days: 99999 when beyond the day count
        columns<double, int>({"weeks", "days"});
        row("10 weeks", 10.0, 70);
        row("age 45 male", 1599.3725, 11196);
        row("3.5 days to even 4", 0.5, 4);
        row("10.5 days to even 10", 1.5, 10);
        row("71.75 days to 72", 10.25, 72);
        row("10.5 weeks", 10.5, 74);
        row("4681 weeks", 4681.0, 32767);
        row("lowest", -32768.0 / 7, -32768);
        row("4681.08 weeks", 4681.08, 99999);
        row("4681.5 weeks", 4681.5, 99999);
        row("below the lowest", -32769.0 / 7, 99999);
        row("1e300 weeks", 1e300, 99999);
        row("no number", std::numeric_limits<double>::quiet_NaN(), 99999);
    }
    void daysInWeeks() {
        QFETCH(double, weeks);
        const std::optional<std::int16_t> got = corvell::daysInWeeks(weeks);
        QTEST(got ? int{*got} : 99999, "days");
    }

    // A nearly whole count of days is that whole day; anything else rounds down.
    void wholeDays_data() {
        columns<double, double>({"days", "whole"});
        row("42075 at 595", 42075.0 / 595 * 7, 495.0);
        row("7700 at 350", 7 * 7700.0 / 350, 154.0);
        row("a hair short of 1", 1 - 1e-13, 1.0);
        row("a real part day", 494.9, 494.0);
        row("negative part day", -1.5, -2.0);
        row("whole", 12.0, 12.0);
    }
    void wholeDays() {
        QFETCH(double, days);
        QTEST(corvell::wholeDays(days), "whole");
    }

    void val_data() {
        columns<QString, double>({"text", "expected"});
        row("empty", "", 0.0);
        row("blanks inside", "12 .5x", 12.5);
        row("letters", "abc", 0.0);
        row("thousands stop at comma", "1,250.00", 1.0);
        row("dollar sign", "$75", 0.0);
        row("negative", "-42.25", -42.25);
        row("plus sign", "+7", 7.0);
        row("tabs and line feeds", "\t1\n2", 12.0);
        row("exponent", "1.5e3", 1500.0);
        row("D exponent", "2D2", 200.0);
        row("exponent without digits", "3e", 3.0);
        row("second point stops", "1.2.3", 1.2);
        row("date text", "01/15/2005", 1.0);
        row("leading point", ".05", 0.05);
        row("overflow reads as zero", "1e999", 0.0);
        row("eight digits", "01152005", 1152005.0);
    }
    void val() {
        QFETCH(QString, text);
        QTEST(Val(text.toStdString()), "expected");
    }

    void cdbl_data() {
        columns<QString, bool, double>({"text", "accepted", "expected"});
        row("plain", "500", true, 500.0);
        row("thousands", "1,250.00", true, 1250.0);
        row("dollar", "$75", true, 75.0);
        row("dollar thousands", "$52,000", true, 52000.0);
        row("negative dollar", "-$5.50", true, -5.5);
        row("blanks around", "  87.5 ", true, 87.5);
        row("exponent", "1E3", true, 1000.0);
        row("fraction only", ".5", true, 0.5);
        row("trailing point", "5.", true, 5.0);
        row("empty", "", false, 0.0);
        row("blanks only", "   ", false, 0.0);
        row("trailing letters", "100000x", false, 0.0);
        row("word", "abc", false, 0.0);
        row("lone comma", ",", false, 0.0);
        row("leading comma", ",5", false, 0.0);
        row("double comma", "1,,2", false, 0.0);
        row("trailing comma", "12,", false, 0.0);
        row("two signs", "--5", false, 0.0);
        row("blank inside", "1 2", false, 0.0);
        row("exponent without digits", "2e", false, 0.0);
        row("overflow", "1e400", false, 0.0);
        row("largest double as shown", "1.79769313486232E+308", true,
            std::numeric_limits<double>::max());
        row("just past the largest", "1.79769313486233E+308", false, 0.0);
        row("date", "3/15/04", false, 0.0);
        row("dollar only", "$", false, 0.0);
    }
    void cdbl() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        const auto value = CDbl(text.toStdString());
        QCOMPARE(value.has_value(), accepted);
        if (accepted) {
            QTEST(*value, "expected");
        }
    }

    void fieldNumber_data() {
        // expected: NaN for text that is refused
        columns<QString, bool, double>({"text", "percentSign", "expected"});
        const double refused = std::numeric_limits<double>::quiet_NaN();
        row("thousands read whole", "1,000.00", false, 1000.0);
        row("dollar read whole", "$75", false, 75.0);
        row("rate with grouping", "1,250", false, 1250.0);
        row("exponent", " 2.5E3 ", false, 2500.0);
        row("empty", "", false, 0.0);
        row("blanks", "   ", false, 0.0);
        row("percent sign", "60%", true, 60.0);
        row("percent sign after a blank", " 60 % ", true, 60.0);
        row("percent sign where none is asked", "60%", false, refused);
        row("percent sign alone", "%", true, refused);
        row("digits after a blank", "12 .5x", false, refused);
        row("word", "abc", false, refused);
        row("letter O for zero", "1O00", false, refused);
        row("number then letters", "100000x", false, refused);
        row("largest double as shown", "1.79769313486232E+308", false,
            std::numeric_limits<double>::max());
        row("too small is 0", "1e-400", false, 0.0);
        row("1.8e308", "1.8e308", false, refused);
        row("-1e309", "-1e309", false, refused);
        row("400 digits", QString(400, '9'), false, refused);
        row("grouped, whole too large", "1,000e308", false, refused);
        row("too large then letters", "1e309x", false, refused);
    }
    void fieldNumber() {
        QFETCH(QString, text);
        QFETCH(bool, percentSign);
        QFETCH(double, expected);
        const std::optional<double> got = corvell::fieldNumber(text.toStdString(), percentSign);
        QCOMPARE(got.has_value(), !std::isnan(expected));
        if (got) {
            QCOMPARE(*got, expected);
        }
    }

    void rounding_data() {
        columns<double, double, double>({"x", "intValue", "halfEven"});
        row("2.5", 2.5, 2.0, 2.0);
        row("3.5", 3.5, 3.0, 4.0);
        row("73.5", 73.5, 73.0, 74.0);
        row("10.5", 10.5, 10.0, 10.0);
        row("-2.5", -2.5, -3.0, -2.0);
        row("-3.5", -3.5, -4.0, -4.0);
        row("-0.4", -0.4, -1.0, 0.0);
        row("71.75", 71.75, 71.0, 72.0);
        row("11195.6075", 11195.6075, 11195.0, 11196.0);
        row("0.9999999999999996", 0.9999999999999996, 0.0, 1.0);
    }
    void rounding() {
        QFETCH(double, x);
        QFETCH(double, halfEven);
        QTEST(Int(x), "intValue");
        QCOMPARE(roundHalfEven(x), halfEven);
    }

    void cintRange() {
        QCOMPARE(CInt(32767.4).value(), std::int16_t{32767});
        QCOMPARE(CInt(-32768.5).value(), std::int16_t{-32768});
        QVERIFY(!CInt(32767.5).has_value());
        QVERIFY(!CInt(-32769).has_value());
        QVERIFY(!CInt(std::numeric_limits<double>::infinity()).has_value());
        QVERIFY(!CInt(std::nan("")).has_value());
        QCOMPARE(CLng(2147483647.0).value(), 2147483647);
        QVERIFY(!CLng(2147483648.0).has_value());
        QCOMPARE(CLng(44.5).value(), 44);
        QCOMPARE(CLng(45.5).value(), 46);
    }

    void strAndCStr_data() {
        columns<double, QString, QString>({"x", "str", "cstr"});
        row("0.05", 0.05, " .05", "0.05");
        row("5", 5.0, " 5", "5");
        row("zero", 0.0, " 0", "0");
        row("negative half", -0.5, "-.5", "-0.5");
        row("weeks from dates", 365.0 / 7, " 52.1428571428571", "52.1428571428571");
        row("age weeks", 30.61 * 52.25, " 1599.3725", "1599.3725");
        row("0.1 + 0.2", 0.1 + 0.2, " .3", "0.3");
        row("15 digits", 123456789012345.0, " 123456789012345", "123456789012345");
        row("large", 1e15, " 1E+15", "1E+15");
        row("small", 0.00001, " 1E-05", "1E-05");
        row("0.0001", 0.0001, " .0001", "0.0001");
        row("negative large", -2.5e20, "-2.5E+20", "-2.5E+20");
        row("ten point five seven", 74.0 / 7, " 10.5714285714286", "10.5714285714286");
    }
    void strAndCStr() {
        QFETCH(double, x);
        QFETCH(QString, cstr);
        QTEST(QString::fromStdString(Str(x)), "str");
        QCOMPARE(QString::fromStdString(CStr(x)), cstr);
    }

    void cstrReadsBack() {
        // What is shown must read back as the value it stands for, to 15 digits.
        const double values[] = {
            0.1, 1.0 / 3, 2.0 / 3 * 1e7, 26142.857142857145, -1e-7, 9.99999999999999e14};
        for (double v : values) {
            const double back = CDbl(CStr(v)).value();
            QVERIFY2(std::fabs(back - v) <= std::fabs(v) * 1e-14, CStr(v).c_str());
        }
    }

    // Where the standard library lacks to_chars for double (the browser
    // edition's), the shortest text is built on printf: it must be the very
    // text to_chars writes, for worksheets alike in both editions.
    void shortestTextAsToChars() {
        std::vector<double> values = {0.1,
                                      1e22,
                                      1e21,
                                      1e16,
                                      1e15,
                                      123456789012345680.0,
                                      494.99999999999994,
                                      5e-324,
                                      1.7976931348623157e308,
                                      1e-6,
                                      1e-7,
                                      100,
                                      -0.0,
                                      9007199254740993.0,
                                      0.3,
                                      -2.5,
                                      1234.5,
                                      1e-5,
                                      12345678.9};
        std::mt19937_64 random(2026);
        for (int i = 0; i < 20000; ++i) {
            const std::uint64_t bits = random();
            double x;
            std::memcpy(&x, &bits, sizeof x);
            if (std::isfinite(x)) {
                values.push_back(x);
            }
            values.push_back(std::ldexp(static_cast<double>(random() % 100000), i % 80 - 40));
        }
        for (const double x : values) {
            char text[64];
            const char* end = std::to_chars(text, text + sizeof text, x).ptr;
            QCOMPARE(QString::fromStdString(shortestTextByPrintf(x)),
                     QString::fromLatin1(text, end - text));
        }
    }

    void textHelpers() {
        QCOMPARE(QString::fromStdString(Left("01152004", 2)), QString("01"));
        QCOMPARE(QString::fromStdString(Mid("01152004", 3, 2)), QString("15"));
        QCOMPARE(QString::fromStdString(Right("01152004", 4)), QString("2004"));
        QCOMPARE(QString::fromStdString(Left("1", 2)), QString("1"));
        QCOMPARE(QString::fromStdString(Mid("12", 3, 2)), QString());
        QCOMPARE(QString::fromStdString(Right("12", 4)), QString("12"));
        QCOMPARE(QString::fromStdString(UCase("m")), QString("M"));
        QCOMPARE(QString::fromStdString(std::string(trimLeft("   x "))), QString("x "));
        QCOMPARE(QString::fromStdString(std::string(trim("   x "))), QString("x"));
    }
};

QTEST_APPLESS_MAIN(TestValues)
#include "test_values.moc"

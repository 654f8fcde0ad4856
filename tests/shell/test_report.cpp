#include <QApplication>
#include <QTest>

#include "shell/report.h"
#include "shell/ui/look.h"
#include "tests/support/pdftext.h"

using namespace corvell;
using namespace corvell::report;

class TestReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ui::installFontSubstitutes(); }

    void zonesAndSeparators() {
        Document doc;
        doc.line({zone(), zone(), text("Interest Calculation")});
        doc.line({zone(), zone(), text("03-04-2026"), zone(), text("09:05:07")});
        doc.line({text("long text that runs past one zone"), zone(), text("X")});
        doc.line();
        doc.lineGoesOn({text("   From "), text("01/01/2005")});
        doc.line({text("   to  "), text("01/01/2006")});
        doc.line({text("   Present value at "), number(0.05 * 100), text("% discount")});
        doc.line({text("rate"), number(-0.5), text("|")});
        const std::vector<std::string> expected = {
            std::string(28, ' ') + "Interest Calculation",
            std::string(28, ' ') + "03-04-2026" + std::string(4, ' ') + "09:05:07",
            "long text that runs past one zone" + std::string(9, ' ') + "X",
            "",
            "   From 01/01/2005   to  01/01/2006",
            "   Present value at  5 % discount",
            "rate-.5 |",
        };
        QCOMPARE(doc.plainLines(), expected);
    }

    void lineFeedsInsideText() {
        Document doc;
        doc.line({zone(), text("Smith v. Acme\nClaim 12-345\r\nDocket 7")});
        doc.line({text("next")});
        const std::vector<std::string> expected = {std::string(14, ' ') + "Smith v. Acme",
                                                   "Claim 12-345", "Docket 7", "next"};
        QCOMPARE(doc.plainLines(), expected);
    }

    void headerHelpers() {
        Document doc = portraitReport();
        doc.line(dateTimeItems(LocalTime{2026, 3, 4, 9, 5, 7}));
        QCOMPARE(doc.statements().size(), std::size_t{5});
        QCOMPARE(std::get<SetFont>(doc.statements()[0]).name, std::string("Times New Roman"));
        QCOMPARE(std::get<SetSize>(doc.statements()[1]).points, 16.0);
        QCOMPARE(std::get<SetBold>(doc.statements()[2]).on, false);
        QCOMPARE(std::get<SetOrientation>(doc.statements()[3]).orientation, Orientation::Portrait);
        QCOMPARE(doc.plainLines().front(), std::string(28, ' ') + "03-04-2026    09:05:07");
    }

    // Zones are 14 average character widths of the current font: on a
    // fixed-pitch font they fall on the columns of the plain layout.
    void printZonesOnPaper() {
        Document doc;
        doc.font("Courier New").size(10).bold(true).orientation(Orientation::Landscape);
        doc.line({zone(), zone(), text("Title")});
        doc.line({text("A"), zone(), text("B"), zone(), text("C")});
        doc.line({text("AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"), zone(), text("D")});
        doc.lineGoesOn({text("E")});
        doc.line({text("F")});
        const test::PdfResult pdf = test::renderToPdf(doc);
        QVERIFY(pdf.rendered);
        QVERIFY(pdf.landscape);
        QCOMPARE(pdf.pages, 1);
        QCOMPARE(pdf.words.size(), 7 + 4);  // and "Page 1 of 1" at the foot
        auto find = [&](const char* t) {
            for (const test::PdfWord& w : pdf.words) {
                if (w.text == QLatin1String(t)) {
                    return w;
                }
            }
            return test::PdfWord{};
        };
        const double column = find("A").width;  // one character
        const double left = find("A").x;
        auto columnOf = [&](const char* t) { return qRound((find(t).x - left) / column); };
        QCOMPARE(columnOf("Title"), 28);
        QCOMPARE(columnOf("B"), 14);
        QCOMPARE(columnOf("C"), 28);
        QCOMPARE(columnOf("D"), 42);  // past 30 characters: the zone at 42
        QCOMPARE(columnOf("EF"), 0);  // ";" keeps the line going
        QVERIFY(find("Title").y < find("A").y);
        QVERIFY(find("D").y < find("EF").y);
    }

    void portraitTextAndFontChanges() {
        Document doc = portraitReport();
        doc.line({zone(), text("Social Security Offset Calculation")});
        doc.line(dateTimeItems(LocalTime{2026, 3, 4, 9, 5, 7}));
        doc.bold(true).underline(true).size(10);
        doc.line({text("underlined header")});
        doc.bold(false).underline(false);
        const test::PdfResult pdf = test::renderToPdf(doc);
        QVERIFY(pdf.rendered);
        QVERIFY(!pdf.landscape);
        QVERIFY(pdf.text.contains("Social Security Offset Calculation"));
        QVERIFY(pdf.text.contains("03-04-2026"));
        QVERIFY(pdf.text.contains("09:05:07"));
        QVERIFY(pdf.text.contains("underlined header"));
    }

    void fullPagesContinueOnTheNext() {
        Document doc;
        doc.font("Courier New").size(10);
        for (int i = 1; i <= 200; ++i) {
            doc.line({text("line " + std::to_string(i))});
        }
        const test::PdfResult pdf = test::renderToPdf(doc);
        QVERIFY(pdf.rendered);
        QVERIFY(pdf.pages >= 3);
        QVERIFY(pdf.text.contains("line 1\n"));
        QVERIFY(pdf.text.contains("line 200"));
        QVERIFY(pdf.text.indexOf("line 199") < pdf.text.indexOf("line 200"));
    }
};

QTEST_MAIN(TestReport)
#include "test_report.moc"

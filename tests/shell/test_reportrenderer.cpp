// Reports on paper, read back from the PDF the printer receives: long lines
// wrap without losing a character, the ledger's table steps its font down
// just enough to fit, pages are numbered and repeat the table's headings,
// copies land in one file, and the paper is Letter whatever the language,
// with margins a printer can print.
#include <QApplication>
#include <QPrinter>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "interest/ledgerlines.h"
#include "interest/ledgerreport.h"
#include "shell/report.h"
#include "shell/ui/look.h"
#include "shell/ui/printsetup.h"
#include "tests/support/pdftext.h"
#include "tests/support/rows.h"

using namespace corvell;
using namespace corvell::report;
using namespace corvell::test;

namespace {

constexpr double kHalfInch = 36;       // points
constexpr double kCourierPitch = 0.6;  // a fixed-pitch character is 0.6 of its size

const LocalTime kMoment{2026, 3, 4, 9, 5, 7};

LedgerEntry weeklyEntry(int week) {
    LedgerEntry e;
    e.BeginText = "01/01/2004";
    e.EndText = "01/07/2004";
    e.PayDateText = week % 2 == 0 ? "06/30/2005" : std::string(kNoPayDateText);
    e.PayAmountText = "1,250.00";
    e.WeeksText = std::to_string(week);
    e.DaysText = "6";
    e.RateText = "1,500.00";
    e.CompText = "123,456.78";
    e.AccruedText = "12,345.67";
    e.SimpleText = "23,456.78";
    e.TotalText = "159,259.23";
    e.PayAmount = 1250;
    e.TotalAmountValue = 159259.23;
    return e;
}

Ledger fullLedger(int entries) {
    Ledger ledger;
    for (int i = 1; i <= entries; ++i) {
        ledger.grow();
        ledger.StoreEntry(i, weeklyEntry(i));
    }
    return ledger;
}

// Totals as a Save leaves them; large ones run past ten million dollars.
LedgerTotals totals(bool large) {
    if (!large) {
        return {1250, 12345.67, 23456.78, 123456.78, 159259.23, 158009.23};
    }
    return {1234567.89, 2345678.9, 3456789.01, 12345678.9, 18147146.81, 16912578.92};
}

Document ledgerReport(int entries, bool largeTotals) {
    return buildLedgerReport(fullLedger(entries), totals(largeTotals), "Smith v. Acme Mills",
                             kMoment);
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
QString headerText() {
    return QString::fromLatin1(kReportHeader.data(), qsizetype(kReportHeader.size()));
}

QList<PdfWord> wordsOnPage(const PdfResult& pdf, int page) {
    QList<PdfWord> words;
    std::copy_if(pdf.words.begin(), pdf.words.end(), std::back_inserter(words),
                 [page](const PdfWord& w) { return w.page == page; });
    return words;
}

bool byTop(const PdfWord& a, const PdfWord& b) {
    return a.y < b.y;
}

double bottom(const QList<PdfWord>& words) {
    return std::max_element(words.begin(), words.end(), byTop)->y;
}

// The words whose top is at `y`, left to right.
QList<PdfWord> lineOf(const QList<PdfWord>& words, double y) {
    QList<PdfWord> line;
    std::copy_if(words.begin(), words.end(), std::back_inserter(line),
                 [y](const PdfWord& w) { return std::abs(w.y - y) < 0.5; });
    std::sort(line.begin(), line.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.x < b.x; });
    return line;
}

QString textOf(const QList<PdfWord>& line) {
    QStringList texts;
    for (const PdfWord& w : line) {
        texts << w.text;
    }
    return texts.join(' ');
}

// Every word inside the margins of half an inch.
void checkInsideMargins(const PdfResult& pdf) {
    QVERIFY(!pdf.words.isEmpty());
    for (const PdfWord& w : pdf.words) {
        QVERIFY2(w.x >= kHalfInch - 0.5 && w.x + w.width <= pdf.pageWidth - kHalfInch + 0.5,
                 qPrintable(w.text + " runs past a side margin"));
        QVERIFY2(w.y >= kHalfInch - 0.5 && w.y <= pdf.pageHeight - kHalfInch,
                 qPrintable(w.text + " runs past the top or bottom margin"));
    }
}

}  // namespace

class TestReportRenderer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ui::installFontSubstitutes(); }
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    // A line wider than the page wraps at a blank and goes on under the start
    // of its text: a caption under its print zone, a worksheet line under its
    // three blanks; a word longer than the line breaks where it must. Nothing
    // is lost and nothing runs past the right margin.
    void longLinesWrap_data() {
        columns<QString, bool, bool>({"caption", "zoned", "wordsWhole"});
        QString words;
        for (int i = 1; words.size() < 150; ++i) {
            words += QStringLiteral("Claimant%1 v. Employer%1, ").arg(i);
        }
        words = words.left(150).trimmed();
        row("caption of 150 characters", words, true, true);
        row("worksheet line indented by three blanks", words, false, true);
        row("one word longer than a line",
            QStringLiteral("Docket ") + QString(180, QChar('X')) + QStringLiteral(" end"), true,
            false);
    }
    void longLinesWrap() {
        QFETCH(QString, caption);
        QFETCH(bool, zoned);
        QFETCH(bool, wordsWhole);
        Document doc = portraitReport();
        doc.line({zone(), zone(), text("Present Value Calculation")});
        if (zoned) {
            doc.line({zone(), text(caption.toStdString())});
        } else {
            doc.size(11).line({text("   " + caption.toStdString())});
        }
        const PdfResult pdf = renderToPdf(doc);
        QVERIFY(pdf.rendered);
        QCOMPARE(pdf.pages, 1);
        checkInsideMargins(pdf);
        QCOMPARE(pdf.words.first().text, QString("Present"));
        const QList<PdfWord> body = pdf.words.mid(3, pdf.words.size() - 3 - 4);  // less the foot
        QString printed;
        QList<double> tops;
        double continuedLeft = pdf.pageWidth;
        for (const PdfWord& w : body) {
            printed += w.text;
            if (!tops.contains(w.y)) {
                if (!tops.isEmpty()) {
                    continuedLeft = std::min(continuedLeft, w.x);
                }
                tops << w.y;
            }
            if (wordsWhole) {
                QVERIFY2(caption.split(' ').contains(w.text), qPrintable(w.text));
            }
        }
        QCOMPARE(printed, QString(caption).remove(' '));
        QVERIFY(tops.size() >= 2);
        QVERIFY(std::abs(continuedLeft - body.first().x) < 0.5);  // under its first line
        QCOMPARE(body.first().x > kHalfInch + 50, zoned);         // the caption's own zone
        QVERIFY(body.first().x > kHalfInch + 5);                  // or the three blanks
    }

    // The ledger's table (header, entries, totals) prints in one size, the
    // largest whole step down from 10 points at which its widest line fits:
    // every line reads back whole, in its columns.
    void ledgerTableFits_data() {
        columns<QPageSize::PageSizeId, bool, bool>({"paper", "largeTotals", "steppedDown"});
        row("Letter, totals past $10M", QPageSize::Letter, true, true);
        row("Letter, small totals", QPageSize::Letter, false, true);
        row("A4, totals past $10M", QPageSize::A4, true, true);
        row("A4, small totals: 10 points fit", QPageSize::A4, false, false);
    }
    void ledgerTableFits() {
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(bool, largeTotals);
        QFETCH(bool, steppedDown);
        const Ledger ledger = fullLedger(100);
        const PdfResult pdf = renderToPdf(
            buildLedgerReport(ledger, totals(largeTotals), "Smith v. Acme Mills", kMoment), 1,
            QPageSize(paper));
        QVERIFY(pdf.rendered);
        QVERIFY(pdf.landscape);
        checkInsideMargins(pdf);

        QStringList lines = fixedPitchLines(pdf, QStringLiteral("Totals:"));
        QCOMPARE(lines.removeAll(headerText()), qsizetype(pdf.pages));
        QCOMPARE(lines.size(), 100 + 1);
        for (int i = 1; i <= 100; ++i) {
            QCOMPARE(lines.at(i - 1), q(reportEntryLine(ledger.entry(i))));
        }
        const QString totalsLine = q(reportTotalsLine(totals(largeTotals)));
        QCOMPARE(lines.last(), totalsLine);

        const auto anchor = std::find_if(pdf.words.begin(), pdf.words.end(),
                                         [](const PdfWord& w) { return w.text == "Totals:"; });
        const double points = anchor->width / 7 / kCourierPitch;
        QVERIFY2(std::abs(points - std::round(points)) < 0.05, qPrintable(QString::number(points)));
        const qsizetype widest = std::max(headerText().size(), totalsLine.size());
        const double printable = pdf.pageWidth - 2 * kHalfInch;
        QVERIFY(widest * points * kCourierPitch <= printable);
        if (steppedDown) {
            QVERIFY(std::round(points) < 10);
            QVERIFY(widest * (std::round(points) + 1) * kCourierPitch > printable);
        } else {
            QCOMPARE(std::round(points), 10.0);
        }
    }

    // Every page says "Page n of N", centred under its last line, beside the
    // case caption at the left margin, which is cut short before it would
    // reach the number; each page after the first starts with the ledger's
    // title, its caption marked as continued and its column header.
    void pagesNumberedWithHeadings_data() {
        columns<int, QString, bool>({"entries", "caption", "cutShort"});
        row("100 entries", 100, "Smith v. Acme Mills", false);
        row("2 entries on one page, no caption", 2, "", false);
        row("a caption too long for the foot", 2, QString("Smith v. Acme Mills ").repeated(20),
            true);
    }
    void pagesNumberedWithHeadings() {
        QFETCH(int, entries);
        QFETCH(QString, caption);
        QFETCH(bool, cutShort);
        const PdfResult pdf =
            renderToPdf(ledgerReport(entries, false).pageCaption(caption.toStdString()));
        QVERIFY(pdf.rendered);
        QCOMPARE(pdf.pages > 1, entries > 2);
        for (int page = 1; page <= pdf.pages; ++page) {
            const QList<PdfWord> words = wordsOnPage(pdf, page);
            QList<PdfWord> footer = lineOf(words, bottom(words));
            QVERIFY(footer.size() >= 4);
            const QList<PdfWord> number = footer.mid(footer.size() - 4);
            QCOMPARE(textOf(number), QStringLiteral("Page %1 of %2").arg(page).arg(pdf.pages));
            const double middle = (number.first().x + number.last().x + number.last().width) / 2;
            QVERIFY(std::abs(middle - pdf.pageWidth / 2) < 1);

            footer.resize(footer.size() - 4);
            const QString shown = textOf(footer);
            if (cutShort) {
                QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
                QVERIFY(caption.startsWith(shown.chopped(1)));
                QVERIFY(footer.last().x + footer.last().width < number.first().x - 10);
            } else {
                QCOMPARE(shown, caption);
            }
            if (!footer.isEmpty()) {
                QVERIFY(std::abs(footer.first().x - kHalfInch) < 0.5);
            }
            QVERIFY(words.size() > footer.size() + number.size());
            if (page > 1) {
                QList<double> tops;
                for (const PdfWord& w : words) {
                    if (!tops.contains(w.y)) {
                        tops << w.y;
                    }
                }
                std::sort(tops.begin(), tops.end());
                QCOMPARE(textOf(lineOf(words, tops.at(0))), QString("Interest Calculation"));
                QCOMPARE(textOf(lineOf(words, tops.at(1))),
                         QString("Smith v. Acme Mills (continued)"));
                QCOMPARE(textOf(lineOf(words, tops.at(2))), headerText().simplified());
            }
        }
        QCOMPARE(fixedPitchLines(pdf, "Totals:").count(headerText()), qsizetype(pdf.pages));
        QCOMPARE(pdf.text.count("(continued)"), qsizetype(pdf.pages - 1));
    }

    // Copies to a PDF file go into the one file, in order, each copy
    // numbered on its own.
    void copiesInOneFile_data() {
        QTest::addColumn<int>("copies");
        row("two copies", 2);
        row("three copies", 3);
    }
    void copiesInOneFile() {
        QFETCH(int, copies);
        const Document doc = ledgerReport(100, true);
        const PdfResult one = renderToPdf(doc);
        const PdfResult many = renderToPdf(doc, copies);
        QVERIFY(one.rendered && many.rendered);
        QVERIFY(one.pages > 1);
        QCOMPARE(many.pages, copies * one.pages);
        const QStringList pages = many.text.split(QChar('\f'));
        const QStringList onePages = one.text.split(QChar('\f'));
        for (int page = 0; page < many.pages; ++page) {
            QCOMPARE(pages.at(page), onePages.at(page % one.pages));
        }
        QVERIFY(pages.at(one.pages).contains(QStringLiteral("Page 1 of %1").arg(one.pages)));
    }

    // The paper is Letter whatever the language, turned for the ledger; the
    // margins are at least half an inch on every side.
    void paperAndMargins_data() {
        // page: points, as the PDF holds it
        columns<QLocale, bool, QSizeF>({"locale", "ledger", "page"});
        const QSizeF letter(612, 792);
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        row("US English, portrait report", us, false, letter);
        row("US English, ledger", us, true, letter.transposed());
        row("German, portrait report", QLocale(QLocale::German, QLocale::Germany), false, letter);
        row("German, ledger", QLocale(QLocale::German, QLocale::Germany), true,
            letter.transposed());
        row("British English", QLocale(QLocale::English, QLocale::UnitedKingdom), false, letter);
    }
    void paperAndMargins() {
        QFETCH(QLocale, locale);
        QFETCH(bool, ledger);
        QFETCH(QSizeF, page);
        QLocale::setDefault(locale);
        Document doc = portraitReport();
        doc.line({zone(), zone(), text("Lump Sum Offset Calculation")});
        doc.line(dateTimeItems(kMoment));
        doc.line({zone(), text("Smith v. Acme Mills")});
        const PdfResult pdf = renderToPdf(ledger ? ledgerReport(2, false) : doc);
        QVERIFY(pdf.rendered);
        QVERIFY(std::abs(pdf.pageWidth - page.width()) < 1);
        QVERIFY(std::abs(pdf.pageHeight - page.height()) < 1);
        checkInsideMargins(pdf);

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        ui::preparePrinter(printer);
        const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Point);
        for (double side : {margins.left(), margins.top(), margins.right(), margins.bottom()}) {
            QVERIFY(side >= kHalfInch - 0.01);
        }
    }
};

QTEST_MAIN(TestReportRenderer)
#include "test_reportrenderer.moc"

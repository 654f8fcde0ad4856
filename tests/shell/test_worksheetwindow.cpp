// "How was this calculated?" on the calculator windows: F1 and Help show the
// worksheet of the window's last Calculate in a window of its own beside it,
// read-only and kept up to date; File > Export Worksheet PDF... writes the
// window's report and then its worksheet, from a new page, into one PDF
// whose pages are numbered through the whole file.
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include "claim/claim.h"
#include "interest/calculationformcontrols.h"
#include "interest/ui/calculationform.h"
#include "offsets/frmsocialsecuritycontrols.h"
#include "shell/ui/formwindow.h"
#include "shell/ui/worksheetwindow.h"
#include "tests/support/pdftext.h"
#include "tests/support/windowtest.h"
#include "tests/support/workedexample.h"

using namespace corvell;
using namespace corvell::test;
namespace menu = corvell::ui::menu;

namespace {

ui::WorksheetWindow* worksheetWindow(QWidget& window) {
    return window.findChild<ui::WorksheetWindow*>(QStringLiteral("WorksheetWindow"));
}

// The lines of the pages without their feet.
QStringList pageLines(const QString& text) {
    return simplifiedLines(bodyLines(text));
}

}  // namespace

class TestWorksheetWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // F1 in a field shows the worksheet without blocking the window; it
    // follows every command, and Help shows it again once closed.
    void f1AndHelpShowTheWorksheet() {
        using namespace frmsocialsecurity;
        WindowTest t;
        QWidget& w = t.open(WindowId::frmSocialSecurity);
        QVERIFY(worksheetWindow(w) == nullptr);
        control(w, txtSocialSecurity)->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(focused(), Qt::Key_F1);
        ui::WorksheetWindow* sheet = worksheetWindow(w);
        QVERIFY(sheet != nullptr);
        QVERIFY(sheet->isVisible());
        QVERIFY(!sheet->isModal());
        QVERIFY(sheet->text().endsWith("No calculation yet: press Calculate.\n"));
        auto* text = sheet->findChild<QTextEdit*>(QStringLiteral("txtWorksheet"));
        QVERIFY(text->isReadOnly());

        type(w, txtSocialSecurity, "1000");
        typeAndLeave(w, txtRate, "500", cmdSSClear);
        click(w, cmdSSCalculate);
        QVERIFY(
            sheet->text().contains("Weekly social security = 1,000 / 4.34 = 230.414746543779\n"));
        QVERIFY(sheet->text().endsWith("New Weekly Rate: 384.80\n"));
        QCOMPARE(text->toPlainText(), sheet->text());

        sheet->hide();
        command(w, menu::mnuWorksheet)->trigger();
        QCOMPARE(worksheetWindow(w), sheet);
        QVERIFY(sheet->isVisible());
        QVERIFY(sheet->text().endsWith("New Weekly Rate: 384.80\n"));
        QVERIFY(t.dialogs.messages.empty());
    }

    // A line too long for the window wraps and goes on under its first
    // character, past the blanks that indent it, which copying keeps.
    void wrappedLinesKeepTheirIndent() {
        using namespace frmsocialsecurity;
        WindowTest t;
        QWidget& w = t.open(WindowId::frmSocialSecurity);
        type(w, txtSocialSecurity, "1000");
        typeAndLeave(w, txtRate, "500", cmdSSClear);
        click(w, cmdSSCalculate);
        command(w, menu::mnuWorksheet)->trigger();
        ui::WorksheetWindow* sheet = worksheetWindow(w);
        sheet->resize(300, 400);
        QVERIFY(sheet->text().contains("\n   Weekly social security = 1,000 / 4.34"));
        QTextDocument* document =
            sheet->findChild<QTextEdit*>(QStringLiteral("txtWorksheet"))->document();
        document->documentLayout()->documentSize();  // lays every line out
        int wrapped = 0;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            const QTextLayout* layout = block.layout();
            if (!block.text().startsWith("   ") || layout->lineCount() < 2) {
                continue;
            }
            ++wrapped;
            const double textStart = layout->lineAt(0).cursorToX(3);
            QVERIFY(textStart > 10);
            for (int line = 1; line < layout->lineCount(); ++line) {
                QCOMPARE(layout->lineAt(line).x(), textStart);
            }
        }
        QVERIFY(wrapped > 2);
    }

    // A full ledger's worksheet stays short enough to attach: the report and
    // the worksheet of a hundred entries take at most forty pages.
    void aFullLedgerWorksheetIsShort() {
        WindowTest t;
        QTemporaryDir dir;
        QFile file(QFINDTESTDATA("../claim/fixtures/v1/ledger-100-entries.claim"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(openClaimFile(t.claim, file.readAll().toStdString()), std::nullopt);
        QWidget& w = t.open(WindowId::CalculationForm);
        t.dialogs.saveAs = dir.filePath("worksheet.pdf");
        command(w, menu::mnuExportWorksheetPdf)->trigger();
        const PdfResult pdf = readPdf(*t.dialogs.saveAs);
        QVERIFY(pdf.rendered);
        QVERIFY2(pdf.pages <= 40, qPrintable(QString::number(pdf.pages) + " pages"));
        QVERIFY(pdf.text.contains(QString("Page %1 of %1").arg(pdf.pages)));
        // Each entry ran on the balance the entries before it leave now.
        QVERIFY(!pdf.text.contains("saved again"));
    }

    // The ledger's two worked entries: the report as Export PDF... writes it
    // on its landscape page, then on portrait pages each entry's worksheet and
    // how the totals add up, as the worksheet document itself prints.
    void exportWritesTheReportThenItsWorksheet() {
        using namespace calculationform;
        WindowTest t;
        QTemporaryDir dir;
        QWidget& w = t.open(WindowId::CalculationForm);
        saveWorkedExample(w, "Smith v. Acme Mills", true);

        t.dialogs.saveAs = dir.filePath("report.pdf");
        command(w, menu::mnuExportPdf)->trigger();
        const PdfResult report = readPdf(*t.dialogs.saveAs);
        t.dialogs.saveAs = dir.filePath("worksheet.pdf");
        command(w, menu::mnuExportWorksheetPdf)->trigger();
        QCOMPARE(t.dialogs.proposedFiles.size(), std::size_t{2});
        QCOMPARE(QFileInfo(t.dialogs.proposedFiles[1]).fileName(),
                 QString("Interest Calculation Worksheet - Smith v. Acme Mills - 2026-03-04.pdf"));
        QVERIFY(t.dialogs.messages.empty());

        const PdfResult pdf = readPdf(*t.dialogs.saveAs);
        QVERIFY(pdf.rendered);
        QCOMPARE(report.pages, 1);
        QVERIFY(pdf.pages > 2);
        QCOMPARE(pdf.pagesLandscape.size(), pdf.pages);
        QVERIFY(pdf.pagesLandscape[0]);
        QCOMPARE(pdf.pagesLandscape.count(true), 1);
        // One numbering through the file, each page with the case caption.
        QCOMPARE(pageFeet(report.text), QStringList{"Smith v. Acme Mills Page 1 of 1"});
        QStringList feet;
        for (int page = 1; page <= pdf.pages; ++page) {
            feet << QStringLiteral("Smith v. Acme Mills Page %1 of %2").arg(page).arg(pdf.pages);
        }
        QCOMPARE(pageFeet(pdf.text), feet);
        QCOMPARE(pdf.title, QString("Interest Calculation Worksheet - Smith v. Acme Mills - "
                                    "2026-03-04"));
        const qsizetype reportEnd = pdf.text.indexOf('\f');
        QCOMPARE(pageLines(pdf.text.left(reportEnd)), pageLines(report.text));

        const std::optional<Worksheet> sheet =
            static_cast<ui::CalculationForm&>(w).model().reportWorksheet();
        QVERIFY(sheet.has_value());
        const QStringList worksheet = pageLines(pdf.text.mid(reportEnd + 1));
        QCOMPARE(worksheet,
                 simplifiedLines(pdfLines(sheet->document("Smith v. Acme Mills", t.now))));
        // Long lines wrap on paper.
        const QString joined = worksheet.join(' ');
        for (const char* line :
             {"Interest Calculation: how the ledger was calculated", "03-04-2026 09:05:07",
              "Entry 2: 01/01/2005 to 01/28/2005", "(unrounded), shown 3,621.12",
              "Simple Days shown = 337 + 184 = 521",
              "Panel totals line: Totals: Payments=$1,000.00 Accrued=$1,334.62 "
              "Simple=$2,992.53 Comp=$28,142.86 Amount=32,470.00 Net=$31,470.00"}) {
            QVERIFY2(joined.contains(line), line);
        }
    }
};

QTEST_MAIN(TestWorksheetWindow)
#include "test_worksheetwindow.moc"

// The menus of every window and the three ways a report leaves a window:
// Print..., Print Preview... and Export PDF... each run the window's own
// Print handler, refuse as it refuses, and put out the same pages; an export
// writes the report made after its file dialog, or nothing at all; the print
// system's refusal or paused printer is told; and each window keeps print
// settings of its own, on Letter unless the operator chose other paper.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "interest/calculationformcontrols.h"
#include "offsets/frmsocialsecuritycontrols.h"
#include "shell/ui/formwindow.h"
#include "tests/support/pdftext.h"
#include "tests/support/rows.h"
#include "tests/support/windowtest.h"
#include "tests/support/workedexample.h"

using namespace corvell;
using namespace corvell::test;
namespace menu = corvell::ui::menu;

Q_DECLARE_METATYPE(corvell::WindowId)

namespace {

constexpr const char* kUnsaved = "You must save the present entry before printing!";

void calculateOffset(QWidget& w) {
    using namespace frmsocialsecurity;
    typeAll(w, {txtCaseCaption, txtSocialSecurity}, {"Smith v. Acme Mills", "1000"});
    typeAndLeave(w, txtRate, "500", cmdSSClear);
    click(w, cmdSSCalculate);
}

// A window with a report ready to print.
QWidget& readyToPrint(WindowTest& t, WindowId id) {
    QWidget& w = t.open(id);
    if (id == WindowId::CalculationForm) {
        saveWorkedExample(w, "Smith v. Acme Mills\nClaim 04-1187", false);
    } else {
        calculateOffset(w);
    }
    return w;
}

// The entries of a menu as the operator reads them: text and shortcut, "-"
// for a separator.
QStringList menuEntries(QWidget& window, ControlName name) {
    QStringList entries;
    for (const QAction* a : window.findChild<QMenu*>(qtName(name))->actions()) {
        QString entry = a->isSeparator() ? QString("-") : a->text().remove('&');
        if (!a->shortcut().isEmpty()) {
            entry += " " + a->shortcut().toString();
        }
        entries << entry;
    }
    return entries;
}

QStringList textLines(const QString& text) {
    return simplifiedLines(text.split(QRegularExpression(QStringLiteral("[\n\f]"))));
}

QStringList filesIn(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// Opens the printer dialog and reads the file it proposes for printing to a
// file, then cancels it.
QString proposedByPrinterDialog(ui::SystemDialogs& dialogs, const ui::PrintRequest& request) {
    QString shown = QStringLiteral("(no dialog)");
    QTimer::singleShot(0, qApp, [&shown] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) {
                shown = file->text();
            }
            dialog->reject();
        }
    });
    dialogs.choosePrinter(nullptr, request);
    return shown;
}

// Opens the printer dialog on the window's printer, turns it to other paper
// and prints: the operator picks the paper in the printer's properties, or
// else the dialog turns the printer to it by itself, as Qt's page setup does
// to a queue's default paper. False when the dialog would not print or had
// no such paper.
bool printOnOtherPaper(ui::SystemDialogs& dialogs, const ui::PrintRequest& request,
                       QPageSize::PageSizeId paper, bool byOperator) {
    bool turned = !byOperator;
    QTimer::singleShot(0, qApp, [&dialogs, &request, &turned, paper, byOperator] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!byOperator) {
            dialogs.printer(request.window).setPageSize(QPageSize(paper));
            dialog->accept();
            return;
        }
        QTimer::singleShot(0, qApp, [&turned, paper] {
            auto* page = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            auto* sizes = page->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
            // Listed under the printer's own names, each with its paper.
            for (int i = 0; i < sizes->count() && !turned; ++i) {
                if (sizes->itemData(i).value<QPageSize>().id() == paper) {
                    sizes->setCurrentIndex(i);
                    turned = true;
                }
            }
            page->accept();
        });
        dialog->findChild<QPushButton*>(QStringLiteral("properties"))->click();
        dialog->accept();
    });
    return dialogs.choosePrinter(nullptr, request).has_value() && turned;
}

}  // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    // Each window is a main window whose controls sit in the client area
    // under its menus: File, Edit on the interest window alone, a
    // calculator's own menu named after it, Help. Every File menu holds the
    // claim's commands; a calculator's prints; the main menu's does not.
    // Close does what the window's Close button does.
    void menus() {
        WindowTest t;
        QWidget& begin = t.open(WindowId::BeginForm);
        for (WindowId id :
             {WindowId::BeginForm, WindowId::CalculationForm, WindowId::frmPresentValue,
              WindowId::frmSocialSecurity, WindowId::FrmPension, WindowId::frmOffset,
              WindowId::frmCommutation, WindowId::frmSubrogation}) {
            QWidget& w = t.open(id);
            auto* frame = qobject_cast<QMainWindow*>(&w);
            QVERIFY(frame != nullptr);
            QCOMPARE(frame->centralWidget(), &ui::clientArea(w));
            QStringList bar;
            for (const QAction* a : frame->menuBar()->actions()) {
                bar << a->text();
            }
            const bool interest = id == WindowId::CalculationForm;
            const QString own = "&" + QString::fromUtf8(navigationCaption(id).data());
            QCOMPARE(bar, (interest                    ? QStringList{"&File", "&Edit", own, "&Help"}
                           : id == WindowId::BeginForm ? QStringList{"&File", "&Help"}
                                                       : QStringList{"&File", own, "&Help"}));
            QCOMPARE(w.findChild<QMenu*>(qtName(menu::mnuFile))->menuAction(),
                     frame->menuBar()->actions().front());

            const QStringList claim = {
                "New Claim Ctrl+N",  "Open Claim... Ctrl+O",          "Open Recent",
                "Save Claim Ctrl+S", "Save Claim As... Ctrl+Shift+S", "-"};
            const QStringList printing = {"Print Preview...", "Export PDF... Ctrl+Shift+E",
                                          "Export Worksheet PDF...", "Print... Ctrl+P", "-"};
            const QStringList file =
                id == WindowId::BeginForm
                    ? claim + QStringList{"Close Ctrl+W", "Quit Ctrl+Q"}
                    : claim +
                          (interest ? QStringList{"Export Ledger as CSV...", "-"} : QStringList{}) +
                          printing + QStringList{"Close Ctrl+W", "Quit Ctrl+Q"};
            QCOMPARE(menuEntries(w, menu::mnuFile), file);
            const QStringList help = {"Keyboard Shortcuts", "-", "About Corvell's Calculator"};
            QCOMPARE(menuEntries(w, menu::mnuHelp),
                     (id == WindowId::BeginForm
                          ? help
                          : QStringList{"How Was This Calculated? F1", "-"} + help));
            if (interest) {
                QCOMPARE(menuEntries(w, menu::mnuEdit),
                         (QStringList{"Undo Clear Ctrl+Z", "Copy Ledger"}));
            }
            if (id != WindowId::BeginForm) {
                QCOMPARE(menuEntries(w, menu::mnuCalculator),
                         (interest ? QStringList{"Calculate Ctrl+Return", "Save Entry Ctrl+L",
                                                 "Next Entry Ctrl+T", "Clear Ctrl+Shift+Del"}
                                   : QStringList{"Calculate Ctrl+Return", "Clear Ctrl+Shift+Del"}));
            }
            if (id != WindowId::BeginForm) {
                command(w, menu::mnuClose)->trigger();
                QVERIFY(!w.isVisible());
                QVERIFY(begin.isVisible());
            }
        }
        QCOMPARE(t.quitCalls, 0);
        command(begin, menu::mnuClose)->trigger();
        QCOMPARE(t.quitCalls, 1);
    }

    // A menu command runs the Print button's handler: while the button is
    // disabled the command is too, and the ledger's refusal of an unsaved
    // entry stops it before any dialog, as it stops the button.
    void commandsRefuseAsPrintDoes_data() {
        QTest::addColumn<ControlName>("name");
        row("Print Preview...", menu::mnuPrintPreview);
        row("Export PDF...", menu::mnuExportPdf);
        row("Export Worksheet PDF...", menu::mnuExportWorksheetPdf);
        row("Print...", menu::mnuPrint);
    }
    void commandsRefuseAsPrintDoes() {
        QFETCH(ControlName, name);
        WindowTest t;
        QTemporaryDir dir;
        t.dialogs.saveAs = dir.filePath("ledger.pdf");
        QWidget& w = t.open(WindowId::CalculationForm);
        QAction* action = command(w, name);
        QVERIFY(!action->isEnabled());
        action->trigger();
        saveWorkedExample(w, "Smith v. Acme Mills\nClaim 04-1187", false);
        QVERIFY(action->isEnabled());
        click(w, calculationform::cmdNextEntry);
        click(w, calculationform::cmdPrint);
        QCOMPARE(t.dialogs.lastMessage(), QString(kUnsaved));
        t.dialogs.clear();

        action->trigger();
        QCOMPARE(t.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(t.dialogs.lastMessage(), QString(kUnsaved));
        QCOMPARE(t.dialogs.messages[0].title, QString("Calculate"));
        QCOMPARE(t.dialogs.printerDialogs, 0);
        QVERIFY(t.dialogs.previewRequests.empty());
        QVERIFY(t.dialogs.proposedFiles.empty());
        QVERIFY(filesIn(dir).isEmpty());
    }

    // Export PDF proposes the report's file in the Documents folder, then
    // writes one copy of the report as made once the file was chosen: the
    // text the printer would get at that moment, on the report's paper.
    void exportWritesTheReportMadeAfterTheDialog() {
        WindowTest t;
        QTemporaryDir dir;
        t.dialogs.saveAs = dir.filePath("ledger.pdf");
        t.dialogs.whileFileDialogOpen = [&t] { t.now.minute += 1; };
        t.dialogs.copies = 3;
        QWidget& w = readyToPrint(t, WindowId::CalculationForm);
        command(w, menu::mnuExportPdf)->trigger();

        QCOMPARE(t.dialogs.proposedFiles.size(), std::size_t{1});
        const QFileInfo proposed(t.dialogs.proposedFiles[0]);
        QCOMPARE(proposed.fileName(),
                 QString("Interest Calculation - Smith v. Acme Mills - 2026-03-04.pdf"));
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(proposed.absolutePath(), QDir(documents).exists() ? documents : QDir::homePath());
        QVERIFY(t.dialogs.messages.empty());
        QCOMPARE(t.dialogs.printerDialogs, 0);

        const PdfResult pdf = readPdf(*t.dialogs.saveAs);
        QVERIFY(pdf.rendered);
        QVERIFY(pdf.landscape);
        QCOMPARE(pdf.pages, 1);
        QVERIFY(pdf.text.contains("09:06:07"));
        // Titled by the name proposed, not the one saved under.
        QCOMPARE(pdf.title, QString("Interest Calculation - Smith v. Acme Mills - 2026-03-04"));
        click(w, calculationform::cmdPrint);  // the same report, on the printer, at 09:06:07
        QCOMPARE(t.dialogs.printed.size(), std::size_t{3});
        QCOMPARE(textLines(pdf.text), textLines(renderToPdf(t.dialogs.printed[0]).text));
        QCOMPARE(filesIn(dir), QStringList{"ledger.pdf"});
    }

    // A file that cannot be written leaves nothing behind, says which file
    // and why, and leaves what was there as it was.
    void unwritableTargetLeavesNothing_data() {
        QTest::addColumn<QString>("target");  // in the temporary folder
        row("inside a regular file", "notes.txt/report.pdf");
        row("the name of a folder", "reports.pdf");
    }
    void unwritableTargetLeavesNothing() {
        QFETCH(QString, target);
        QTemporaryDir dir;
        QFile notes(dir.filePath("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("kept");
        notes.close();
        QVERIFY(QDir(dir.path()).mkdir("reports.pdf"));
        const QStringList before = filesIn(dir);
        WindowTest t;
        t.dialogs.saveAs = dir.filePath(target);
        QWidget& w = readyToPrint(t, WindowId::frmSocialSecurity);
        command(w, menu::mnuExportPdf)->trigger();

        QCOMPARE(t.dialogs.messages.size(), std::size_t{1});
        const QString message = t.dialogs.lastMessage();
        const QString start = "Could not save the report as " + dir.filePath(target) + ": ";
        QVERIFY2(
            message.startsWith(start) && message.endsWith('.') && message.size() > start.size() + 1,
            qPrintable(message));
        QCOMPARE(filesIn(dir), before);
        QVERIFY(QDir(dir.filePath("reports.pdf")).isEmpty());
        QVERIFY(notes.open(QIODevice::ReadOnly));
        QCOMPARE(notes.readAll(), QByteArray("kept"));
    }

    // The preview runs the Print handler and draws the very pages an export
    // writes; printing from it prints the ledger's copies, once any other
    // report.
    void previewDrawsWhatExportWrites_data() {
        // printedCopies: of 2 asked for
        columns<WindowId, int>({"window", "printedCopies"});
        row("ledger", WindowId::CalculationForm, 2);
        row("social security", WindowId::frmSocialSecurity, 1);
    }
    void previewDrawsWhatExportWrites() {
        QFETCH(WindowId, window);
        QFETCH(int, printedCopies);
        WindowTest t;
        QTemporaryDir dir;
        t.dialogs.saveAs = dir.filePath("report.pdf");
        t.dialogs.printFromPreview = 2;
        QWidget& w = readyToPrint(t, window);
        command(w, menu::mnuPrintPreview)->trigger();
        QCOMPARE(t.dialogs.previewRequests.size(), std::size_t{1});
        QCOMPARE(t.dialogs.previewRequests[0].window, window);
        QVERIFY(t.dialogs.previewRequests[0].proposedFile.endsWith(
            " - Smith v. Acme Mills - 2026-03-04.pdf"));
        const PdfResult& previewed = t.dialogs.previewed;
        QVERIFY(previewed.rendered);

        command(w, menu::mnuExportPdf)->trigger();
        const PdfResult exported = readPdf(*t.dialogs.saveAs);
        QCOMPARE(previewed.pages, exported.pages);
        QCOMPARE(previewed.landscape, exported.landscape);
        QCOMPARE(t.dialogs.previewRequests[0].orientation == report::Orientation::Landscape,
                 window == WindowId::CalculationForm);
        QCOMPARE(previewed.text, exported.text);
        QCOMPARE(t.dialogs.printedFromPreview.pages, printedCopies * previewed.pages);
        QVERIFY(t.dialogs.messages.empty());
    }

    // What the print system makes of the report once the dialog let it go:
    // a refusal is told and nothing printed; a paused printer takes the
    // report, and the operator is told it waits. From the preview alike.
    void printSystemAnswers_data() {
        columns<ControlName, bool, QString>({"name", "refused", "message"});
        const QString refusal = "The printer did not accept the report: Rejecting Jobs.";
        const QString waiting = "The report is waiting: the printer Office is paused.";
        row("refused", menu::mnuPrint, true, refusal);
        row("paused", menu::mnuPrint, false, waiting);
        row("refused from the preview", menu::mnuPrintPreview, true, refusal);
        row("paused from the preview", menu::mnuPrintPreview, false, waiting);
    }
    void printSystemAnswers() {
        QFETCH(ControlName, name);
        QFETCH(bool, refused);
        WindowTest t;
        t.dialogs.copies = 2;
        t.dialogs.printFromPreview = 2;
        t.dialogs.printSystem =
            refused ? PrintOutcome{PrintOutcome::Result::Refused, "Rejecting Jobs", ""}
                    : PrintOutcome{PrintOutcome::Result::Waiting, "", "Office"};
        QWidget& w = readyToPrint(t, WindowId::CalculationForm);
        command(w, name)->trigger();
        const bool printed = name == menu::mnuPrint ? t.dialogs.printed.size() == 2
                                                    : t.dialogs.printedFromPreview.rendered;
        QCOMPARE(printed, !refused);
        QCOMPARE(t.dialogs.messages.size(), std::size_t{1});
        QTEST(t.dialogs.lastMessage(), "message");
        QCOMPARE(t.dialogs.messages[0].title, QString("Corvell's Calculator"));
    }

    // Letter whatever the system's language: on the window's printer, which
    // prints and previews, and so for an export.
    void letterWhateverTheLanguage_data() {
        columns<QLocale>({"locale"});
        row("British English", QLocale(QLocale::English, QLocale::UnitedKingdom));
        row("German", QLocale(QLocale::German, QLocale::Germany));
        row("C", QLocale::c());
    }
    void letterWhateverTheLanguage() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        QTemporaryDir dir;
        QSettings settings(dir.filePath("settings.conf"), QSettings::IniFormat);
        ui::SystemDialogs dialogs(settings);
        QCOMPARE(dialogs.pageLayout(WindowId::frmSocialSecurity).pageSize().id(),
                 QPageSize::Letter);
    }

    // Paper the operator chose in a window's printer dialog stays that
    // window's, in a later run too; the other windows keep Letter, and the
    // next report turns the page as it needs. Paper the dialog turned to by
    // itself is not the operator's: the window keeps its own.
    void chosenPaperOutlivesTheRun_data() {
        columns<bool, QPageSize::PageSizeId>({"byOperator", "kept"});
        row("picked in the printer's properties", true, QPageSize::Legal);
        row("turned to by the dialog", false, QPageSize::Letter);
    }
    void chosenPaperOutlivesTheRun() {
        QFETCH(bool, byOperator);
        QFETCH(QPageSize::PageSizeId, kept);
        QTemporaryDir dir;
        const QString file = dir.filePath("settings.conf");
        {
            QSettings settings(file, QSettings::IniFormat);
            ui::SystemDialogs dialogs(settings);
            QVERIFY(printOnOtherPaper(
                dialogs,
                {WindowId::frmPresentValue, report::Orientation::Landscape, dir.filePath("pv.pdf")},
                QPageSize::Legal, byOperator));
            QCOMPARE(dialogs.pageLayout(WindowId::frmPresentValue).pageSize().id(), kept);
        }
        QSettings settings(file, QSettings::IniFormat);
        ui::SystemDialogs later(settings);
        QCOMPARE(later.pageLayout(WindowId::frmPresentValue).pageSize().id(), kept);
        QCOMPARE(later.pageLayout(WindowId::frmPresentValue).orientation(), QPageLayout::Portrait);
        QCOMPARE(later.pageLayout(WindowId::CalculationForm).pageSize().id(), QPageSize::Letter);
    }

    // Two windows, two sets of print settings: the ledger's printer turned to
    // landscape and printing to a file leaves the present value window's
    // printer portrait, on its own paper, proposing its own report's file.
    void eachWindowKeepsItsPrintSettings() {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("settings.conf"), QSettings::IniFormat);
        ui::SystemDialogs dialogs(settings);
        const QString ledgerFile = dir.filePath("ledger.pdf");
        QPrinter& ledger = dialogs.printer(WindowId::CalculationForm);
        QPrinter& presentValue = dialogs.printer(WindowId::frmPresentValue);
        QVERIFY(&ledger != &presentValue);
        ledger.setOutputFormat(QPrinter::PdfFormat);
        ledger.setOutputFileName(ledgerFile);
        report::Document landscape;
        landscape.orientation(report::Orientation::Landscape).line({report::text("Ledger")});
        QCOMPARE(dialogs.print(WindowId::CalculationForm, landscape, 1), PrintOutcome{});
        presentValue.setPageSize(QPageSize(QPageSize::Legal));

        QCOMPARE(dialogs.lastFile(WindowId::CalculationForm), ledgerFile);
        QCOMPARE(dialogs.lastFile(WindowId::frmPresentValue), QString());
        QCOMPARE(dialogs.pageLayout(WindowId::CalculationForm).orientation(),
                 QPageLayout::Landscape);
        QCOMPARE(dialogs.pageLayout(WindowId::frmPresentValue).orientation(),
                 QPageLayout::Portrait);
        QCOMPARE(dialogs.pageLayout(WindowId::CalculationForm).pageSize().id(), QPageSize::Letter);
        QCOMPARE(dialogs.pageLayout(WindowId::frmPresentValue).pageSize().id(), QPageSize::Legal);

        const QString pvFile = dir.filePath("Present Value Calculation - 2026-03-04.pdf");
        const auto portrait = report::Orientation::Portrait;
        QCOMPARE(proposedByPrinterDialog(dialogs, {WindowId::frmPresentValue, portrait, pvFile}),
                 pvFile);
        QCOMPARE(proposedByPrinterDialog(dialogs, {WindowId::CalculationForm, portrait, pvFile}),
                 ledgerFile);
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"

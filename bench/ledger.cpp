// The ledger of the compensation-and-interest window at its fullest: 100
// weekly entries calculated and saved one by one through the real window,
// offscreen, as the operator would (type, leave the field, click). Only the
// Saves are timed, each with the repaint of its panel; the total of the 100
// is the figure. Then the ledger report of those 100 entries, as the
// window's Print hands it over, is rendered to a PDF file.
//   corvell-bench-ledger [ROUNDS [RENDERS]]

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "bench/benchreport.h"
#include "interest/calculationformcontrols.h"
#include "interest/interestmodel.h"
#include "interest/ui/calculationform.h"
#include "shell/dates.h"
#include "shell/format.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/look.h"
#include "shell/ui/reportrenderer.h"
#include "shell/ui/windowmanager.h"

namespace corvell::bench {

using namespace calculationform;

namespace {

constexpr int kEntries = 100;
constexpr double kSavesTargetMs = 100;
constexpr double kPdfTargetMs = 500;
constexpr double kWeeklyRate = 700;

// No message may appear (each would mean a refused step); the printer dialog
// answers one copy and the printed document is kept.
class QuietDialogs final : public ui::Dialogs {
public:
    void showMessage(QWidget*, const QString& text, const QString&) override {
        fail("the window said: " + text.toStdString());
    }
    bool askYesNo(QWidget*, const QString& text, const QString&) override {
        fail("the window asked: " + text.toStdString());
    }
    int askChoice(QWidget*, const QString& text, const QStringList&) override {
        fail("the window asked: " + text.toStdString());
    }
    ui::SaveChanges askToSaveChanges(QWidget*, const QString& question) override {
        fail("the window asked: " + question.toStdString());
    }
    std::optional<int> choosePrinter(QWidget*, const ui::PrintRequest&) override { return 1; }
    PrintOutcome print(WindowId, const report::Document& document, int copies) override {
        printed.insert(printed.end(), static_cast<std::size_t>(copies), document);
        return {};
    }
    std::optional<PrintOutcome> showPreview(QWidget*, const ui::PrintRequest&,
                                            const ui::ReportPainter&) override {
        fail("no preview is asked for");
    }
    std::optional<QString> chooseSaveFile(QWidget*, WindowId, const QString&, const QString&,
                                          const QString&) override {
        fail("no file dialog is asked for");
    }
    std::optional<QString> chooseFile(QWidget*, ui::FileAction, const QString&, const QString&,
                                      const QString&) override {
        fail("no file dialog is asked for");
    }
    QPageLayout pageLayout(WindowId) override { fail("no page layout is asked for"); }
    std::vector<report::Document> printed;
};

template <class Widget>
Widget& control(QWidget& window, ControlName name) {
    auto* w = window.findChild<Widget*>(
        QString::fromUtf8(name.name().data(), static_cast<qsizetype>(name.name().size())));
    if (w == nullptr) {
        fail("no control named " + std::string(name.name()));
    }
    return *w;
}

void click(QWidget& window, ControlName button) {
    QTest::mouseClick(&control<QPushButton>(window, button), Qt::LeftButton);
}

// Types the text over the field's and leaves the field for Clear, which has
// no leave handler of its own.
void typeAndLeave(QWidget& window, ControlName field, const QString& text) {
    auto& line = control<QLineEdit>(window, field);
    line.setFocus(Qt::MouseFocusReason);
    line.selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(&line, Qt::Key_Delete);
    } else {
        QTest::keyClicks(&line, text);
    }
    control<QPushButton>(window, cmdClear).setFocus(Qt::OtherFocusReason);
}

// A week from the beginning date the window shows.
QString weekEnd(QWidget& window) {
    const std::optional<Date> begin =
        CDate(control<QLineEdit>(window, txtBeginningDate).text().toStdString());
    if (!begin) {
        fail("no beginning date to continue from");
    }
    return QString::fromStdString(Format(Date{begin->day + 6}, "mm/dd/yyyy"));
}

void calculateWeek(QWidget& window, const QString& begin, const QString& end) {
    if (!begin.isEmpty()) {
        typeAndLeave(window, txtBeginningDate, begin);
    }
    typeAndLeave(window, txtEndingDate, end);
    typeAndLeave(window, txtRate, QString::number(kWeeklyRate));
    typeAndLeave(window, txtPaymentDate, QString());
    typeAndLeave(window, txtPaymentAmount, QString());
    click(window, cmdCalculate);
}

// Clicks Save and lets the window repaint; the time in milliseconds. What
// the steps before left to repaint is painted first, outside the time.
double timedSave(QWidget& window) {
    QCoreApplication::processEvents();
    const Clock::time_point start = Clock::now();
    click(window, cmdSave);
    QCoreApplication::processEvents();
    return milliseconds(Clock::now() - start);
}

void checkFullLedger(const InterestModel& model, QWidget& window) {
    if (model.ledger().EntryCount() != kEntries ||
        model.totals().CompTotal != kEntries * kWeeklyRate ||
        control<QListWidget>(window, List1).count() != kEntries + 2) {
        fail("the ledger does not hold the 100 weeks saved");
    }
}

// One fresh window, 100 entries saved; the total time of the Saves. With
// `print`, the full ledger is then printed into `dialogs`.
double hundredSaves(QuietDialogs& dialogs, bool print) {
    QTemporaryDir settingsFolder;
    QSettings settings(settingsFolder.filePath(QStringLiteral("settings.conf")),
                       QSettings::IniFormat);
    app::Program program(dialogs, settings, systemNow, [] {});
    ui::WindowManager& windows = program.windows;
    windows.show(WindowId::CalculationForm);
    QWidget& window = *windows.window(WindowId::CalculationForm);
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) {
        fail("the window did not become active");
    }
    double total = 0;
    calculateWeek(window, "01/01/2004", "01/07/2004");
    total += timedSave(window);
    for (int entry = 2; entry <= kEntries; ++entry) {
        click(window, cmdNextEntry);
        calculateWeek(window, QString(), weekEnd(window));
        total += timedSave(window);
    }
    checkFullLedger(static_cast<ui::CalculationForm&>(window).model(), window);
    if (print) {
        click(window, cmdPrint);
        if (dialogs.printed.size() != 1) {
            fail("Print did not hand over the ledger report");
        }
    }
    return total;
}

// The same 100 Saves on the model alone, without widgets: what the panel's
// lines and the totals cost apart from Qt.
double hundredSavesOnTheModel() {
    InterestModel model;
    const auto leave = [&model](ControlName field, const std::string& text) {
        model.setText(field, text);
        model.fire(field, Event::LostFocus);
    };
    double total = 0;
    std::string begin = "01/01/2004";
    for (int entry = 1; entry <= kEntries; ++entry) {
        if (entry > 1) {
            model.fire(cmdNextEntry, Event::Click);
            begin = model.text(txtBeginningDate);
        }
        const Date start = CDate(begin).value();
        leave(txtBeginningDate, begin);
        leave(txtEndingDate, Format(Date{start.day + 6}, "mm/dd/yyyy"));
        leave(txtRate, "700");
        if (model.fire(cmdCalculate, Event::Click).message) {
            fail("the model refused a week");
        }
        const Clock::time_point t = Clock::now();
        const Reaction saved = model.fire(cmdSave, Event::Click);
        total += milliseconds(Clock::now() - t);
        if (saved.message) {
            fail("the model refused to save: " + saved.message->text);
        }
    }
    if (model.ledger().EntryCount() != kEntries || model.lines(List1).size() != kEntries + 2) {
        fail("the model's ledger does not hold the 100 weeks saved");
    }
    return total;
}

// Renders the report onto a fresh PDF printer; the time of the rendering.
double renderToPdf(const report::Document& document, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    const Clock::time_point start = Clock::now();
    const bool rendered = ui::renderReport(document, printer);
    const double ms = milliseconds(Clock::now() - start);
    if (!rendered || QFileInfo(path).size() == 0) {
        fail("the ledger report could not be rendered to " + path.toStdString());
    }
    return ms;
}

}  // namespace
}  // namespace corvell::bench

int main(int argc, char* argv[]) {
    using namespace corvell::bench;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    corvell::ui::installLook();
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    const int renders = argc > 2 ? std::atoi(argv[2]) : 10;
    if (rounds < 1 || renders < 1) {
        fail("ROUNDS and RENDERS must be at least 1");
    }

    QuietDialogs dialogs;
    std::vector<double> saves;
    std::vector<double> modelSaves;
    for (int i = 0; i < rounds; ++i) {
        saves.push_back(hundredSaves(dialogs, i == rounds - 1));
        modelSaves.push_back(hundredSavesOnTheModel());
    }
    QTemporaryDir dir;
    std::vector<double> pdf;
    for (int i = 0; i < renders; ++i) {
        pdf.push_back(renderToPdf(dialogs.printed.front(), dir.filePath("ledger.pdf")));
    }

    Report report;
    report.heading(
        "Ledger: 100 weekly entries saved one by one in the window (each Save "
        "rebuilds and repaints the panel), median of " +
        std::to_string(rounds) + " rounds");
    const double savesMs = median(saves);
    const auto [fastest, slowest] = std::minmax_element(saves.begin(), saves.end());
    report.figure(
        "100 Saves, total",
        fixed(savesMs, 1) + " ms (" + fixed(*fastest, 1) + " .. " + fixed(*slowest, 1) + ")",
        "< " + fixed(kSavesTargetMs, 0) + " ms", savesMs < kSavesTargetMs);
    report.note("of which the model alone (no widgets)", fixed(median(modelSaves), 1) + " ms");
    report.heading(
        "Ledger report of the 100 entries rendered to PDF (renderReport on a QPrinter "
        "in PdfFormat), median of " +
        std::to_string(renders) + " renders");
    const double pdfMs = median(pdf);
    report.figure("100-entry report to PDF", fixed(pdfMs, 1) + " ms",
                  "< " + fixed(kPdfTargetMs, 0) + " ms", pdfMs < kPdfTargetMs);
    report.note("the first render of the run", fixed(pdf.front(), 1) + " ms");
    return report.exitStatus();
}

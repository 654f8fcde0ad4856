#include "tests/support/fakedialogs.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include "shell/ui/printsetup.h"

namespace corvell::test {
namespace {

// Paints on a PDF printer set up as the program sets its own up, with the
// copies asked for as a printer dialog would leave them, and reads it back.
PdfResult paintToPdf(const ui::ReportPainter& paint, int copyCount) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("preview.pdf"));
    bool painted = false;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        ui::preparePrinter(printer);
        printer.setCopyCount(copyCount);
        painted = paint(printer);
    }
    return painted ? readPdf(path) : PdfResult{};
}

}  // namespace

void FakeDialogs::showMessage(QWidget*, const QString& text, const QString& title) {
    messages.push_back({text, title});
    if (messageLeavesNoActiveWindow) {
        QApplication::setActiveWindow(nullptr);
    }
}

bool FakeDialogs::askYesNo(QWidget*, const QString& text, const QString&) {
    questions.push_back(text);
    if (yesNo.empty()) {
        return false;
    }
    const bool answer = yesNo.front();
    yesNo.pop_front();
    return answer;
}

int FakeDialogs::askChoice(QWidget*, const QString& text, const QStringList& buttons) {
    questions.push_back(text);
    if (choices.empty()) {
        return int(buttons.size()) - 1;
    }
    const int answer = choices.front();
    choices.pop_front();
    return answer;
}

ui::SaveChanges FakeDialogs::askToSaveChanges(QWidget*, const QString& question) {
    questions.push_back(question);
    if (answers.empty()) {
        return ui::SaveChanges::Cancel;
    }
    const ui::SaveChanges answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<int> FakeDialogs::choosePrinter(QWidget*, const ui::PrintRequest& request) {
    ++printerDialogs;
    printerRequests.push_back(request);
    return copies;
}

PrintOutcome FakeDialogs::print(WindowId, const report::Document& document, int copies) {
    if (printSystem.result == PrintOutcome::Result::Refused) {
        return printSystem;
    }
    for (int copy = 0; copy < copies; ++copy) {
        if (failOnDocument && static_cast<int>(printed.size()) == *failOnDocument) {
            return PrintOutcome::failed();
        }
        printed.push_back(document);
    }
    return printSystem;
}

std::optional<PrintOutcome> FakeDialogs::showPreview(QWidget*, const ui::PrintRequest& request,
                                                     const ui::ReportPainter& paint) {
    previewRequests.push_back(request);
    previewed = paintToPdf(paint, 1);
    if (!printFromPreview) {
        return std::nullopt;
    }
    printedFromPreview = paintToPdf(paint, *printFromPreview);
    if (!printedFromPreview.rendered) {
        return std::nullopt;
    }
    if (printSystem.result == PrintOutcome::Result::Refused) {
        printedFromPreview = PdfResult{};  // drawn, but the print system took none of it
    }
    return printSystem;
}

std::optional<QString> FakeDialogs::chooseSaveFile(QWidget*, WindowId, const QString&,
                                                   const QString& proposedPath, const QString&) {
    proposedFiles.push_back(proposedPath);
    if (whileFileDialogOpen) {
        whileFileDialogOpen();
    }
    return saveAs;
}

std::optional<QString> FakeDialogs::chooseFile(QWidget*, ui::FileAction action, const QString&,
                                               const QString& proposedPath, const QString&) {
    proposedFiles.push_back(proposedPath);
    return action == ui::FileAction::Save ? saveAs : openPath;
}

QPageLayout FakeDialogs::pageLayout(WindowId) {
    QPrinter printer(QPrinter::HighResolution);
    ui::preparePrinter(printer);
    return printer.pageLayout();
}

void FakeDialogs::clear() {
    messages.clear();
    printed.clear();
    printerRequests.clear();
    previewRequests.clear();
    proposedFiles.clear();
    questions.clear();
    printerDialogs = 0;
}

}  // namespace corvell::test

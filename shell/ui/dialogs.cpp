#include "shell/ui/dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "shell/ui/look.h"
#include "shell/ui/paperguard.h"
#include "shell/ui/printqueue.h"
#include "shell/ui/printsetup.h"
#include "shell/ui/windowpaper.h"

namespace corvell::ui {

SystemDialogs::SystemDialogs(QSettings& settings) : settings_(settings) {}
SystemDialogs::~SystemDialogs() = default;

QPrinter& SystemDialogs::printer(WindowId window) {
    std::unique_ptr<QPrinter>& printer = windows_[window].printer;
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        preparePrinter(*printer, windowPaper(settings_, window));
    }
    return *printer;
}

QString SystemDialogs::lastFile(WindowId window) const {
    const auto it = windows_.find(window);
    return it == windows_.end() ? QString() : it->second.lastFile;
}

QPrinter& SystemDialogs::prepare(const PrintRequest& request) {
    QPrinter& p = printer(request.window);
    p.setPageOrientation(request.orientation == report::Orientation::Landscape
                             ? QPageLayout::Landscape
                             : QPageLayout::Portrait);
    p.setCopyCount(1);
    // The print system's job name, and the file name Qt proposes for printing
    // to a file on a computer that has printers.
    p.setDocName(QFileInfo(request.proposedFile).completeBaseName());
    if (p.outputFormat() == QPrinter::PdfFormat) {
        // No printer, or printing to a file was chosen last time.
        const QString last = lastFile(request.window);
        p.setOutputFileName(last.isEmpty() ? request.proposedFile : last);
    }
    return p;
}

void SystemDialogs::rememberFile(WindowId window) {
    const QPrinter& p = printer(window);
    if (printsToFile(p) && !p.outputFileName().isEmpty()) {
        windows_[window].lastFile = p.outputFileName();
    }
}

void SystemDialogs::rememberPaper(WindowId window, const QPageSize& before) {
    const QPageSize chosen = printer(window).pageLayout().pageSize();
    if (!chosen.isEquivalentTo(before)) {
        rememberWindowPaper(settings_, window, chosen);
    }
}

void SystemDialogs::showMessage(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool SystemDialogs::askYesNo(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

int SystemDialogs::askChoice(QWidget* parent, const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Warning, applicationTitle(), text, QMessageBox::NoButton, parent);
    std::vector<QAbstractButton*> pressed;
    for (const QString& label : buttons) {
        const bool last = &label == &buttons.back();
        pressed.push_back(
            box.addButton(label, last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(pressed.front()));
    box.setEscapeButton(pressed.back());
    box.exec();
    const auto it = std::find(pressed.begin(), pressed.end(), box.clickedButton());
    return it == pressed.end() ? int(buttons.size()) - 1 : int(it - pressed.begin());
}

SaveChanges SystemDialogs::askToSaveChanges(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Warning, applicationTitle(), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveChanges::Save;
        case QMessageBox::Discard:
            return SaveChanges::Discard;
        default:
            return SaveChanges::Cancel;
    }
}

std::optional<int> SystemDialogs::choosePrinter(QWidget* parent, const PrintRequest& request) {
    QPrinter& p = prepare(request);
    QPrintDialog dialog(&p, parent);
    if (p.outputFormat() != QPrinter::PdfFormat) {
        // Printing to a real printer: should the operator switch to a file,
        // the dialog's file field proposes the report's file rather than
        // Qt's own name in the home folder.
        if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) {
            const QString last = lastFile(request.window);
            file->setText(QDir::toNativeSeparators(last.isEmpty() ? request.proposedFile : last));
        }
    }
    const QPageSize paper = p.pageLayout().pageSize();
    const PaperGuard guard(p);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    rememberPaper(request.window, paper);
    return p.copyCount();
}

PrintOutcome SystemDialogs::print(WindowId window, const report::Document& document, int copies) {
    QPrinter& p = printer(window);
    // The printer chosen in the dialog may need wider margins than the last.
    keepMargins(p);
    rememberFile(window);
    return printOnQueue(document, p, copies);
}

std::optional<PrintOutcome> SystemDialogs::showPreview(QWidget* parent, const PrintRequest& request,
                                                       const ReportPainter& paint) {
    QPrinter& p = prepare(request);
    const QPageSize paper = p.pageLayout().pageSize();
    QPrintPreviewDialog dialog(&p, parent);
    // Large enough to read a page at a glance.
    if (const QScreen* screen =
            parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size();
        dialog.resize(room.width() * 3 / 5, room.height() * 4 / 5);
    }
    // The last drawing is the printing when the operator prints.
    bool painted = false;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint, &painted](QPrinter* printer) { painted = paint(*printer); });
    const PaperGuard guard(p);
    const bool printed = dialog.exec() == QDialog::Accepted;
    // The preview's page setup may have changed the paper, printed or not.
    rememberPaper(request.window, paper);
    if (!printed || !painted) {
        return std::nullopt;
    }
    // The operator printed from the preview, maybe to a file.
    rememberFile(request.window);
    return outcomeOfJobsSent(p);
}

std::optional<QString> SystemDialogs::chooseSaveFile(QWidget* parent, WindowId window,
                                                     const QString& caption,
                                                     const QString& proposedPath,
                                                     const QString& filter) {
    QString proposal = proposedPath;
    const QString last = lastFile(window);
    if (!last.isEmpty() && QFileInfo(last).dir().exists()) {
        proposal = QFileInfo(last).dir().filePath(QFileInfo(proposedPath).fileName());
    }
    QFileDialog dialog(parent, caption, proposal, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QFileInfo(proposedPath).suffix());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    windows_[window].lastFile = chosen;
    return chosen;
}

std::optional<QString> SystemDialogs::chooseFile(QWidget* parent, FileAction action,
                                                 const QString& caption,
                                                 const QString& proposedPath,
                                                 const QString& filter) {
    QFileDialog dialog(parent, caption, proposedPath, filter);
    if (action == FileAction::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QFileInfo(proposedPath).suffix());
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

QPageLayout SystemDialogs::pageLayout(WindowId window) {
    QPrinter& p = printer(window);
    keepMargins(p);
    return p.pageLayout();
}

}  // namespace corvell::ui

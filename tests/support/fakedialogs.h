#pragma once
// Stands in for message boxes, the unsaved-changes question, the printer
// dialog, the print preview, the file dialogs and the printer, so tests see
// what the operator would have seen and what would have been printed or
// drawn.

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "shell/ui/dialogs.h"
#include "tests/support/pdftext.h"

namespace corvell::test {

struct ShownMessage {
    QString text;
    QString title;
};

class FakeDialogs final : public ui::Dialogs {
public:
    void showMessage(QWidget* parent, const QString& text, const QString& title) override;
    // Keeps the question and gives the next of `yesNo`; No when they have
    // run out.
    bool askYesNo(QWidget* parent, const QString& text, const QString& title) override;
    // Keeps the question and gives the next of `choices`; the last button
    // (Cancel) when they have run out.
    int askChoice(QWidget* parent, const QString& text, const QStringList& buttons) override;
    // Keeps the question and gives the next of `answers`; Cancel, which
    // loses nothing, when they have run out.
    ui::SaveChanges askToSaveChanges(QWidget* parent, const QString& question) override;
    std::optional<int> choosePrinter(QWidget* parent, const ui::PrintRequest& request) override;
    // Keeps one document per copy, as a printer would receive them, unless
    // `printSystem` refuses them; answers `printSystem`.
    PrintOutcome print(WindowId window, const report::Document& document, int copies) override;
    // Draws the preview into a PDF on paper set up as the program's printers
    // are, and keeps what it reads back; then prints from the preview when
    // `printFromPreview` asks for copies, and answers `printSystem`.
    std::optional<PrintOutcome> showPreview(QWidget* parent, const ui::PrintRequest& request,
                                            const ui::ReportPainter& paint) override;
    // Answers `saveAs`, after running `whileFileDialogOpen`.
    std::optional<QString> chooseSaveFile(QWidget* parent, WindowId window, const QString& caption,
                                          const QString& proposedPath,
                                          const QString& filter) override;
    // Answers `saveAs` when saving and `openPath` when opening.
    std::optional<QString> chooseFile(QWidget* parent, ui::FileAction action,
                                      const QString& caption, const QString& proposedPath,
                                      const QString& filter) override;
    // The paper and margins of a printer set up as the program's are.
    QPageLayout pageLayout(WindowId window) override;

    // What the next printer dialog answers: the copies, or std::nullopt to cancel.
    std::optional<int> copies = 1;
    // Makes the printer fail on the document with this index (0: the first).
    std::optional<int> failOnDocument;
    // What the print system makes of the jobs sent: a refused job prints
    // nothing, one waiting on a paused printer prints.
    PrintOutcome printSystem;
    // What the file dialog answers: the file chosen, or std::nullopt to cancel.
    std::optional<QString> saveAs;
    std::optional<QString> openPath;
    // The answers to Yes/No questions, in turn (true: Yes).
    std::deque<bool> yesNo;
    // The buttons chosen, in turn, by index.
    std::deque<int> choices;
    // The answers to the unsaved-changes questions, in turn.
    std::deque<ui::SaveChanges> answers;
    // Runs while the file dialog is open, as time passes while the operator
    // chooses a file.
    std::function<void()> whileFileDialogOpen;
    // The copies the operator prints from the preview; none by default.
    std::optional<int> printFromPreview;
    // Leaves no window active after a message, as a real message box does
    // until the window system gives the window back, some time after it
    // closed (a test then activates the window itself).
    bool messageLeavesNoActiveWindow = false;

    std::vector<ShownMessage> messages;
    std::vector<report::Document> printed;
    std::vector<ui::PrintRequest> printerRequests;  // one per printer dialog
    std::vector<ui::PrintRequest> previewRequests;  // one per preview
    std::vector<QString> proposedFiles;             // one per file dialog
    std::vector<QString> questions;
    PdfResult previewed;           // what the last preview drew
    PdfResult printedFromPreview;  // what printing from it printed
    int printerDialogs = 0;

    QString lastMessage() const { return messages.empty() ? QString() : messages.back().text; }
    void clear();
};

}  // namespace corvell::test

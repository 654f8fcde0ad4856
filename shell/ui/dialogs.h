#pragma once
// The one seam between the windows and everything modal or physical: message
// boxes, Yes/No questions, the question about unsaved changes, the printer dialog, the print
// preview, the file dialogs and the printer. The program uses SystemDialogs;
// tests put in their own to capture messages and printed documents without a
// modal loop.
//
// Each window has print settings of its own for as long as the program runs:
// its printer and paper, the orientation of its report, and the last file it
// printed or exported to. The window's id is the key to them. The paper the
// operator chooses is kept in the program's settings for later runs too.

#include <QPageLayout>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "shell/navigation.h"
#include "shell/printoutcome.h"
#include "shell/report.h"

class QSettings;
class QWidget;

namespace corvell::ui {

// What a print dialog opens on: whose settings, the report's orientation
// (the window's printer is turned to it before the dialog shows the page) and
// the PDF file proposed for the report.
struct PrintRequest {
    WindowId window;
    report::Orientation orientation = report::Orientation::Portrait;
    QString proposedFile;
};

// Paints the report, made at that moment, on the printer; false when the
// printer failed. The preview calls it every time it draws the pages, and once
// more when the operator prints from it.
using ReportPainter = std::function<bool(QPrinter& printer)>;

// The answers to "Save changes to ... before closing?".
enum class SaveChanges { Save, Discard, Cancel };

enum class FileAction { Open, Save };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message with an OK button only.
    virtual void showMessage(QWidget* parent, const QString& text, const QString& title) = 0;
    // A question with Yes and No buttons, No the default (Enter and Esc
    // answer No): true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& title) = 0;
    // A question answered by one of `buttons`, the first the default, the
    // last the one Esc presses: the index of the button pressed.
    virtual int askChoice(QWidget* parent, const QString& text, const QStringList& buttons) = 0;
    // The question asked before unsaved changes would be lost, with Save,
    // Discard and Cancel buttons.
    virtual SaveChanges askToSaveChanges(QWidget* parent, const QString& question) = 0;
    // The printer dialog on the window's printer: the copies chosen, or
    // std::nullopt when cancelled. Printing to a file proposes the window's
    // last file, or else the request's.
    virtual std::optional<int> choosePrinter(QWidget* parent, const PrintRequest& request) = 0;
    // Prints copies of one document on the window's printer: what became of
    // them, as the print system tells it.
    virtual PrintOutcome print(WindowId window, const report::Document& document, int copies) = 0;
    // The print preview on the window's printer, drawn by `paint`: what became
    // of the report when the operator printed it from the preview; nothing
    // when the preview closed without printing, or when `paint` failed on the
    // printer (it tells the operator itself).
    virtual std::optional<PrintOutcome> showPreview(QWidget* parent, const PrintRequest& request,
                                                    const ReportPainter& paint) = 0;
    // A file dialog for saving: the file chosen, or std::nullopt when
    // cancelled. It proposes the file name of `proposedPath`, in the folder
    // the window last saved to when it has saved before.
    virtual std::optional<QString> chooseSaveFile(QWidget* parent, WindowId window,
                                                  const QString& caption,
                                                  const QString& proposedPath,
                                                  const QString& filter) = 0;
    // A file dialog for a file of the program's own (a claim): to open one
    // or to save one. It opens on `proposedPath` (its folder, and for saving
    // its name); saving adds the proposal's extension to a name typed
    // without one. The file chosen, or std::nullopt when cancelled.
    virtual std::optional<QString> chooseFile(QWidget* parent, FileAction action,
                                              const QString& caption, const QString& proposedPath,
                                              const QString& filter) = 0;
    // The paper and margins the window's printer prints on.
    virtual QPageLayout pageLayout(WindowId window) = 0;
};

class SystemDialogs final : public Dialogs {
public:
    // `settings` keeps the paper each window prints on.
    explicit SystemDialogs(QSettings& settings);
    ~SystemDialogs() override;
    SystemDialogs(const SystemDialogs&) = delete;
    SystemDialogs& operator=(const SystemDialogs&) = delete;

    void showMessage(QWidget* parent, const QString& text, const QString& title) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& title) override;
    int askChoice(QWidget* parent, const QString& text, const QStringList& buttons) override;
    SaveChanges askToSaveChanges(QWidget* parent, const QString& question) override;
    std::optional<int> choosePrinter(QWidget* parent, const PrintRequest& request) override;
    PrintOutcome print(WindowId window, const report::Document& document, int copies) override;
    std::optional<PrintOutcome> showPreview(QWidget* parent, const PrintRequest& request,
                                            const ReportPainter& paint) override;
    std::optional<QString> chooseSaveFile(QWidget* parent, WindowId window, const QString& caption,
                                          const QString& proposedPath,
                                          const QString& filter) override;
    std::optional<QString> chooseFile(QWidget* parent, FileAction action, const QString& caption,
                                      const QString& proposedPath, const QString& filter) override;
    QPageLayout pageLayout(WindowId window) override;

    // The window's printer, made on first use on the window's paper: the
    // print system takes a noticeable time to load, and the main menu should
    // not wait for it.
    QPrinter& printer(WindowId window);
    // The file the window last printed or exported to; empty when none.
    QString lastFile(WindowId window) const;

private:
    struct WindowPrinting {
        std::unique_ptr<QPrinter> printer;
        QString lastFile;
    };
    // Turns the window's printer for the report and remembers what it prints to.
    QPrinter& prepare(const PrintRequest& request);
    void rememberFile(WindowId window);
    // Keeps the paper the operator chose in a dialog for later runs.
    void rememberPaper(WindowId window, const QPageSize& before);

    QSettings& settings_;
    std::map<WindowId, WindowPrinting> windows_;
};

}  // namespace corvell::ui

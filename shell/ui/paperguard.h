#pragma once
// Keeps a printer on its paper while Qt's print dialogs are open on it. Qt's
// page setup, inside the printer dialog (Properties) and the print preview,
// starts on the printer's own default paper (A4 on many queues) whenever it
// is made, and the printer dialog makes it when it is accepted even if the
// operator never opened it: the report would print on that paper. While a
// guard lives, a page setup opens on the printer's paper, and a printer
// dialog accepted without its page setup accepted leaves the paper as it was.

#include <QObject>
#include <QPageSize>

class QComboBox;
class QPrintDialog;
class QPrinter;

namespace corvell::ui {

class PaperGuard final : public QObject {
public:
    explicit PaperGuard(QPrinter& printer);
    ~PaperGuard() override;
    PaperGuard(const PaperGuard&) = delete;
    PaperGuard& operator=(const PaperGuard&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPaper(QComboBox& sizes);
    void printerDialogAccepted(const QPrintDialog& dialog);

    QPrinter& printer_;
    QPageSize paper_;  // the printer's, or the last paper the operator accepted
};

}  // namespace corvell::ui

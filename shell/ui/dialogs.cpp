#include "shell/ui/dialogs.h"

#include <QMessageBox>
#include <QPrintDialog>

#include "shell/ui/printsetup.h"

namespace corvell::ui {

SystemDialogs::SystemDialogs() = default;

QPrinter& SystemDialogs::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        preparePrinter(*printer_);
    }
    return *printer_;
}

void SystemDialogs::showMessage(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<int> SystemDialogs::choosePrinter(QWidget* parent) {
    QPrintDialog dialog(&printer(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return printer().copyCount();
}

bool SystemDialogs::print(const report::Document& document, int copies) {
    // The printer chosen in the dialog may need wider margins than the last.
    keepMargins(printer());
    return printCopies(document, printer(), copies);
}

}  // namespace corvell::ui

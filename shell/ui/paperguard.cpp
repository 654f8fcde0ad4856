#include "shell/ui/paperguard.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace corvell::ui {
namespace {

// Qt's name for the page setup's list of papers.
const QString kPaperList = QStringLiteral("pageSizeCombo");

// Dialogs are shown again (the preview keeps its printer dialog): each is
// watched once.
bool firstSight(QObject& object) {
    static const char* const kSeen = "corvellPaperGuarded";
    if (object.property(kSeen).toBool()) {
        return false;
    }
    object.setProperty(kSeen, true);
    return true;
}

}  // namespace

PaperGuard::PaperGuard(QPrinter& printer)
    : printer_(printer), paper_(printer.pageLayout().pageSize()) {
    qApp->installEventFilter(this);
}

PaperGuard::~PaperGuard() {
    qApp->removeEventFilter(this);
}

bool PaperGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show) {
        return false;
    }
    if (auto* dialog = qobject_cast<QPrintDialog*>(watched)) {
        if (firstSight(*dialog)) {
            // Emitted once the dialog has set the printer up, before
            // anything is printed.
            connect(dialog, &QDialog::accepted, this,
                    [this, dialog] { printerDialogAccepted(*dialog); });
        }
    } else if (auto* setup = qobject_cast<QPageSetupDialog*>(watched)) {
        if (firstSight(*setup)) {
            connect(setup, &QDialog::accepted, this,
                    [this] { paper_ = printer_.pageLayout().pageSize(); });
        }
    } else if (auto* sizes = qobject_cast<QComboBox*>(watched);
               sizes != nullptr && sizes->objectName() == kPaperList && firstSight(*sizes)) {
        showPaper(*sizes);
    }
    return false;
}

void PaperGuard::showPaper(QComboBox& sizes) {
    // The printer lists its papers under names of its own.
    for (int i = 0; i < sizes.count(); ++i) {
        if (sizes.itemData(i).value<QPageSize>().isEquivalentTo(paper_)) {
            sizes.setCurrentIndex(i);
            return;
        }
    }
}

void PaperGuard::printerDialogAccepted(const QPrintDialog& dialog) {
    for (const QDialog* properties : dialog.findChildren<QDialog*>()) {
        if (properties->findChild<QComboBox*>(kPaperList) != nullptr &&
            properties->result() == QDialog::Accepted) {
            paper_ = printer_.pageLayout().pageSize();  // the operator's choice
            return;
        }
    }
    printer_.setPageSize(paper_);
}

}  // namespace corvell::ui

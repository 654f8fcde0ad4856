#include "interest/ui/ledgerexport.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

#include "interest/calculationformcontrols.h"
#include "interest/interestmodel.h"
#include "interest/ledgerreport.h"
#include "interest/ledgertable.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/look.h"
#include "shell/ui/pdffile.h"
#include "shell/ui/savefile.h"
#include "shell/ui/services.h"

namespace corvell::ui {

void exportLedgerCsv(QWidget& window, const InterestModel& model, const Services& services) {
    const QString proposed =
        proposedReportPath(std::string(kLedgerReportTitle),
                           model.text(calculationform::txtCaseCaption), services.clock(), "csv");
    const std::optional<QString> path = services.dialogs.chooseSaveFile(
        &window, WindowId::CalculationForm, QStringLiteral("Export Ledger as CSV"), proposed,
        QStringLiteral("CSV files (*.csv)"));
    if (!path) {
        return;
    }
    const std::string csv = ledgerCsv(model.ledger(), model.totals());
    if (const std::optional<QString> failure =
            saveWholeFile(*path, QByteArray::fromStdString(csv))) {
        services.dialogs.showMessage(&window,
                                     QStringLiteral("Could not save the ledger as %1: %2.")
                                         .arg(QDir::toNativeSeparators(*path), *failure),
                                     applicationTitle());
    }
}

void copyLedger(const InterestModel& model) {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(ledgerTabbed(model.ledger(), model.totals())));
}

}  // namespace corvell::ui

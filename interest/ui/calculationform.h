#pragma once

#include "interest/interestmodel.h"
#include "shell/ui/modelwindow.h"

namespace corvell::ui {

// The ledger's own menu commands on this window.
namespace menu {
inline constexpr ControlName mnuExportLedgerCsv{"mnuExportLedgerCsv"};
inline constexpr ControlName mnuUndoClear{"mnuUndoClear"};
inline constexpr ControlName mnuCopyLedger{"mnuCopyLedger"};
inline constexpr ControlName mnuSaveEntry{"mnuSaveEntry"};
inline constexpr ControlName mnuNextEntry{"mnuNextEntry"};
}  // namespace menu

class CalculationForm final : public ModelWindow<InterestModel> {
public:
    // Shows and drives `model`, which the claim keeps.
    CalculationForm(InterestModel& model, const Services& services, QWidget* parent = nullptr);

private:
    // File > Export Ledger as CSV...; Edit > Undo Clear and Copy Ledger.
    std::vector<MenuCommand> ledgerFileCommands();
    std::vector<MenuCommand> ledgerEditCommands();
};

}  // namespace corvell::ui

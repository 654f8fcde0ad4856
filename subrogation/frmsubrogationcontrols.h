#pragma once
// The controls of the subrogation window (frmSubrogation), each declared once and named exactly as
// its objectName. The navigation buttons and Close are the navigation row's (shell/navigation.h).

#include "shell/controlname.h"
#include "shell/numberfield.h"

namespace corvell::frmsubrogation {

// Text fields
inline constexpr ControlName txtTotalRecovery{"txtTotalRecovery"};
inline constexpr ControlName txtCostsAndFees{"txtCostsAndFees"};
inline constexpr ControlName txtRate{"txtRate"};
inline constexpr ControlName txtLienAmount{"txtLienAmount"};
inline constexpr ControlName txtLienRecovery{"txtLienRecovery"};
inline constexpr ControlName txtCaseCaption{"txtCaseCaption"};
inline constexpr ControlName txtNewWeeklyRate{"txtNewWeeklyRate"};
inline constexpr ControlName txtForWeeks{"txtForWeeks"};

// Buttons
inline constexpr ControlName cmdSSCalculate{"cmdSSCalculate"};
inline constexpr ControlName cmdSSPrint{"cmdSSPrint"};
inline constexpr ControlName cmdSSClear{"cmdSSClear"};

// Labels
inline constexpr ControlName lblTotalRecovery{"lblTotalRecovery"};
inline constexpr ControlName lblCostsAndFees{"lblCostsAndFees"};
inline constexpr ControlName lblRate{"lblRate"};
inline constexpr ControlName lblLienAmount{"lblLienAmount"};
inline constexpr ControlName lblLienRecovery{"lblLienRecovery"};
inline constexpr ControlName lblNewWeeklyRate{"lblNewWeeklyRate"};
inline constexpr ControlName lblForWeeks{"lblForWeeks"};
inline constexpr ControlName lblCaseCaption{"lblCaseCaption"};

// The number fields: how each is read and the range it must lie in.
inline constexpr NumberField kTotalRecoveryField{txtTotalRecovery, "Total Recovery"};
inline constexpr NumberField kCostsAndFeesField{txtCostsAndFees, "Costs and Fees"};
inline constexpr NumberField kRateField{txtRate, "Weekly Comp. Rate"};
inline constexpr NumberField kLienAmountField{txtLienAmount, "Lien Amount"};
inline constexpr NumberField kLienRecoveryField{txtLienRecovery, "Lien Recovery"};

}  // namespace corvell::frmsubrogation

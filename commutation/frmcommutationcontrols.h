#pragma once
// The controls of the commutation window (frmCommutation), each declared once and named exactly as
// its objectName. The navigation buttons and Close are the navigation row's (shell/navigation.h).

#include "shell/controlname.h"
#include "shell/numberfield.h"

namespace corvell::frmcommutation {

// Text fields
inline constexpr ControlName txtBeginningDate{"txtBeginningDate"};
inline constexpr ControlName txtCommWeeks{"txtCommWeeks"};
inline constexpr ControlName txtCommAmount{"txtCommAmount"};
inline constexpr ControlName txtCaseCaption{"txtCaseCaption"};
inline constexpr ControlName txtComputedRate{"txtComputedRate"};
inline constexpr ControlName txtComputedEndDate{"txtComputedEndDate"};

// Buttons
inline constexpr ControlName cmdCommCalculate{"cmdCommCalculate"};
inline constexpr ControlName cmdCommPrint{"cmdCommPrint"};
inline constexpr ControlName cmdCommClear{"cmdCommClear"};

// Labels
inline constexpr ControlName lblBeginningDate{"lblBeginningDate"};
inline constexpr ControlName lblCommWeeks{"lblCommWeeks"};
inline constexpr ControlName lblCommAmount{"lblCommAmount"};
inline constexpr ControlName lblComputedRate{"lblComputedRate"};
inline constexpr ControlName lblComputedEndDate{"lblComputedEndDate"};
inline constexpr ControlName lblCaseCaption{"lblCaseCaption"};

// The number fields: how each is read and the range it must lie in.
inline constexpr NumberField kCommWeeksField{txtCommWeeks, "Commuted Weeks",
                                             Bounds::CheckedByWindow};
inline constexpr NumberField kCommAmountField{txtCommAmount, "Commutation Amount"};

}  // namespace corvell::frmcommutation

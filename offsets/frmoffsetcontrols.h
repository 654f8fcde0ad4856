#pragma once
// The controls of the lump sum offset window (frmOffset), each declared once and named exactly as
// its objectName. The navigation buttons and Close are the navigation row's (shell/navigation.h).

#include "shell/controlname.h"
#include "shell/numberfield.h"

namespace corvell::frmoffset {

// Text fields
inline constexpr ControlName txtBeginningDate{"txtBeginningDate"};
inline constexpr ControlName txtRate{"txtRate"};
inline constexpr ControlName txtNetOffsetAmount{"txtNetOffsetAmount"};
inline constexpr ControlName txtCaseCaption{"txtCaseCaption"};
inline constexpr ControlName txtComputedEndDate{"txtComputedEndDate"};
inline constexpr ControlName txtComputedWeeks{"txtComputedWeeks"};
inline constexpr ControlName txtComputedDays{"txtComputedDays"};
inline constexpr ControlName txtRemainder{"txtRemainder"};

// Buttons
inline constexpr ControlName cmdCommCalculate{"cmdCommCalculate"};
inline constexpr ControlName cmdCommPrint{"cmdCommPrint"};
inline constexpr ControlName cmdCommClear{"cmdCommClear"};

// Labels
inline constexpr ControlName lblBeginningDate{"lblBeginningDate"};
inline constexpr ControlName lblRate{"lblRate"};
inline constexpr ControlName lblNetOffsetAmount{"lblNetOffsetAmount"};
inline constexpr ControlName lblCaseCaption{"lblCaseCaption"};
inline constexpr ControlName lblComputedEndDate{"lblComputedEndDate"};
inline constexpr ControlName lblComputedWeeks{"lblComputedWeeks"};
inline constexpr ControlName lblDays{"lblDays"};
inline constexpr ControlName lblRemainder{"lblRemainder"};

// The number fields: how each is read and the range it must lie in.
inline constexpr NumberField kRateField{txtRate, "Rate"};
inline constexpr NumberField kNetOffsetAmountField{txtNetOffsetAmount, "Net Offset Amount"};

}  // namespace corvell::frmoffset

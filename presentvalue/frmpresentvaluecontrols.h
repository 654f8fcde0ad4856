#pragma once
// The controls of the present value window (frmPresentValue), each declared once and named exactly
// as its objectName. The navigation buttons and Close are the navigation row's
// (shell/navigation.h).

#include "shell/controlname.h"
#include "shell/numberfield.h"

namespace corvell::frmpresentvalue {

// Text fields
inline constexpr ControlName txtFromDate{"txtFromDate"};
inline constexpr ControlName txtToDate{"txtToDate"};
inline constexpr ControlName txtWeeks{"txtWeeks"};
inline constexpr ControlName txtAge{"txtAge"};
inline constexpr ControlName txtGender{"txtGender"};
inline constexpr ControlName txtRate{"txtRate"};
inline constexpr ControlName txtInterestRate{"txtInterestRate"};
inline constexpr ControlName txtCaseCaption{"txtCaseCaption"};
inline constexpr ControlName txtTotalComp{"txtTotalComp"};
inline constexpr ControlName txtPresentValue{"txtPresentValue"};

// Buttons
inline constexpr ControlName cmdPVCalculate{"cmdPVCalculate"};
inline constexpr ControlName cmdPVPrint{"cmdPVPrint"};
inline constexpr ControlName cmdPVClear{"cmdPVClear"};

// Labels
inline constexpr ControlName lblFromDate{"lblFromDate"};
inline constexpr ControlName lblToDate{"lblToDate"};
inline constexpr ControlName lblWeeks{"lblWeeks"};
inline constexpr ControlName lblAge{"lblAge"};
inline constexpr ControlName lblGender{"lblGender"};
inline constexpr ControlName lblRate{"lblRate"};
inline constexpr ControlName lblInterestRate{"lblInterestRate"};
inline constexpr ControlName lblCaseCaption{"lblCaseCaption"};
inline constexpr ControlName lblTotalComp{"lblTotalComp"};
inline constexpr ControlName lblPresentValue{"lblPresentValue"};

// The number fields: how each is read and the range it must lie in.
inline constexpr NumberField kWeeksField{txtWeeks, "Weeks", Bounds::CheckedByWindow};
inline constexpr NumberField kAgeField{txtAge, "Age", Bounds::CheckedByWindow};
inline constexpr NumberField kRateField{txtRate, "Comp Rate"};
inline constexpr NumberField kInterestRateField{txtInterestRate, "Interest Rate",
                                                Bounds::CheckedByWindow, true};

}  // namespace corvell::frmpresentvalue

#pragma once
// The controls of the pension offset window (FrmPension), each declared once and named exactly as
// its objectName. The navigation buttons and Close are the navigation row's (shell/navigation.h).

#include "shell/controlname.h"
#include "shell/numberfield.h"

namespace corvell::frmpension {

// Text fields
inline constexpr ControlName txtMonthlyPension{"txtMonthlyPension"};
inline constexpr ControlName txtEmployerPercent{"txtEmployerPercent"};
inline constexpr ControlName txtRate{"txtRate"};
inline constexpr ControlName txtCaseCaption{"txtCaseCaption"};
inline constexpr ControlName txtNewWeeklyRate{"txtNewWeeklyRate"};

// Buttons
inline constexpr ControlName cmdSSCalculate{"cmdSSCalculate"};
inline constexpr ControlName cmdSSPrint{"cmdSSPrint"};
inline constexpr ControlName cmdSSClear{"cmdSSClear"};

// Labels
inline constexpr ControlName lblMonthlyPension{"lblMonthlyPension"};
inline constexpr ControlName lblEmployerPercent{"lblEmployerPercent"};
inline constexpr ControlName lblRate{"lblRate"};
inline constexpr ControlName lblCaseCaption{"lblCaseCaption"};
inline constexpr ControlName lblNewWeeklyRate{"lblNewWeeklyRate"};

// The number fields: how each is read and the range it must lie in.
inline constexpr NumberField kMonthlyPensionField{txtMonthlyPension, "Monthly Pension"};
inline constexpr NumberField kEmployerPercentField{txtEmployerPercent, "Employer %",
                                                   Bounds::Percentage, true};
inline constexpr NumberField kRateField{txtRate, "Weekly Comp. Rate"};

}  // namespace corvell::frmpension

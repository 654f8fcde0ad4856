#pragma once
// The controls of the compensation-and-interest window (CalculationForm), each declared once and
// named exactly as its objectName. The navigation buttons and Close are the navigation row's
// (shell/navigation.h).

#include "shell/controlname.h"
#include "shell/numberfield.h"

namespace corvell::calculationform {

// Text fields
inline constexpr ControlName txtBeginningDate{"txtBeginningDate"};
inline constexpr ControlName txtEndingDate{"txtEndingDate"};
inline constexpr ControlName txtRate{"txtRate"};
inline constexpr ControlName txtWeeks{"txtWeeks"};
inline constexpr ControlName txtPaymentDate{"txtPaymentDate"};
inline constexpr ControlName txtPaymentAmount{"txtPaymentAmount"};
inline constexpr ControlName txtCaseCaption{"txtCaseCaption"};
inline constexpr ControlName lblDays{"lblDays"};  // a text field, whatever its prefix says
inline constexpr ControlName txtTotalDays{"txtTotalDays"};
inline constexpr ControlName txtTotalComp{"txtTotalComp"};
inline constexpr ControlName txtAccruedInterest{"txtAccruedInterest"};
inline constexpr ControlName txtSimpleInterest{"txtSimpleInterest"};
inline constexpr ControlName txtSimpleDays{"txtSimpleDays"};
inline constexpr ControlName txtTotalAmount{"txtTotalAmount"};
inline constexpr ControlName txtNetAmount{"txtNetAmount"};

// Buttons
inline constexpr ControlName cmdCalculate{"cmdCalculate"};
inline constexpr ControlName cmdSave{"cmdSave"};
inline constexpr ControlName cmdNextEntry{"cmdNextEntry"};
inline constexpr ControlName cmdPrint{"cmdPrint"};
inline constexpr ControlName cmdClear{"cmdClear"};

// The ledger panel
inline constexpr ControlName List1{"List1"};

// Labels
inline constexpr ControlName Label2{"Label2"};
inline constexpr ControlName Label3{"Label3"};
inline constexpr ControlName Label1{"Label1"};
inline constexpr ControlName Label5{"Label5"};
inline constexpr ControlName Label6{"Label6"};
inline constexpr ControlName Label17{"Label17"};
inline constexpr ControlName Label14{"Label14"};
inline constexpr ControlName Label8{"Label8"};
inline constexpr ControlName Label4{"Label4"};
inline constexpr ControlName Label13{"Label13"};
inline constexpr ControlName Label7{"Label7"};
inline constexpr ControlName labSimpleInterest{"labSimpleInterest"};
inline constexpr ControlName Label9{"Label9"};
inline constexpr ControlName Label10{"Label10"};
inline constexpr ControlName Label12{"Label12"};
inline constexpr ControlName Label11{"Label11"};

// The number fields: how each is read and the range it must lie in.
inline constexpr NumberField kRateField{txtRate, "Rate"};
inline constexpr NumberField kWeeksField{txtWeeks, "Weeks", Bounds::CheckedByWindow};
inline constexpr NumberField kPaymentAmountField{txtPaymentAmount, "Payment Amount"};

}  // namespace corvell::calculationform

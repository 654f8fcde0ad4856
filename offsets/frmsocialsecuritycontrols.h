#pragma once
// The controls of the social security offset window (frmSocialSecurity), each declared once and
// named exactly as its objectName. The navigation buttons and Close are the navigation row's
// (shell/navigation.h).

#include "shell/controlname.h"
#include "shell/numberfield.h"

namespace corvell::frmsocialsecurity {

// Text fields
inline constexpr ControlName txtSocialSecurity{"txtSocialSecurity"};
inline constexpr ControlName txtRate{"txtRate"};
inline constexpr ControlName txtCaseCaption{"txtCaseCaption"};
inline constexpr ControlName txtNewRate{"txtNewRate"};

// Buttons
inline constexpr ControlName cmdSSCalculate{"cmdSSCalculate"};
inline constexpr ControlName cmdSSPrint{"cmdSSPrint"};
inline constexpr ControlName cmdSSClear{"cmdSSClear"};

// Labels
inline constexpr ControlName lblSocialSecurity{"lblSocialSecurity"};
inline constexpr ControlName lblRate{"lblRate"};
inline constexpr ControlName lblCaseCaption{"lblCaseCaption"};
inline constexpr ControlName lblNewRate{"lblNewRate"};

// The number fields: how each is read and the range it must lie in.
inline constexpr NumberField kSocialSecurityField{txtSocialSecurity, "Net Social Security Amount"};
inline constexpr NumberField kRateField{txtRate, "Weekly Comp. Rate"};

}  // namespace corvell::frmsocialsecurity

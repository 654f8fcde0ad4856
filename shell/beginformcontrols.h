#pragma once
// The controls of the main menu (BeginForm), each declared once and named exactly as its
// objectName.

#include "shell/controlname.h"

namespace corvell::beginform {

// Buttons
inline constexpr ControlName cmdCompensationAndInterest{"cmdCompensationAndInterest"};
inline constexpr ControlName cmdPresentValue{"cmdPresentValue"};
inline constexpr ControlName cmdSocialSecurity{"cmdSocialSecurity"};
inline constexpr ControlName cmdOffset{"cmdOffset"};
inline constexpr ControlName Command1{"Command1"};
inline constexpr ControlName Command2{"Command2"};
inline constexpr ControlName cmdPension{"cmdPension"};
inline constexpr ControlName cmdExit{"cmdExit"};

// Labels
inline constexpr ControlName Label1{"Label1"};
inline constexpr ControlName Text1{"Text1"};
inline constexpr ControlName Text2{"Text2"};

}  // namespace corvell::beginform

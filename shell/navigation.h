#pragma once
// The program's windows and the navigation row every calculator carries: a
// button for each other calculator and a Close button back to the main menu.
// Control names differ from window to window; captions do not.

#include <span>
#include <string_view>

#include "shell/controlname.h"

namespace corvell {

// The navigation buttons and Close, each spelling once: the same button is
// named differently on different windows (cmdLumpSum and CmdLumpSum).
namespace nav {
inline constexpr ControlName cmdQuit{"cmdQuit"};
inline constexpr ControlName CmdInterest{"CmdInterest"};
inline constexpr ControlName cmdPresentValue{"cmdPresentValue"};
inline constexpr ControlName cmdSocialSecurity{"cmdSocialSecurity"};
inline constexpr ControlName cmdPension{"cmdPension"};
inline constexpr ControlName cmdLumpSum{"cmdLumpSum"};
inline constexpr ControlName CmdLumpSum{"CmdLumpSum"};
inline constexpr ControlName cmdCommutation{"cmdCommutation"};
inline constexpr ControlName cmdSubrogation{"cmdSubrogation"};
}  // namespace nav

enum class WindowId {
    BeginForm,
    CalculationForm,
    frmPresentValue,
    frmSocialSecurity,
    FrmPension,
    frmOffset,
    frmCommutation,
    frmSubrogation,
};

inline constexpr WindowId kCalculators[] = {
    WindowId::CalculationForm, WindowId::frmPresentValue, WindowId::frmSocialSecurity,
    WindowId::FrmPension,      WindowId::frmOffset,       WindowId::frmCommutation,
    WindowId::frmSubrogation,
};

std::string_view windowTitle(WindowId id);
std::string_view windowClassName(WindowId id);

struct NavigationButton {
    ControlName control;  // objectName on this window
    std::string_view caption;
    WindowId target;
};

// The navigation buttons of a calculator window, Close (cmdQuit) last.
std::span<const NavigationButton> navigationRow(WindowId window);
// What the navigation buttons that open a calculator call it ("Interest",
// "Soc. Security", ...); "Close" for the main menu.
std::string_view navigationCaption(WindowId window);

inline constexpr std::string_view kCloseToolTip = "Return to main menu";

}  // namespace corvell

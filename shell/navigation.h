#pragma once
// The program's windows and the navigation row every calculator carries: a
// button for each other calculator and a Close button back to the main menu.
// Control names differ from window to window; captions do not.

#include <span>
#include <string_view>

namespace corvell {

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
    std::string_view control;  // objectName on this window
    std::string_view caption;
    WindowId target;
};

// The navigation buttons of a calculator window, Close (cmdQuit) last.
std::span<const NavigationButton> navigationRow(WindowId window);

inline constexpr std::string_view kCloseToolTip = "Return to main menu";

}  // namespace corvell

#include "shell/navigation.h"

namespace corvell {
namespace {

using W = WindowId;
using namespace nav;

constexpr NavigationButton kInterestRow[] = {
    {cmdPresentValue, "Present Value", W::frmPresentValue},
    {cmdSocialSecurity, "Soc. Security", W::frmSocialSecurity},
    {cmdPension, "Pension", W::FrmPension},
    {CmdLumpSum, "Lump Sum", W::frmOffset},
    {cmdCommutation, "Commutation", W::frmCommutation},
    {cmdSubrogation, "Subrogation", W::frmSubrogation},
    {cmdQuit, "Close", W::BeginForm},
};

constexpr NavigationButton kPresentValueRow[] = {
    {CmdInterest, "Interest", W::CalculationForm},
    {cmdSocialSecurity, "Soc. Security", W::frmSocialSecurity},
    {cmdPension, "Pension", W::FrmPension},
    {cmdLumpSum, "Lump Sum", W::frmOffset},
    {cmdCommutation, "Commutation", W::frmCommutation},
    {cmdSubrogation, "Subrogation", W::frmSubrogation},
    {cmdQuit, "Close", W::BeginForm},
};

constexpr NavigationButton kSocialSecurityRow[] = {
    {CmdInterest, "Interest", W::CalculationForm},
    {cmdPresentValue, "Present Value", W::frmPresentValue},
    {cmdPension, "Pension", W::FrmPension},
    {cmdLumpSum, "Lump Sum", W::frmOffset},
    {cmdCommutation, "Commutation", W::frmCommutation},
    {cmdSubrogation, "Subrogation", W::frmSubrogation},
    {cmdQuit, "Close", W::BeginForm},
};

constexpr NavigationButton kPensionRow[] = {
    {CmdInterest, "Interest", W::CalculationForm},
    {cmdPresentValue, "Present Value", W::frmPresentValue},
    {cmdSocialSecurity, "Soc. Security", W::frmSocialSecurity},
    {CmdLumpSum, "Lump Sum", W::frmOffset},
    {cmdCommutation, "Commutation", W::frmCommutation},
    {cmdSubrogation, "Subrogation", W::frmSubrogation},
    {cmdQuit, "Close", W::BeginForm},
};

constexpr NavigationButton kLumpSumRow[] = {
    {CmdInterest, "Interest", W::CalculationForm},
    {cmdPresentValue, "Present Value", W::frmPresentValue},
    {cmdSocialSecurity, "Soc. Security", W::frmSocialSecurity},
    {cmdPension, "Pension", W::FrmPension},
    {cmdCommutation, "Commutation", W::frmCommutation},
    {cmdSubrogation, "Subrogation", W::frmSubrogation},
    {cmdQuit, "Close", W::BeginForm},
};

// On the commutation window the button back to the interest window is
// named cmdCommutation.
constexpr NavigationButton kCommutationRow[] = {
    {cmdCommutation, "Interest", W::CalculationForm},
    {cmdPresentValue, "Present Value", W::frmPresentValue},
    {cmdSocialSecurity, "Soc. Security", W::frmSocialSecurity},
    {cmdPension, "Pension", W::FrmPension},
    {CmdLumpSum, "Lump Sum", W::frmOffset},
    {cmdSubrogation, "Subrogation", W::frmSubrogation},
    {cmdQuit, "Close", W::BeginForm},
};

constexpr NavigationButton kSubrogationRow[] = {
    {CmdInterest, "Interest", W::CalculationForm},
    {cmdPresentValue, "Present Value", W::frmPresentValue},
    {cmdSocialSecurity, "Soc. Security", W::frmSocialSecurity},
    {cmdPension, "Pension", W::FrmPension},
    {cmdLumpSum, "Lump Sum", W::frmOffset},
    {cmdCommutation, "Commutation", W::frmCommutation},
    {cmdQuit, "Close", W::BeginForm},
};

}  // namespace

std::string_view windowTitle(WindowId id) {
    switch (id) {
        case W::BeginForm:
            return "Corvell's Calculator - Base Page";
        case W::CalculationForm:
            return "CORVELL'S Compensation & Interest";
        case W::frmPresentValue:
            return "CORVELL'S Present Value Calculator";
        case W::frmSocialSecurity:
            return "CORVELL'S Social Security Offset Calculator";
        case W::FrmPension:
            return "CORVELL'S Pension Offset Calculator";
        case W::frmOffset:
            return "CORVELL'S Lump Sum Offset Calculator";
        case W::frmCommutation:
            return "CORVELL'S Commutation Calculator";
        case W::frmSubrogation:
            return "CORVELL'S Subrogation Calculator";
    }
    return {};
}

std::string_view windowClassName(WindowId id) {
    switch (id) {
        case W::BeginForm:
            return "BeginForm";
        case W::CalculationForm:
            return "CalculationForm";
        case W::frmPresentValue:
            return "frmPresentValue";
        case W::frmSocialSecurity:
            return "frmSocialSecurity";
        case W::FrmPension:
            return "FrmPension";
        case W::frmOffset:
            return "frmOffset";
        case W::frmCommutation:
            return "frmCommutation";
        case W::frmSubrogation:
            return "frmSubrogation";
    }
    return {};
}

std::span<const NavigationButton> navigationRow(WindowId window) {
    switch (window) {
        case W::CalculationForm:
            return kInterestRow;
        case W::frmPresentValue:
            return kPresentValueRow;
        case W::frmSocialSecurity:
            return kSocialSecurityRow;
        case W::FrmPension:
            return kPensionRow;
        case W::frmOffset:
            return kLumpSumRow;
        case W::frmCommutation:
            return kCommutationRow;
        case W::frmSubrogation:
            return kSubrogationRow;
        case W::BeginForm:
            break;
    }
    return {};
}

std::string_view navigationCaption(WindowId window) {
    // Every calculator but the interest window is on the interest window's row.
    for (const WindowId row : {W::CalculationForm, W::frmPresentValue}) {
        for (const NavigationButton& button : navigationRow(row)) {
            if (button.target == window) {
                return button.caption;
            }
        }
    }
    return {};
}

}  // namespace corvell

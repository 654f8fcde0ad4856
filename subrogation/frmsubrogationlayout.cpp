#include "subrogation/frmsubrogationlayout.h"

#include "subrogation/frmsubrogationcontrols.h"

namespace corvell::frmsubrogation {
namespace {

using K = ControlKind;

// Places in twips; table order is tab order (labels take no focus).
constexpr ControlSpec kControls[] = {
    {K::Label, lblTotalRecovery, "Total Recovery", nullptr, 360, 720, 1695, 255},
    {K::Label, lblCostsAndFees, "Costs and Fees", nullptr, 2400, 720, 1575, 255},
    {K::Label, lblRate, "Weekly Comp. Rate", nullptr, 4320, 720, 1815, 255},
    {K::Label, lblLienAmount, "Lien Amount", nullptr, 6240, 720, 1815, 255},
    {K::Label, lblLienRecovery, "Lien Recovery", nullptr, 240, 1800, 1815, 255},
    {K::Label, lblNewWeeklyRate, "New Weekly Rate", nullptr, 2400, 1800, 1575, 255},
    {K::Label, lblForWeeks, "For Weeks / Days", nullptr, 4440, 1800, 1815, 255},
    {K::CaptionLabel, lblCaseCaption, "Case Caption", nullptr, 360, 2760, 4935, 255},
    {K::Field, txtTotalRecovery, nullptr, "Enter total amount of Claimant's recovery", 360, 960,
     1815, 375},
    {K::Field, txtCostsAndFees, nullptr, "Enter attorney fees and costs of prosecution", 2400, 960,
     1575, 375},
    {K::Field, txtRate, nullptr, "Enter weekly compensation rate before adjustment", 4320, 960,
     1815, 375},
    {K::Field, txtLienAmount, nullptr, "Enter the total amount of lien, compensation and medical",
     6360, 960, 1575, 375},
    {K::Field, txtLienRecovery, nullptr,
     "Calculated net recovery on lein - can be entered for agreed net", 360, 2040, 1575, 375},
    {K::TextBox, txtCaseCaption, nullptr, "Enter any identifying information for printed report",
     360, 3000, 4935, 1215},
    {K::Button, cmdSSCalculate, "Calculate", "Press to calculate", 5520, 2880, 1695, 735},
    {K::Button, cmdSSPrint, "Print", "Press to print results", 7440, 2880, 855, 735},
    {K::Button, cmdSSClear, "Clear", "Clear for new calculation", 8520, 2880, 615, 735},
    {K::NavButton, nav::cmdQuit, nullptr, nullptr, 8160, 240, 975, 375},
    {K::NavButton, nav::CmdInterest, nullptr, nullptr, 360, 240, 1095, 195},
    {K::NavButton, nav::cmdPresentValue, nullptr, nullptr, 1560, 240, 1215, 195},
    {K::NavButton, nav::cmdSocialSecurity, nullptr, nullptr, 2880, 240, 1215, 195},
    {K::NavButton, nav::cmdLumpSum, nullptr, nullptr, 4200, 240, 1215, 195},
    {K::NavButton, nav::cmdCommutation, nullptr, nullptr, 5520, 240, 1215, 195},
    {K::NavButton, nav::cmdPension, nullptr, nullptr, 6840, 240, 1095, 195},
    {K::Field, txtNewWeeklyRate, nullptr, "Calculated adjusted weekly reimbursement rate", 2400,
     2040, 1575, 375},
    {K::Field, txtForWeeks, nullptr, "Calculated number of weeks at modified rate", 4440, 2040,
     1935, 375},
};

}  // namespace

const WindowLayout layout{WindowId::frmSubrogation, 9525, 6045, kControls, cmdSSCalculate};

}  // namespace corvell::frmsubrogation

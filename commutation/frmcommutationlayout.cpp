#include "commutation/frmcommutationlayout.h"

#include "commutation/frmcommutationcontrols.h"

namespace corvell::frmcommutation {
namespace {

using K = ControlKind;

// Inputs across the top with their labels above them, the results below,
// the case caption under those, the command buttons to the right. Table
// order is tab order: inputs, caption, commands, Close, navigation, results.
constexpr ControlSpec kControls[] = {
    {K::Label, lblBeginningDate, "Beginning Date", nullptr, 360, 720, 1575, 255},
    {K::Label, lblCommWeeks, "Comm Weeks", nullptr, 2160, 720, 1215, 255},
    {K::Label, lblCommAmount, "Commutation Amount", nullptr, 3600, 720, 1815, 255},
    {K::Label, lblComputedRate, "Computed Rate", nullptr, 360, 1800, 1575, 255},
    {K::Label, lblComputedEndDate, "Computed End Date", nullptr, 2160, 1800, 1815, 255},
    {K::CaptionLabel, lblCaseCaption, "Case Caption", nullptr, 360, 2760, 4935, 255},
    {K::Field, txtBeginningDate, nullptr, "Enter first day payment made as m/d/yy", 360, 960, 1575,
     375},
    {K::Field, txtCommWeeks, nullptr, "Enter number of weeks available for commutation", 2160, 960,
     1215, 375},
    {K::Field, txtCommAmount, nullptr, "Enter total amoount of commutation agreed to", 3600, 960,
     1815, 375},
    {K::TextBox, txtCaseCaption, nullptr, "Enter any identifying information for printed report",
     360, 3000, 4935, 1215},
    {K::Button, cmdCommCalculate, "Calculate", "Press to perform calculation", 5520, 1320, 1695,
     735},
    {K::Button, cmdCommPrint, "Print", "Press to print results of calculation", 7440, 1320, 855,
     735},
    {K::Button, cmdCommClear, "Clear", "Clear all entries for new calculation", 8520, 1320, 615,
     735},
    {K::NavButton, nav::cmdQuit, nullptr, nullptr, 8160, 120, 975, 375},
    {K::NavButton, nav::cmdCommutation, nullptr, nullptr, 240, 240, 1095, 195},
    {K::NavButton, nav::cmdPresentValue, nullptr, nullptr, 1440, 240, 1215, 195},
    {K::NavButton, nav::cmdSocialSecurity, nullptr, nullptr, 2760, 240, 1215, 195},
    {K::NavButton, nav::CmdLumpSum, nullptr, nullptr, 4080, 240, 1095, 195},
    {K::NavButton, nav::cmdSubrogation, nullptr, nullptr, 5280, 240, 1095, 195},
    {K::NavButton, nav::cmdPension, nullptr, nullptr, 6480, 240, 1095, 195},
    {K::Field, txtComputedRate, nullptr, "Calculated rate necessary to reach commutation amount ",
     360, 2040, 1575, 375},
    {K::Field, txtComputedEndDate, nullptr, "Calculated end date of compensation payments", 2160,
     2040, 1575, 375},
};

}  // namespace

const WindowLayout layout{WindowId::frmCommutation, 9525, 4500, kControls, cmdCommCalculate};

}  // namespace corvell::frmcommutation

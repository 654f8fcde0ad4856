#include "offsets/frmsocialsecuritylayout.h"

#include "offsets/frmsocialsecuritycontrols.h"

namespace corvell::frmsocialsecurity {
namespace {

using K = ControlKind;

// In tab order; labels take no focus.
constexpr ControlSpec kControls[] = {
    {K::Label, lblSocialSecurity, "Net Social Security Amount", nullptr, 480, 720, 1815, 255},
    {K::Field, txtSocialSecurity, nullptr,
     "Enter net amount of monthly social security payment recieved after taxes.  See Rule 123", 480,
     960, 1815, 375},
    {K::Label, lblRate, "Weekly Comp. Rate", nullptr, 2760, 720, 1815, 255},
    {K::Field, txtRate, nullptr, "Enter weekly indemnity rate before adjustment", 2760, 960, 1815,
     375},
    {K::CaptionLabel, lblCaseCaption, "Case Caption", nullptr, 480, 2400, 4935, 255},
    {K::TextBox, txtCaseCaption, nullptr, "Enter any identifying information for printed report",
     480, 2640, 4935, 1095},
    {K::Button, cmdSSCalculate, "Calculate", "Press to calculate", 5520, 1320, 1695, 735},
    {K::Button, cmdSSPrint, "Print", "Print this calculation", 7440, 1320, 855, 735},
    {K::Button, cmdSSClear, "Clear", "Clear for next calculation", 8520, 1320, 615, 735},
    {K::NavButton, nav::cmdQuit, nullptr, nullptr, 8160, 120, 975, 375},
    {K::NavButton, nav::CmdInterest, nullptr, nullptr, 480, 240, 1095, 195},
    {K::NavButton, nav::cmdPresentValue, nullptr, nullptr, 1680, 240, 1215, 195},
    {K::NavButton, nav::cmdLumpSum, nullptr, nullptr, 3000, 240, 1215, 195},
    {K::NavButton, nav::cmdCommutation, nullptr, nullptr, 4320, 240, 1215, 195},
    {K::NavButton, nav::cmdSubrogation, nullptr, nullptr, 5640, 240, 1095, 195},
    {K::NavButton, nav::cmdPension, nullptr, nullptr, 6840, 240, 1095, 195},
    {K::Label, lblNewRate, "New Weekly Rate", nullptr, 480, 1440, 1815, 255},
    {K::Field, txtNewRate, nullptr, "Calculated weekly rate after offset", 480, 1680, 1815, 375},
};

}  // namespace

const WindowLayout layout{WindowId::frmSocialSecurity, 9525, 6105, kControls, cmdSSCalculate};

}  // namespace corvell::frmsocialsecurity

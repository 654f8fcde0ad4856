#include "offsets/frmpensionlayout.h"

#include "offsets/frmpensioncontrols.h"

namespace corvell::frmpension {
namespace {

using K = ControlKind;

// In tab order; labels take no focus.
constexpr ControlSpec kControls[] = {
    {K::Label, lblMonthlyPension, "Monthly Pension", nullptr, 240, 840, 1455, 255},
    {K::Field, txtMonthlyPension, nullptr, "Enter net pension amount", 240, 1080, 1455, 375},
    {K::Label, lblEmployerPercent, "Employer %", nullptr, 2040, 840, 1455, 255},
    {K::Field, txtEmployerPercent, nullptr, "Enter percentage of pension funded by employer", 2040,
     1080, 1455, 375},
    {K::Label, lblRate, "Weekly Comp. Rate", nullptr, 3840, 840, 1815, 255},
    {K::Field, txtRate, nullptr, "Enter weekly indemnity rate before offset", 3840, 1080, 1815,
     375},
    {K::CaptionLabel, lblCaseCaption, "Case Caption", nullptr, 240, 2760, 4935, 255},
    {K::TextBox, txtCaseCaption, nullptr, "Enter any identifying information for printed report",
     240, 3000, 4935, 1215},
    {K::Button, cmdSSCalculate, "Calculate", "Press to perform calculation", 5280, 1800, 1695, 735},
    {K::Button, cmdSSPrint, "Print", "Press to print results of calculation", 7200, 1800, 855, 735},
    {K::Button, cmdSSClear, "Clear", "Press to clear for new calculation", 8280, 1800, 615, 735},
    {K::NavButton, nav::cmdQuit, nullptr, nullptr, 7920, 120, 975, 375},
    {K::NavButton, nav::CmdInterest, nullptr, nullptr, 240, 240, 1095, 195},
    {K::NavButton, nav::cmdPresentValue, nullptr, nullptr, 1440, 240, 1215, 195},
    {K::NavButton, nav::cmdSocialSecurity, nullptr, nullptr, 2760, 240, 1215, 195},
    {K::NavButton, nav::CmdLumpSum, nullptr, nullptr, 4080, 240, 1095, 195},
    {K::NavButton, nav::cmdCommutation, nullptr, nullptr, 5280, 240, 1215, 195},
    {K::NavButton, nav::cmdSubrogation, nullptr, nullptr, 6600, 240, 1095, 195},
    {K::Label, lblNewWeeklyRate, "New Weekly Rate", nullptr, 240, 1800, 1575, 255},
    {K::Field, txtNewWeeklyRate, nullptr, "Calculated rate based on pension offset", 240, 2040,
     1575, 375},
};

}  // namespace

const WindowLayout layout{WindowId::FrmPension, 9510, 6075, kControls, cmdSSCalculate};

}  // namespace corvell::frmpension

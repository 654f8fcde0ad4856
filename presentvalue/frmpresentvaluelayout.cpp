#include "presentvalue/frmpresentvaluelayout.h"

#include "presentvalue/frmpresentvaluecontrols.h"

namespace corvell::frmpresentvalue {
namespace {

using K = ControlKind;

// Table order is tab order: the inputs, the command buttons, Close, the
// navigation row left to right, then the two results. Labels take no focus.
constexpr ControlSpec kControls[] = {
    {K::Label, lblFromDate, "From Date", nullptr, 120, 720, 1455, 255},
    {K::Field, txtFromDate, nullptr, "Enter first day payment made as m/d/yy", 120, 960, 1455, 375},
    {K::Label, lblToDate, "To Date", nullptr, 1800, 720, 1335, 255},
    {K::Field, txtToDate, nullptr, "Enter last date of period inclusive.  Enter as m/d/yy", 1680,
     960, 1455, 375},
    {K::Label, lblWeeks, "Weeks", nullptr, 3240, 720, 1095, 255},
    {K::Field, txtWeeks, nullptr,
     "Enter weeks to compute end date or weeks will be calculated using from and to dates", 3240,
     960, 1095, 375},
    {K::Label, lblAge, "Age", nullptr, 4440, 720, 615, 255},
    {K::Field, txtAge, nullptr,
     "Enter age to nearest birthday for approximation of life expency from HCFA tables.", 4440, 960,
     615, 375},
    {K::Label, lblGender, "M/F", nullptr, 5160, 720, 615, 255},
    {K::Field, txtGender, nullptr, "If age is entered, enter M for male or F for female", 5160, 960,
     615, 375},
    {K::Label, lblRate, "Comp Rate", nullptr, 6000, 720, 1335, 255},
    {K::Field, txtRate, nullptr, "Enter weekly indemnity rate", 5880, 960, 1455, 375},
    {K::Label, lblInterestRate, "Interest Rate", nullptr, 360, 1680, 1215, 255},
    {K::Field, txtInterestRate, nullptr, "Enter discount  interest rate if not 5%", 360, 1920, 1215,
     375},
    {K::CaptionLabel, lblCaseCaption, "Case Caption", nullptr, 360, 2520, 4935, 255},
    {K::Field, txtCaseCaption, nullptr, "Enter any identifying information for printed report", 360,
     2760, 4935, 975},
    {K::Button, cmdPVCalculate, "Calculate", "Press to calculate", 7200, 1920, 1575, 735},
    {K::Button, cmdPVPrint, "Print", "Press to print results of calculation", 7200, 3000, 855, 735},
    {K::Button, cmdPVClear, "Clear", "Clear for new calculation", 8160, 3000, 615, 735},
    {K::NavButton, nav::cmdQuit, nullptr, nullptr, 7920, 120, 855, 375},
    {K::NavButton, nav::CmdInterest, nullptr, nullptr, 240, 240, 1095, 195},
    {K::NavButton, nav::cmdSocialSecurity, nullptr, nullptr, 1440, 240, 1215, 195},
    {K::NavButton, nav::cmdCommutation, nullptr, nullptr, 2760, 240, 1215, 195},
    {K::NavButton, nav::cmdLumpSum, nullptr, nullptr, 4080, 240, 1215, 195},
    {K::NavButton, nav::cmdSubrogation, nullptr, nullptr, 5400, 240, 1095, 195},
    {K::NavButton, nav::cmdPension, nullptr, nullptr, 6600, 240, 1095, 195},
    {K::Label, lblTotalComp, "Total Comp", nullptr, 2040, 1680, 1695, 255},
    {K::Field, txtTotalComp, nullptr, "Calculated total Compensation before discount", 1800, 1920,
     1935, 360},
    {K::Label, lblPresentValue, "Present Value", nullptr, 4080, 1680, 1815, 255},
    {K::Field, txtPresentValue, nullptr, "Calculated present value based on interest rate", 4080,
     1920, 1815, 360},
};

}  // namespace

const WindowLayout layout{WindowId::frmPresentValue, 9525, 5940, kControls, cmdPVCalculate};

}  // namespace corvell::frmpresentvalue

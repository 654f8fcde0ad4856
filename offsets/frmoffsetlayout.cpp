#include "offsets/frmoffsetlayout.h"

#include "offsets/frmoffsetcontrols.h"

namespace corvell::frmoffset {
namespace {

using K = ControlKind;

// In tab order; labels take no focus.
constexpr ControlSpec kControls[] = {
    {K::Label, lblBeginningDate, "Beginning Date", nullptr, 240, 600, 1335, 255},
    {K::Field, txtBeginningDate, nullptr, "Enter first day offset to be taken as m/d/yy", 240, 840,
     1335, 360},
    {K::Label, lblRate, "Rate", nullptr, 1920, 600, 855, 255},
    {K::Field, txtRate, nullptr, "Enter weekly compensation rate", 1920, 840, 855, 360},
    {K::Label, lblNetOffsetAmount, "Net Offset Amount", nullptr, 3240, 600, 1695, 255},
    {K::Field, txtNetOffsetAmount, nullptr, "Enter net amount of benefits received", 3240, 840,
     1695, 360},
    {K::CaptionLabel, lblCaseCaption, "Case Caption", nullptr, 240, 2400, 4935, 255},
    {K::TextBox, txtCaseCaption, nullptr, "Enter any identifying information for printed report",
     240, 2640, 4935, 1215},
    {K::Button, cmdCommCalculate, "Calculate", "Press to perform calculation", 5520, 2400, 1455,
     735},
    {K::Button, cmdCommPrint, "Print", "Press to print results of calculation", 7320, 2400, 855,
     735},
    {K::Button, cmdCommClear, "Clear", "Clear all entries for new calculation", 8520, 2400, 615,
     735},
    {K::NavButton, nav::cmdQuit, nullptr, nullptr, 8280, 120, 975, 375},
    {K::NavButton, nav::CmdInterest, nullptr, nullptr, 240, 120, 1095, 195},
    {K::NavButton, nav::cmdPresentValue, nullptr, nullptr, 1440, 120, 1215, 195},
    {K::NavButton, nav::cmdSocialSecurity, nullptr, nullptr, 2760, 120, 1215, 195},
    {K::NavButton, nav::cmdCommutation, nullptr, nullptr, 4080, 120, 1215, 195},
    {K::NavButton, nav::cmdSubrogation, nullptr, nullptr, 5400, 120, 1095, 195},
    {K::NavButton, nav::cmdPension, nullptr, nullptr, 6600, 120, 1095, 195},
    {K::Label, lblComputedEndDate, "Computed End Date", nullptr, 3240, 1440, 1815, 255},
    {K::Field, txtComputedEndDate, nullptr, "Calculated end date of offset credit", 3240, 1680,
     1695, 360},
    {K::Label, lblComputedWeeks, "Computed Weeks", nullptr, 120, 1440, 1695, 255},
    {K::Field, txtComputedWeeks, nullptr, "Calculated weeks of offset allowed", 240, 1680, 1335,
     360},
    {K::Label, lblDays, "Days", nullptr, 1920, 1440, 855, 255},
    {K::Field, txtComputedDays, nullptr,
     "Calculated partial weeks of offset allowed expressed in days", 1920, 1680, 855, 360},
    {K::Label, lblRemainder, "Remainder", nullptr, 5520, 1440, 1095, 255},
    {K::Field, txtRemainder, nullptr, "Calculated remaining credit for partial day", 5400, 1680,
     1335, 360},
};

}  // namespace

const WindowLayout layout{WindowId::frmOffset, 9630, 6075, kControls, cmdCommCalculate};

}  // namespace corvell::frmoffset

#include "shell/beginformlayout.h"

#include "shell/beginformcontrols.h"

namespace corvell::beginform {
namespace {

using K = ControlKind;

constexpr ControlSpec kControls[] = {
    {K::Button, cmdCompensationAndInterest, "Compensation and Interest",
     "Calculate days between dates, total compensation and interest", 240, 1680, 2640, 735},
    {K::Button, cmdPresentValue, "Present Value",
     "Calculate present value of a sum of money paid into the future", 3000, 1680, 2640, 735},
    {K::Button, cmdSocialSecurity, "Social Security", "Calculate social security offset", 5760,
     1680, 2640, 735},
    {K::Button, cmdOffset, "Lump Sum Offset", "Calculate offset for severence or other lump  sum",
     8520, 1680, 2640, 735},
    {K::Button, Command1, "Commutation Computing", "Calculate commutation from total agreed amount",
     1620, 2640, 2640, 735},
    {K::Button, Command2, "Subrogation", "Calculate subrogation distribution", 4380, 2640, 2640,
     735},
    {K::Button, cmdPension, "Pension", "Calculate pension offset", 7140, 2640, 2640, 735},
    {K::Button, cmdExit, "Close", nullptr, 10440, 120, 855, 375},
    {K::Label, Label1, "Workers' Compensation Calculator", nullptr, 2760, 120, 7560, 600},
    {K::Label, Text1, "\"Tools for the Workers' Compensation Professional\"", nullptr, 120, 840,
     11280, 615},
    {K::Label, Text2, "CORVELL'S", nullptr, 240, 120, 2400, 600},
};

}  // namespace

const WindowLayout layout{WindowId::BeginForm, 11520, 3600, kControls};

}  // namespace corvell::beginform

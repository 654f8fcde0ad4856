#include "interest/ui/calculationform.h"

#include "shell/ui/formlayout.h"

namespace corvell::ui {
namespace {

using K = ControlKind;

constexpr ControlSpec kLayout[] = {
    {K::NavButton, "cmdPresentValue", nullptr, nullptr, 240, 240, 1215, 255},
    {K::NavButton, "cmdSocialSecurity", nullptr, nullptr, 1560, 240, 1215, 255},
    {K::NavButton, "cmdPension", nullptr, nullptr, 2880, 240, 1095, 255},
    {K::NavButton, "CmdLumpSum", nullptr, nullptr, 4080, 240, 1095, 255},
    {K::NavButton, "cmdCommutation", nullptr, nullptr, 5280, 240, 1215, 255},
    {K::NavButton, "cmdSubrogation", nullptr, nullptr, 6600, 240, 1095, 255},
    {K::NavButton, "cmdQuit", nullptr, nullptr, 12600, 120, 975, 375},
};

}  // namespace

CalculationForm::CalculationForm(const Services& services, QWidget* parent)
    : QWidget(parent), binder_(*this, model_, services) {
    setUpWindow(*this, WindowId::CalculationForm, 13800, 8400);
    buildControls(*this, WindowId::CalculationForm, kLayout);
    binder_.bind();
}

}  // namespace corvell::ui
